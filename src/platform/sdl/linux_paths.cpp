#include "platform/sdl/linux_paths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sstream>

namespace frost::linux_host {
namespace {

constexpr const char* kSection = "HKEY_LOCAL_MACHINE\\software\\Torvane\\ZADevor";

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

// Registry names compare without regard to case.
bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

InstallPathKey ParseInstallKey(const std::string& text) {
  InstallPathKey key;
  std::istringstream lines(text);
  std::string line;
  bool inSection = false;
  while (std::getline(lines, line)) {
    line = Trim(line);
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[') {
      inSection = line.back() == ']' && SameName(line.substr(1, line.size() - 2), kSection);
      if (inSection) key.keyOpened = true;
      continue;
    }
    const auto equals = line.find('=');
    if (!inSection || equals == std::string::npos) continue;
    if (SameName(Trim(line.substr(0, equals)), "path")) key.value = Trim(line.substr(equals + 1));
  }
  return key;
}

std::string InstallKeyPath(const std::string& executablePath) {
  namespace fs = std::filesystem;
  const fs::path prefix = fs::path(executablePath).lexically_normal().parent_path().parent_path();
  // /usr is read-only and may be shared between machines, so a system package keeps its
  // configuration in /etc; every other prefix, the build tree among them, carries its own etc/.
  // The installation's rules choose the same folder.
  const fs::path etc = prefix == "/usr" ? fs::path("/etc") : prefix / "etc";
  return (etc / "frostmote" / "install.reg").string();
}

std::string SettingsFilePath(const char* xdgConfigHome, const char* home) {
  std::string base;
  if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/') {
    base = xdgConfigHome;
  } else {
    base = std::string(home != nullptr && home[0] != '\0' ? home : "/tmp") + "/.config";
  }
  return base + "/frostmote/config.cfg";
}

std::string NativePath(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

}  // namespace frost::linux_host
