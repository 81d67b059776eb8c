#include "app/settings/SettingsPath.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "app/settings/SettingsFile.h"

namespace fs = std::filesystem;

namespace {
bool IsAbsolute(const char* path) { return path && path[0] == '/'; }

std::string FolderOf(const std::string& path) {
  const fs::path parent = fs::path(path).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}
}  // namespace

bool IsWritable(const std::string& path) { return access(path.c_str(), W_OK) == 0; }

bool IsInstalledFolder(const std::string& folder, const std::string& installBindir) {
  std::error_code ec;
  const fs::path real = fs::canonical(folder, ec);
  if (ec) return false;
  const fs::path bindir = fs::canonical(installBindir, ec);
  if (!ec && real == bindir) return true;
  const std::string text = real.string();
  return text == "/usr" || text.rfind("/usr/", 0) == 0;
}

std::string ChooseSettingsPath(const std::string& executable, const char* xdgConfigHome,
                               const char* home, bool installed,
                               const std::function<bool(const std::string&)>& writable) {
  const std::string beside = SettingsPathForExecutable(executable);
  if (!installed && writable(FolderOf(beside))) return beside;

  const std::string config = XdgUserFolder(xdgConfigHome, home, ".config");
  if (config.empty()) return installed ? std::string() : beside;
  return (fs::path(config) / "tessaro3d" / "tessaro3d.ini").string();
}

std::string XdgUserFolder(const char* xdgValue, const char* home, const char* homeRelative) {
  // The XDG rules: a relative value is invalid and ignored.
  if (IsAbsolute(xdgValue)) return xdgValue;
  if (IsAbsolute(home)) return (fs::path(home) / homeRelative).string();
  return {};
}

std::string SettingsPathFromEnvironment(const std::string& executable) {
  return ChooseSettingsPath(executable, std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"),
                            IsInstalledFolder(FolderOf(executable), TESSARO_INSTALL_BINDIR));
}

bool CreateFolderOf(const std::string& path) {
  std::error_code ec;
  const fs::path folder = fs::path(path).parent_path();
  if (folder.empty() || fs::is_directory(folder, ec)) return true;
  fs::create_directories(folder, ec);
  return !ec && fs::is_directory(folder, ec);
}
