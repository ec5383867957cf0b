// Where the Linux host keeps what Windows keeps in the registry and the user's folders.
#pragma once

#include <string>

#include "platform/platform.h"

namespace frost::linux_host {

// Paths of the Linux host.
//
// The registry key the Windows build reads, kept as a small INI-style file that the build tree
// and the installation write:
//
//   [HKEY_LOCAL_MACHINE\software\Torvane\ZADevor]
//   path=/usr/share/frostmote
//
// A missing file or section is a key that cannot be opened; a section without "path" is a key
// without the value.
InstallPathKey ParseInstallKey(const std::string& text);

// etc/frostmote/install.reg beside the executable's bin/ folder, except for a program in
// /usr/bin, whose key is /etc/frostmote/install.reg.
std::string InstallKeyPath(const std::string& executablePath);

// config.cfg in the user's configuration folder: $XDG_CONFIG_HOME/frostmote when that is an
// absolute path, else ~/.config/frostmote. Either argument may be null.
std::string SettingsFilePath(const char* xdgConfigHome, const char* home);

// The core builds paths with backslashes; on Linux they separate folders too.
std::string NativePath(std::string path);

}  // namespace frost::linux_host
