#include "app/window/SolutionOnScreen.h"

#include <wx/sizer.h>

#include <string>

#include "app/toolkit/Text.h"
#include "app/window/ReplayBar.h"
#include "game/SolutionPlay.h"

namespace {

SolutionPlay* Playing(TMainForm& form) { return form.HasGame() ? form.CurrentGame().SolutionInPlay() : nullptr; }

// Runs a control of the solution playing, then shows where it stands.
void Control(TMainForm& form, void (SolutionPlay::*control)()) {
  if (SolutionPlay* play = Playing(form)) {
    (play->*control)();
    form.WakeFrameTimer();
    ShowSolution(form);
  }
}

}  // namespace

void PlaceSolutionBar(TMainForm& form) {
  TMainForm* const f = &form;
  ReplayBar::Handlers handlers;
  handlers.Back = [f] { Control(*f, &SolutionPlay::Back); };
  handlers.PlayOrPause = [f] { Control(*f, &SolutionPlay::PlayOrPause); };
  handlers.Forward = [f] { Control(*f, &SolutionPlay::Forward); };
  // As Stop does: the turn under way ends, and the game stays given up.
  handlers.Close = [f] { f->CurrentGame().StopScramble(); };
  handlers.Speed = [f](int speed) {
    if (SolutionPlay* play = Playing(*f)) play->SetSpeed(speed);
    ShowSolution(*f);
  };
  ReplayBar::Offer offer;
  offer.Speeds.assign(std::begin(SolutionPlay::kSpeeds), std::end(SolutionPlay::kSpeeds));
  offer.CloseTip = TextId::SolutionStop;
  form.SolutionControls = new ReplayBar(&form, std::move(handlers), std::move(offer));
  form.SolutionControls->Hide();
  form.GetSizer()->Add(form.SolutionControls, 0, wxEXPAND);
}

void ShowSolution(TMainForm& form) {
  const SolutionPlay* play = Playing(form);
  ReplayBar& bar = *form.SolutionControls;
  if (bar.IsShown() != (play != nullptr)) {
    bar.Show(play != nullptr);
    form.Layout();
  }
  if (!play) return;
  const wxString stage = play->InStages() ? Text(texts::StageName(play->StageNow())) : wxString();
  const std::string position =
      texts::Fill(TextId::SolutionPositionPattern, {std::to_string(play->At()), std::to_string(play->Length())});
  bar.ShowState(stage, Text(position), play->Playing(), play->Speed());
}

bool SolutionKey(TMainForm& form, int key) {
  if (!Playing(form)) return false;
  switch (key) {
    case WXK_SPACE: Control(form, &SolutionPlay::PlayOrPause); return true;
    case WXK_LEFT: case WXK_NUMPAD_LEFT: Control(form, &SolutionPlay::Back); return true;
    case WXK_RIGHT: case WXK_NUMPAD_RIGHT: Control(form, &SolutionPlay::Forward); return true;
    default: return false;
  }
}
