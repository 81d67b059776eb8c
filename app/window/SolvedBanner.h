// The solved moment, large over the middle of the picture: the time and the
// moves, a new record beneath them, and how to copy the game's moves. It
// stays until the player's next action.
#pragma once

#include <wx/panel.h>
#include <wx/stattext.h>

class Game;

class SolvedBanner : public wxPanel {
 public:
  explicit SolvedBanner(wxWindow* parent);

  // Shows the lines (the second may be empty) in the middle of a client area of that size.
  void ShowIn(const wxSize& client, const wxString& solved, const wxString& record,
              const wxString& hint);
  // The solved game's moment: its time and moves, or the computer's solve,
  // with the record it set or what help cost it.
  void ShowFor(const Game& game, const wxSize& client);
  // Keeps a shown banner in the middle after a resize.
  void PlaceIn(const wxSize& client);

 private:
  wxStaticText* solved_ = nullptr;
  wxStaticText* record_ = nullptr;
  wxStaticText* hint_ = nullptr;
};
