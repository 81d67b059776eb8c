// The settings the renderer and the cube hold while the game runs.
#pragma once

#include "app/settings/SettingsFile.h"

class VEKGL;

// Colours, quality, speed, scramble turns, whether the scramble is shown,
// and antialiasing while turning.
void ApplySettings(const GameSettings& settings, VEKGL& gl);
// The same values read back, with the language in use; the idle time and
// the cube size are the window's.
GameSettings SettingsOf(const VEKGL& gl);
