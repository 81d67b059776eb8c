// The game's command line: one optional saved game to open at start, or
// --help / --version. Read before the toolkit starts, which is never shown
// the words, so that GTK neither takes nor refuses any of them.
#pragma once

#include <string>
#include <vector>

enum class StartAction {
  Play,     // open the window (with File, when one was given)
  Help,     // print Text (the usage) on stdout and end with 0
  Version,  // print Text (name and version) on stdout and end with 0
  Refused,  // print Text (why, and the usage) on stderr and end with 2
};

struct StartArguments {
  StartAction Action = StartAction::Play;
  bool HasFile = false;
  std::string File;  // absolute, or empty for an empty word (said at start as Open says it)
  std::string Text;
};

// The one-line usage, without a line end.
const char* StartUsage();

// Words: argv[1..]; a relative file name is taken from workingFolder.
StartArguments ReadStartArguments(const std::vector<std::string>& words, const std::string& workingFolder);
