#include "app/window/ReplayBar.h"

#include <wx/sizer.h>

#include <string>

#include "app/toolkit/Text.h"

namespace {

TextId SpeedName(int speed) {
  switch (speed) {
    case 2: return TextId::ReplaySpeed2;
    case 4: return TextId::ReplaySpeed4;
    case 0: return TextId::ReplayTurnByTurn;
    default: return TextId::ReplaySpeed1;
  }
}

// Set only when changed: the bar is shown anew on every frame. True when it changed.
bool ChangeLabel(wxWindow* w, const wxString& label) {
  if (w->GetLabel() == label) return false;
  w->SetLabel(label);
  return true;
}

}  // namespace

ReplayBar::ReplayBar(wxWindow* parent, Handlers handlers) : ReplayBar(parent, std::move(handlers), Offer()) {}

ReplayBar::ReplayBar(wxWindow* parent, Handlers handlers, Offer offer)
    : wxPanel(parent, wxID_ANY), handlers_(std::move(handlers)), speeds_(std::move(offer.Speeds)) {
  auto* sizer = new wxBoxSizer(wxHORIZONTAL);
  // The buttons take no focus: the keys go on reaching the window.
  auto button = [&](const char* label, TextId tip, const std::function<void()>& run) -> wxButton* {
    if (!run) return nullptr;
    auto* b = new wxButton(this, wxID_ANY, Text(label), wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    b->SetToolTip(Text(tip));
    tips_.emplace_back(b, tip);
    b->SetCanFocus(false);
    b->Bind(wxEVT_BUTTON, [run](wxCommandEvent&) { run(); });
    sizer->Add(b, 0, wxALIGN_CENTER_VERTICAL | wxALL, 2);
    return b;
  };
  button("|◀◀", TextId::ReplayToStart, handlers_.ToStart);
  button("◀|", TextId::ReplayBack, handlers_.Back);
  PlayButton = button("▶", TextId::ReplayPlay, handlers_.PlayOrPause);
  button("|▶", TextId::ReplayForward, handlers_.Forward);
  button("▶▶|", TextId::ReplayToEnd, handlers_.ToEnd);
  SpeedChoice = new wxChoice(this, wxID_ANY);
  for (int speed : speeds_) SpeedChoice->Append(Text(SpeedName(speed)));
  SpeedChoice->SetSelection(0);
  SpeedChoice->SetCanFocus(false);
  SpeedChoice->Bind(wxEVT_CHOICE, [this](wxCommandEvent& event) {
    const int i = event.GetSelection();
    if (i >= 0 && i < static_cast<int>(speeds_.size()) && handlers_.Speed) handlers_.Speed(speeds_[i]);
  });
  sizer->Add(SpeedChoice, 0, wxALIGN_CENTER_VERTICAL | wxALL, 2);
  Stage = new wxStaticText(this, wxID_ANY, wxEmptyString);
  sizer->Add(Stage, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 8);
  Position = new wxStaticText(this, wxID_ANY, wxEmptyString);
  sizer->Add(Position, 1, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, 8);
  button("×", offer.CloseTip, handlers_.Close);
  SetSizer(sizer);
}

void ReplayBar::Relabel() {
  for (const auto& [b, tip] : tips_) b->SetToolTip(Text(tip));
  for (std::size_t i = 0; i < speeds_.size(); ++i) SpeedChoice->SetString(static_cast<unsigned>(i), Text(SpeedName(speeds_[i])));
}

void ReplayBar::ShowState(std::size_t at, std::size_t length, bool playing, int speed) {
  ShowState(wxString(), Text(texts::Fill(TextId::ReplayPositionPattern, {std::to_string(at), std::to_string(length)})),
            playing, speed);
}

void ReplayBar::ShowState(const wxString& stage, const wxString& position, bool playing, int speed) {
  // The stage's width moves the position: laid out anew.
  if (ChangeLabel(Stage, stage)) Layout();
  ChangeLabel(Position, position);
  if (PlayButton) ChangeLabel(PlayButton, playing ? Text("❚❚") : Text("▶"));
  for (std::size_t i = 0; i < speeds_.size(); ++i) {
    if (speeds_[i] == speed && SpeedChoice->GetSelection() != static_cast<int>(i)) SpeedChoice->SetSelection(static_cast<int>(i));
  }
}
