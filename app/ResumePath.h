// Where a game interrupted by closing the window is kept until it is
// continued: resume.cube in the player's data folder.
#pragma once

#include <string>

// $XDG_DATA_HOME/tessaro3d/resume.cube, or ~/.local/share/tessaro3d/resume.cube
// when XDG_DATA_HOME is unset, empty or not absolute; empty when HOME is not
// usable either (nothing is then kept). The values are the environment's
// (null when unset).
std::string ChooseResumePath(const char* xdgDataHome, const char* home);

// The same with this process's environment.
std::string ResumePathFromEnvironment();
