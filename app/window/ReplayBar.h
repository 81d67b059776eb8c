// A bar under the picture that plays turns back: a finished game's replay
// (to its start, a turn back, play or pause, a turn on, to its end, the
// speed, where it stands, and a button that ends it), or the computer's
// solution with the controls it offers and the stage it has come to.
#pragma once

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/panel.h>
#include <wx/stattext.h>

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

#include "texts/TextId.h"

class ReplayBar : public wxPanel {
 public:
  // A control without its handler has no button.
  struct Handlers {
    std::function<void()> ToStart, Back, PlayOrPause, Forward, ToEnd, Close;
    std::function<void(int speed)> Speed;  // 1, 2, 4, or 0 for turn by turn
  };
  // The speeds the bar offers, in order, and what its close button does.
  struct Offer {
    std::vector<int> Speeds{1, 2, 4, 0};
    TextId CloseTip = TextId::ReplayClose;
  };
  ReplayBar(wxWindow* parent, Handlers handlers);  // a replay's
  ReplayBar(wxWindow* parent, Handlers handlers, Offer offer);

  // Where a replay stands: turn At of Length, playing or not, at speed.
  void ShowState(std::size_t at, std::size_t length, bool playing, int speed);
  // The same in words of the caller's: the stage (none: empty) and the position.
  void ShowState(const wxString& stage, const wxString& position, bool playing, int speed);

  // The tips and the speeds again, in the language the game speaks now;
  // the texts of the state follow with the next ShowState.
  void Relabel();

  wxButton* PlayButton = nullptr;
  wxChoice* SpeedChoice = nullptr;
  wxStaticText* Stage = nullptr;
  wxStaticText* Position = nullptr;

 private:
  Handlers handlers_;
  std::vector<int> speeds_;
  std::vector<std::pair<wxButton*, TextId>> tips_;
};
