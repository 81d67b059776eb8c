// The window in the player's language: chosen from the settings before the
// window shows any text, and changed while it runs from Options.
#pragma once

#include <string>

#include "app/window/MainForm.h"

// The language the settings name, with the catalogues looked for beside the
// executable and where it is installed.
void StartInLanguage(const MainFormServices& services, const std::string& code);

// The game speaks the language of code from now on: the menus, the tips,
// the clock's captions, the bars under the picture, the solved moment and a
// plain status text follow at once; every dialog opened afterwards (the
// toolkit's own too) is in it.
void ShowInLanguage(TMainForm& form, const std::string& code);
