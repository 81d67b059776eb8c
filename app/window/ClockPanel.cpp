#include "app/window/ClockPanel.h"

#include <wx/sizer.h>

#include <algorithm>

#include "app/toolkit/Fonts.h"
#include "app/toolkit/Text.h"
#include "game/GameClock.h"
#include "puzzle/GameTrailer.h"

namespace {
// The extent in the window's font of the widest text of that shape: every
// digit in turn in each digit's place, as digits need not be equally wide.
wxSize WidestExtent(const wxWindow& window, const wxString& shape) {
  wxSize widest;
  for (char digit = '0'; digit <= '9'; ++digit) {
    wxString text = shape;
    for (wxString::iterator c = text.begin(); c != text.end(); ++c) {
      if (*c >= '0' && *c <= '9') *c = digit;
    }
    widest.IncTo(window.GetTextExtent(text));
  }
  return widest;
}
}  // namespace

ClockPanel::ClockPanel(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE) {
  SetBackgroundColour(*wxBLACK);
  const wxColour skyBlue(0xA6, 0xCA, 0xF0);
  auto caption = [&](const wxString& text, int pixels) {
    auto* label = new ClockCaption(this, text);
    label->SetFont(WindowFont(pixels));
    label->SetForegroundColour(skyBlue);
    label->SetBackgroundColour(*wxBLACK);
    return label;
  };
  // The counter left of the clock. Both are sized, in their fonts as the
  // desktop scales them, for the widest figures they show, so that the
  // panel never changes size during a game and nothing is ever cut off.
  MovesLabel = caption(wxEmptyString, 14);
  TimerLabel = caption("00:00:00", 19);
  const wxSize moves = WidestExtent(*MovesLabel, Text(texts::MovesCaption(kMaxGameMoves)));
  const wxSize clock = WidestExtent(*TimerLabel, FormatGameClock(kMaxGameSeconds));
  // Right-aligned, so that the usual short figures stand together at the
  // right as they would in fields of their own size.
  const int movesWidth = moves.x + TextPixels(10);
  const int clockWidth = clock.x + TextPixels(8);
  MovesLabel->AlignRight(TextPixels(5));
  TimerLabel->AlignRight(TextPixels(4));
  auto* sizer = new wxBoxSizer(wxHORIZONTAL);
  sizer->Add(MovesLabel, 0, wxEXPAND);
  sizer->Add(TimerLabel, 1, wxEXPAND);
  SetSizer(sizer);
  MovesLabel->SetMinSize(wxSize(movesWidth, -1));
  SetSize(wxSize(movesWidth + clockWidth, std::max(moves.y, clock.y) + TextPixels(6)));
  Layout();
  ShowFigures(0, 0);
  Hide();
}

void ClockPanel::ShowFigures(int32_t seconds, std::optional<uint32_t> moves) {
  // The captions repaint only when their text changes. Beyond the bounds a
  // saved game can hold, the figures stay at them.
  TimerLabel->SetLabel(FormatGameClock(std::min(seconds, static_cast<int32_t>(kMaxGameSeconds))));
  MovesLabel->SetLabel(moves ? Text(texts::MovesCaption(std::min(*moves, kMaxGameMoves)))
                             : wxString());
}

void ClockPanel::PlaceIn(const wxSize& client) {
  SetPosition(wxPoint(client.GetWidth() - GetSize().GetWidth() - 4, 6));
  Raise();
}
