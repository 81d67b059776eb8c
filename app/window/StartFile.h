// The saved game named on the command line (the file manager's "open").
#pragma once

#include <string>

#include "app/window/MainForm.h"

// Opens path in the window just created, as the Open command opens a file
// chosen in its dialog: the same loading, title and status texts; a file
// that does not load leaves the start cube with the reason on the status
// line. The kept games are not touched: Continue still offers them.
void OpenAtStart(TMainForm& form, const std::string& path);
