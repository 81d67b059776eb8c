// Opening a saved game by its name: the one the Open dialog chose, or the
// one on the command line (the file manager's "open").
#pragma once

#include <string>

#include "app/window/MainForm.h"

// Opens path in the window: the loading text, then the game with its title
// and status, or the start cube left as it was with the reason on the status
// line; an empty name says that no name was given. The kept games are not
// touched: Continue still offers them.
void OpenGameFile(TMainForm& form, const std::string& path);
