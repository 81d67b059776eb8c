#include "app/window/ReplayBar.h"

#include <wx/sizer.h>

#include <string>

#include "app/toolkit/Text.h"

namespace {

// The speeds in the order of the choice.
constexpr int kSpeeds[] = {1, 2, 4, 0};

}  // namespace

ReplayBar::ReplayBar(wxWindow* parent, Handlers handlers) : wxPanel(parent, wxID_ANY), handlers_(std::move(handlers)) {
  auto* sizer = new wxBoxSizer(wxHORIZONTAL);
  // The buttons take no focus: the keys go on reaching the window.
  auto button = [&](const char* label, TextId tip, const std::function<void()>& run) {
    auto* b = new wxButton(this, wxID_ANY, Text(label), wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    b->SetToolTip(Text(tip));
    b->SetCanFocus(false);
    b->Bind(wxEVT_BUTTON, [run](wxCommandEvent&) { run(); });
    sizer->Add(b, 0, wxALIGN_CENTER_VERTICAL | wxALL, 2);
    return b;
  };
  button("|◀◀", TextId::ReplayToStart, [this] { handlers_.ToStart(); });
  button("◀|", TextId::ReplayBack, [this] { handlers_.Back(); });
  PlayButton = button("▶", TextId::ReplayPlay, [this] { handlers_.PlayOrPause(); });
  button("|▶", TextId::ReplayForward, [this] { handlers_.Forward(); });
  button("▶▶|", TextId::ReplayToEnd, [this] { handlers_.ToEnd(); });
  SpeedChoice = new wxChoice(this, wxID_ANY);
  for (TextId speed : {TextId::ReplaySpeed1, TextId::ReplaySpeed2, TextId::ReplaySpeed4, TextId::ReplayTurnByTurn}) {
    SpeedChoice->Append(Text(speed));
  }
  SpeedChoice->SetSelection(0);
  SpeedChoice->SetCanFocus(false);
  SpeedChoice->Bind(wxEVT_CHOICE, [this](wxCommandEvent& event) {
    const int i = event.GetSelection();
    if (i >= 0 && i < 4) handlers_.Speed(kSpeeds[i]);
  });
  sizer->Add(SpeedChoice, 0, wxALIGN_CENTER_VERTICAL | wxALL, 2);
  Position = new wxStaticText(this, wxID_ANY, wxEmptyString);
  sizer->Add(Position, 1, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, 8);
  button("×", TextId::ReplayClose, [this] { handlers_.Close(); });
  SetSizer(sizer);
}

void ReplayBar::ShowState(std::size_t at, std::size_t length, bool playing, int speed) {
  const wxString position = Text(texts::Fill(TextId::ReplayPositionPattern, {std::to_string(at), std::to_string(length)}));
  if (Position->GetLabel() != position) Position->SetLabel(position);
  const wxString play = playing ? Text("❚❚") : Text("▶");
  if (PlayButton->GetLabel() != play) PlayButton->SetLabel(play);
  for (int i = 0; i < 4; ++i) {
    if (kSpeeds[i] == speed && SpeedChoice->GetSelection() != i) SpeedChoice->SetSelection(i);
  }
}
