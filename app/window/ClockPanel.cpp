#include "app/window/ClockPanel.h"

#include <wx/sizer.h>

#include "app/toolkit/Fonts.h"
#include "app/toolkit/Text.h"
#include "game/GameClock.h"
#include "game/GameTexts.h"

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
  // The counter left of the clock, wide enough for any count a game
  // reaches, so that the panel never changes size during a game.
  MovesLabel = caption(wxEmptyString, 14);
  const int movesWidth = MovesLabel->GetTextExtent(Text(gametext::MovesCaption(88888))).GetWidth() + 10;
  TimerLabel = caption("00:00:00", 19);
  auto* sizer = new wxBoxSizer(wxHORIZONTAL);
  sizer->Add(MovesLabel, 0, wxEXPAND);
  sizer->Add(TimerLabel, 1, wxEXPAND);
  SetSizer(sizer);
  MovesLabel->SetMinSize(wxSize(movesWidth, -1));
  SetSize(wxSize(movesWidth + 90, 29));
  Layout();
  ShowFigures(0, 0);
  Hide();
}

void ClockPanel::ShowFigures(int32_t seconds, std::optional<uint32_t> moves) {
  // The captions repaint only when their text changes.
  TimerLabel->SetLabel(FormatGameClock(seconds));
  MovesLabel->SetLabel(moves ? Text(gametext::MovesCaption(*moves)) : wxString());
}

void ClockPanel::PlaceIn(const wxSize& client) {
  SetPosition(wxPoint(client.GetWidth() - GetSize().GetWidth() - 4, 6));
  Raise();
}
