// The computer's solution in the main window: its bar (the stage it has come
// to, "Ход k из n", pause and play, a turn back and on, the pace) and the
// replay's keys for it.
#pragma once

#include "app/window/MainForm.h"

// The bar, hidden, under the picture (after the replay bar's placing).
void PlaceSolutionBar(TMainForm& form);
// Shown while a solution plays, with where it stands; hidden otherwise.
void ShowSolution(TMainForm& form);
// Space, the arrows left and right while a solution plays; true when taken.
bool SolutionKey(TMainForm& form, int wxKey);
