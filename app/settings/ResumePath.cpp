#include "app/settings/ResumePath.h"

#include <cstdlib>
#include <filesystem>

#include "app/settings/SettingsPath.h"

std::string ChooseResumeFolder(const char* xdgDataHome, const char* home) {
  const std::string data = XdgUserFolder(xdgDataHome, home, ".local/share");
  if (data.empty()) return {};
  return (std::filesystem::path(data) / "tessaro3d").string();
}

std::string ResumeFolderFromEnvironment() {
  return ChooseResumeFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}
