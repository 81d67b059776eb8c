// What the window asks of the player for the game's commands, and the
// game's moves as the player reads them.
#pragma once

#include <wx/string.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/window/MainFormServices.h"
#include "puzzle/Notation.h"

class Game;
struct VEKCamera;

// Moves typed under caption for a cube of size, asked again (the text kept,
// the bad move selected) until they read; none when the player cancels.
std::optional<std::vector<notation::Move>> AskForMoves(const MainFormServices& services, const wxString& caption,
                                                       int size);
// The scramble and the moves so far, faces named for the view on screen, so
// that moves typed since the view last turned read as they were typed.
wxString GameMovesText(const Game& game, const VEKCamera& camera);
// The same on the clipboard (Ctrl+C over the picture).
void CopyGameMovesText(const Game& game, const VEKCamera& camera);
// A game with the player's moves is about to be dropped: true to go on.
bool ConfirmAbandon(const Game& game, const MainFormServices& services);
// At close: keeps the running game, and when that fails says why and offers
// to save it to a file of the player's choice (saveAs); then leaves it.
void KeepAtClose(Game& game, const MainFormServices& services, const std::string& keptWhere,
                 const std::function<void()>& saveAs);
// The kept game to continue: the only one at once, or among more the one the
// player chooses (deleting any meanwhile, asked first); empty for none.
std::string ChooseGameToContinue(Game& game, const MainFormServices& services);
