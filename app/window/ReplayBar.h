// The bar under the picture while a finished game is replayed: to its
// start, a turn back, play or pause, a turn on, to its end, the speed, where
// the replay stands, and a button that ends it.
#pragma once

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/panel.h>
#include <wx/stattext.h>

#include <cstddef>
#include <functional>

class ReplayBar : public wxPanel {
 public:
  struct Handlers {
    std::function<void()> ToStart, Back, PlayOrPause, Forward, ToEnd, Close;
    std::function<void(int speed)> Speed;  // 1, 2, 4, or 0 for turn by turn
  };
  ReplayBar(wxWindow* parent, Handlers handlers);

  // Where the replay stands: turn At of Length, playing or not, at speed.
  void ShowState(std::size_t at, std::size_t length, bool playing, int speed);

  wxButton* PlayButton = nullptr;
  wxChoice* SpeedChoice = nullptr;
  wxStaticText* Position = nullptr;

 private:
  Handlers handlers_;
};
