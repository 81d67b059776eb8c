#include "app/settings/HelpFile.h"

#include <filesystem>
#include <system_error>

#include "texts/Language.h"

// Set by the build from the install folders.
#ifndef TESSARO_DOC_FROM_BIN
#define TESSARO_DOC_FROM_BIN "../share/doc/tessaro3d"
#endif

namespace fs = std::filesystem;

std::string FindHelpFile(const std::string& workingDirectory, const std::string& executableFolder,
                         const std::string& language) {
  const fs::path exe = executableFolder;
  const fs::path folders[] = {workingDirectory, exe, exe.empty() ? exe : exe / TESSARO_DOC_FROM_BIN};
  const std::string source = "readme.htm";
  const std::string pages[] = {language == texts::kRussian.Code ? source : "readme-" + language + ".htm", source};
  for (const std::string& page : pages) {
    for (const fs::path& folder : folders) {
      if (folder.empty()) continue;
      std::error_code ec;
      const fs::path help = folder / page;
      if (fs::is_regular_file(help, ec)) return help.lexically_normal().string();
    }
  }
  return {};
}

std::string FindHelpFile(const std::string& workingDirectory, const std::string& executableFolder) {
  return FindHelpFile(workingDirectory, executableFolder, texts::CurrentLanguage());
}
