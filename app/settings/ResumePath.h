// Where games in progress are kept until they are continued: the game's
// folder in the player's data folder.
#pragma once

#include <string>

// $XDG_DATA_HOME/tessaro3d, or ~/.local/share/tessaro3d when XDG_DATA_HOME is
// unset, empty or not absolute; empty when HOME is not usable either
// (nothing is then kept). The values are the environment's (null when unset).
std::string ChooseResumeFolder(const char* xdgDataHome, const char* home);

// The same with this process's environment.
std::string ResumeFolderFromEnvironment();
