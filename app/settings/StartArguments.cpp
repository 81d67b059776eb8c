#include "app/settings/StartArguments.h"

#include <filesystem>

#include "app/toolkit/ProgramInfo.h"

const char* StartUsage() { return "usage: tessaro3d [--help | --version | [--] FILE.cube]"; }

StartArguments ReadStartArguments(const std::vector<std::string>& words, const std::string& workingFolder) {
  StartArguments result;
  const auto refuse = [&result](const std::string& why) {
    result = StartArguments{StartAction::Refused, false, {}, "tessaro3d: " + why + "\n" + StartUsage()};
    return result;
  };
  bool optionsEnded = false;
  for (const std::string& word : words) {
    // "-" alone is a file name, as a file manager may pass one.
    if (!optionsEnded && word.size() > 1 && word[0] == '-') {
      if (word == "--") {
        optionsEnded = true;
      } else if (word == "--help" || word == "-h") {
        result.Action = StartAction::Help;
      } else if (word == "--version") {
        result.Action = StartAction::Version;
      } else {
        return refuse("unknown option " + word);
      }
      continue;
    }
    if (result.HasFile) return refuse("more than one file");
    result.HasFile = true;
    // Not normalised: "link/.." is where the link leads, not the working folder.
    result.File = word.empty() ? word : (std::filesystem::path(workingFolder) / word).string();
  }
  // Asked for help or the version, the game opens nothing, whatever else was given.
  if (result.Action == StartAction::Help) result.Text = StartUsage();
  if (result.Action == StartAction::Version) result.Text = std::string("tessaro3d (") + kProgramName + ") " + kProgramVersion;
  return result;
}
