#include "app/window/HistoryOnScreen.h"

#include <wx/sizer.h>

#include <cerrno>
#include <memory>

#include "app/dialogs/FileChooser.h"
#include "app/toolkit/Text.h"
#include "app/window/MainForm.h"
#include "app/window/PlayerChoices.h"
#include "app/window/ReplayBar.h"
#include "files/SafeFile.h"
#include "game/Replay.h"
#include "game/SolveHistory.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"

void OpenHistory(TMainForm& form) {
  if (!form.HasGame()) return;  // the window went before it was idle
  const std::string folder = form.KeptGames.Folder();
  form.History = std::make_unique<SolveHistory>(folder.empty() ? std::string() : folder + "/history.sqlite");
  form.CurrentGame().KeepHistoryIn(form.History.get());
  // No data folder at all is said when a game would be written.
  const HistoryProblem& problem = form.History->OpenProblem();
  if (problem.What == HistoryProblem::Kind::SetAside || problem.What == HistoryProblem::Kind::Newer) {
    form.SetStatus(Text(texts::HistoryProblemText(problem)));
  }
}

namespace {

Replay* Shown(TMainForm& form) { return form.HasGame() ? form.CurrentGame().Replaying() : nullptr; }

// Runs a control of the replay shown, then shows where it stands.
void Control(TMainForm& form, void (Replay::*control)()) {
  if (Replay* replay = Shown(form)) {
    (replay->*control)();
    form.WakeFrameTimer();
    ShowReplayState(form);
  }
}

}  // namespace

void PlaceReplayBar(TMainForm& form) {
  TMainForm* const f = &form;
  form.ReplayControls = new ReplayBar(
      &form, {[f] { Control(*f, &Replay::ToStart); }, [f] { Control(*f, &Replay::Back); },
              [f] { Control(*f, &Replay::PlayOrPause); }, [f] { Control(*f, &Replay::Forward); },
              [f] { Control(*f, &Replay::ToEnd); }, [f] { f->CurrentGame().EndReplay(); },
              [f](int speed) {
                if (Replay* replay = Shown(*f)) replay->SetSpeed(speed);
                ShowReplayState(*f);
              }});
  form.ReplayControls->Hide();
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(form.DrawPanel, 1, wxEXPAND);
  sizer->Add(form.ReplayControls, 0, wxEXPAND);
  form.SetSizer(sizer);
}

void ShowReplay(TMainForm& form, bool shown) {
  if (form.ReplayControls->IsShown() != shown) {
    form.ReplayControls->Show(shown);
    form.Layout();
  }
  form.SetStatus(Text(shown ? TextId::ReplayShown : TextId::Ready));
  ShowReplayState(form);
}

void ShowReplayState(TMainForm& form) {
  const Game& game = form.CurrentGame();
  form.TimerPanel->ShowFigures(game.Seconds(), game.MovesShown());
  if (const Replay* replay = game.Replaying()) {
    form.ReplayControls->ShowState(replay->At(), replay->Length(), replay->Playing(), replay->Speed());
  }
}

bool ReplayKey(TMainForm& form, int key) {
  if (!Shown(form)) return false;
  switch (key) {
    case WXK_SPACE: Control(form, &Replay::PlayOrPause); return true;
    case WXK_LEFT: case WXK_NUMPAD_LEFT: Control(form, &Replay::Back); return true;
    case WXK_RIGHT: case WXK_NUMPAD_RIGHT: Control(form, &Replay::Forward); return true;
    case WXK_HOME: case WXK_NUMPAD_HOME: Control(form, &Replay::ToStart); return true;
    case WXK_END: case WXK_NUMPAD_END: Control(form, &Replay::ToEnd); return true;
    case WXK_ESCAPE: form.CurrentGame().EndReplay(); return true;
    default: return false;
  }
}

void ShowStatistics(TMainForm& form) {
  if (!form.History) return;
  const std::optional<SolveEntry> chosen = form.Services().ShowStatistics(*form.History, form.Renderer->Cube->Size);
  if (chosen) {
    if (form.CurrentGame().StartReplay(*chosen)) {
      // The replay starts playing at once: it was asked for to be watched.
      Control(form, &Replay::Play);
    } else {
      form.SetStatus(Text(TextId::ReplayNotPossible));
    }
  }
}

void ShowGameMoves(TMainForm& form) {
  Game& game = form.CurrentGame();
  game.SettleTurns();
  const std::optional<SolveEntry> entry = game.Entry();
  if (!form.Services().ShowText(Text(TextId::GameMovesCaption), GameMovesText(game, form.Renderer->Camera), entry.has_value()))
    return;
  if (!game.StartReplay(*entry)) {
    form.SetStatus(Text(TextId::ReplayNotPossible));
    return;
  }
  // Where the game stands, to be stepped back through.
  Control(form, &Replay::ToEnd);
}

void ExportHistory(TMainForm& form) {
  if (!form.History) return;
  wxString chosen;
  if (!form.Services().Chooser->ChooseSave(&form, Text(TextId::CsvFileFilter), "tessaro3d-history.csv", "csv", chosen) ||
      chosen.empty()) {
    return;
  }
  const std::string path = chosen.ToStdString(wxConvUTF8);
  // Written whole beside the file and renamed over it, or the old bytes stay.
  if (safefile::Replace(path, HistoryCsv(form.History->Solves()))) {
    form.SetStatus(Text(texts::Fill(TextId::ExportedPattern, {path})));
  } else {
    form.SetStatus(Text(texts::SaveFailed(errno, path)));
  }
}
