// The history in the main window: the database opened at start, the
// statistics box and the replay chosen there, the export, and the replay bar
// with its keys.
#pragma once

#include "app/window/MainForm.h"

// Opens the history beside the kept games and gives it to the game; a file
// that was set aside, or one of a newer game, is said on the status line.
void OpenHistory(TMainForm& form);
// The frame's layout: the picture, and under it the replay bar, hidden.
void PlaceReplayBar(TMainForm& form);
// A replay begins or ends: the bar and the status line say so.
void ShowReplay(TMainForm& form, bool shown);
// The replay's clock, counter and bar after a tick of the frame loop.
void ShowReplayState(TMainForm& form);
// Space, the arrows left and right, Home, End and Escape while a replay is
// shown; true when the key was taken.
bool ReplayKey(TMainForm& form, int wxKey);

// "Статистика...": the box, and the replay of the game chosen there.
void ShowStatistics(TMainForm& form);
// "Экспорт...": the whole history as CSV, to a file the player names.
void ExportHistory(TMainForm& form);
// "Ходы игры": the game's moves to read and copy, and its replay when the
// player asks for it there.
void ShowGameMoves(TMainForm& form);
