// The game's figures over the picture: the move counter and the clock, sky
// blue on black, in the picture's top right corner.
#pragma once

#include <wx/panel.h>

#include <cstdint>
#include <optional>

#include "app/window/ClockCaption.h"

class ClockPanel : public wxPanel {
 public:
  explicit ClockPanel(wxWindow* parent);

  // "Ходов: N" (nothing while a scramble is shown) and the clock's seconds,
  // each at most the bound a saved game holds ("Ходов: 9999999", "2400:00:00").
  void ShowFigures(int32_t seconds, std::optional<uint32_t> moves);
  // Keeps the panel in the top right corner of a client area of that size.
  void PlaceIn(const wxSize& client);

  ClockCaption* MovesLabel = nullptr;
  ClockCaption* TimerLabel = nullptr;
};
