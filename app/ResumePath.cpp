#include "app/ResumePath.h"

#include <cstdlib>
#include <filesystem>

#include "app/SettingsPath.h"

std::string ChooseResumePath(const char* xdgDataHome, const char* home) {
  const std::string data = XdgUserFolder(xdgDataHome, home, ".local/share");
  if (data.empty()) return {};
  return (std::filesystem::path(data) / "tessaro3d" / "resume.cube").string();
}

std::string ResumePathFromEnvironment() {
  return ChooseResumePath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}
