// The list of kept games waiting to be continued: when each was kept, its
// cube, moves and clock; the player continues one or deletes any.
#pragma once

#include <wx/dialog.h>

#include <functional>
#include <string>
#include <vector>

#include "game/GameStatus.h"
#include "game/ResumeStore.h"

class wxButton;
class wxListCtrl;
class wxStaticText;

// What the list works on.
struct KeptGamesChoice {
  // The kept games waiting now, newest first.
  std::function<std::vector<KeptGame>()> List;
  // Deletes one once the player agreed to it. False when it stays: not
  // agreed (why empty), or it could not be deleted (why says what failed).
  std::function<bool(const KeptGame& game, GameStatus& why)> Delete;
};

class TKeptGamesForm : public wxDialog {
 public:
  TKeptGamesForm(wxWindow* parent, KeptGamesChoice choice);

  // The game to continue once the box ended with "Продолжить"; else empty.
  const std::string& Chosen() const { return chosen_; }
  // What the buttons do, on the selected row.
  void ContinueSelected();
  void DeleteSelected();

  wxListCtrl* Rows = nullptr;
  wxButton* ContinueButton = nullptr;
  wxButton* DeleteButton = nullptr;
  wxStaticText* Note = nullptr;  // why a game was not deleted; none left

 private:
  void Refill();
  void UpdateButtons();
  int Selected() const;

  KeptGamesChoice choice_;
  std::vector<KeptGame> games_;
  std::string chosen_;
};

// Shows the list modally over parent: the path of the game to continue, or
// empty when the player closed it.
std::string ChooseKeptGame(wxWindow* parent, const KeptGamesChoice& choice);
