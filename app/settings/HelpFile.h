// Finding the help page: "readme.htm" in Russian, "readme-<code>.htm" in
// another language.
#pragma once

#include <string>

// The help page in the working directory, else beside the executable, else in
// the installed documentation folder, found relative to the executable's
// folder so that any install prefix (or a package's) works. The page of the
// language is looked for first, then the Russian one.
// Empty when none of them holds either.
std::string FindHelpFile(const std::string& workingDirectory, const std::string& executableFolder,
                         const std::string& language);
// The same in the language the game speaks.
std::string FindHelpFile(const std::string& workingDirectory, const std::string& executableFolder);
