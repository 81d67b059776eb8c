#include "app/window/MainFormWiring.h"

#include <functional>
#include <utility>

#include "app/toolkit/Toolkit.h"
#include "app/window/CommandIds.h"
#include "app/window/HistoryOnScreen.h"
#include "app/window/InputKeys.h"
#include "app/window/MainForm.h"
#include "app/window/SolutionOnScreen.h"
#include "render/VekGL.h"

void BindCommandTable(TMainForm& form) {
  TMainForm* const f = &form;
  const std::pair<int, std::function<void()>> commands[] = {
      {kN4, [f] { f->N4Click(); }},   {kN5, [f] { f->N5Click(); }},   {kN7, [f] { f->N7Click(); }},
      {kN8, [f] { f->N8Click(); }},   {kN9, [f] { f->N9Click(); }},   {kN11, [f] { f->N11Click(); }},
      {kN13, [f] { f->N13Click(); }}, {kN16, [f] { f->N16Click(); }}, {kN18, [f] { f->N18Click(); }},
      {kSite, [f] { f->SiteMenuItemClick(); }}, {kURL, [f] { f->URLClick(); }},
      {kUndo, [f] { f->UndoClick(); }}, {kRedo, [f] { f->RedoClick(); }}, {kRecords, [f] { f->RecordsClick(); }},
      {kContinue, [f] { f->ContinueClick(); }}, {kHomeView, [f] { f->HomeViewClick(); }},
      {kTypeMoves, [f] { f->TypeMovesClick(); }}, {kTypedScramble, [f] { f->TypedScrambleClick(); }},
      {kGameMoves, [f] { f->GameMovesClick(); }}, {kPause, [f] { f->PauseClick(); }},
      {kHint, [f] { f->HintClick(); }}, {kSolve, [f] { f->SolveClick(); }},
      {kStatistics, [f] { ShowStatistics(*f); }}, {kExport, [f] { ExportHistory(*f); }},
  };
  // Any command ends a replay first: the game it set aside comes back.
  for (const auto& [id, handler] : commands) {
    form.Bars->BindCommand(form, id, [f, run = handler] {
      if (f->HasGame()) f->CurrentGame().EndReplay();
      run();
    });
  }
  // The toolkit has already flipped the mark; the handlers flip it themselves.
  form.Bind(wxEVT_MENU, [f](wxCommandEvent& event) { f->Bars->N14->Check(!event.IsChecked()); f->N14Click(); }, kN14);
  form.Bind(wxEVT_MENU, [f](wxCommandEvent& event) { f->Bars->N15->Check(!event.IsChecked()); f->N15Click(); }, kN15);
  form.Bind(wxEVT_UPDATE_UI, [f](wxUpdateUIEvent& event) {
    event.Enable(f->GameRunning() && !f->CurrentGame().Paused() && !f->Scrambling());
  }, kPause);
  // The mark shows the window's state, whoever changed it.
  form.Bind(wxEVT_MENU, [f](wxCommandEvent&) { f->Bars->ToggleFullScreen(*f); }, kFullScreen);
  form.Bind(wxEVT_UPDATE_UI, [f](wxUpdateUIEvent& event) { event.Check(f->IsFullScreen()); }, kFullScreen);
  // Another copy of the game may have kept or continued a game meanwhile.
  form.Bind(wxEVT_UPDATE_UI, [f](wxUpdateUIEvent& event) { event.Enable(f->CanContinue()); }, kContinue);
}

void BindWindowEvents(TMainForm& form) {
  TMainForm* const f = &form;
  BindFrameInput(
      form, {form.StatusBar, form.Bars->ToolBarButton},
      {[f](int key, uint8_t shift) { f->FormKeyDown(key, shift); }, [f] { f->HomeViewClick(); },
       [f] { return f->Bars->LeaveFullScreen(*f); },
       [f](int rotation, int delta, uint8_t shift) { f->FormMouseWheel(rotation, delta, shift); },
       [f](char key, bool shift) { f->TurnKeyPressed(key, shift); },
       [f] {
         if (f->DrawWindow->Canvas()->HasFocus()) f->CopyGameMoves();
       },
       [f] {
         f->DrawPanel->Banner->Hide();  // the player acts: the solved moment has been seen
         // Any key ends a pause, and does nothing else.
         if (!f->GameRunning() || !f->CurrentGame().Paused()) return false;
         f->CurrentGame().Resume();
         return true;
       },
       [f](int key) { return ReplayKey(*f, key) || SolutionKey(*f, key); }});
  form.Bind(wxEVT_ICONIZE, [f](wxIconizeEvent& event) {
    f->WakeFrameTimer();
    // A game left in the task bar waits with its clock stopped.
    if (event.IsIconized() && f->GameRunning() && !f->Scrambling()) f->CurrentGame().Pause();
    event.Skip();
  });
  form.DrawPanel->CoverClicked = [f] {
    if (f->GameRunning()) f->CurrentGame().Resume();
  };
  // A covered window's idle rotation waits too, and goes on when uncovered.
  WatchCovering(*form.DrawWindow->Canvas(), [f] { f->WakeFrameTimer(); });
  form.Bind(wxEVT_SHOW, [f](wxShowEvent& event) {
    f->WakeFrameTimer();
    event.Skip();
  });
  form.Bind(wxEVT_CLOSE_WINDOW, [f](wxCloseEvent&) { f->FormClose(); });
}

PicturePanel::Handlers PictureHandlers(TMainForm& form) {
  TMainForm* const f = &form;
  return {[f] { f->DrawPanelMouseDown(); },
          [f](uint8_t shift, int x, int y) { f->DrawPanelMouseMove(shift, x, y); },
          [f] { f->DrawPanelMouseUp(); },
          [f] {
            if (f->Renderer) f->Renderer->InvalidatePicture();
            f->WakeFrameTimer();
          },
          [f] { f->DrawPanelResize(); }};
}
