// Finding the help page "readme.htm".
#pragma once

#include <string>

// The help page in the working directory, else beside the executable, else in
// the installed documentation folder, found relative to the executable's
// folder so that any install prefix (or a package's) works.
// Empty when none of them holds the file.
std::string FindHelpFile(const std::string& workingDirectory, const std::string& executableFolder);
