#pragma once

#include <string>

#include "platform/platform.h"

namespace frost::linux_host {

// The registry key the Windows build reads, kept as a small INI-style file that the build tree
// and the installation write:
//
//   [HKEY_LOCAL_MACHINE\software\Torvane\ZADevor]
//   path=/usr/share/frostmote
//
// A missing file or section is a key that cannot be opened; a section without "path" is a key
// without the value.
InstallPathKey ParseInstallKey(const std::string& text);

// etc/frostmote/install.reg beside the executable's bin/ folder.
std::string InstallKeyPath(const std::string& executablePath);

}  // namespace frost::linux_host
