// The game's commands: each asks the game or a dialog, and the game says
// what to show.
#include <wx/filefn.h>

#include <string>

#include "app/dialogs/AboutForm.h"
#include "app/dialogs/FileChooser.h"
#include "app/dialogs/OptionsForm.h"
#include "app/dialogs/RecordsForm.h"
#include "app/settings/HelpFile.h"
#include "app/toolkit/ProgramInfo.h"
#include "app/toolkit/Shell.h"
#include "app/toolkit/Text.h"
#include "app/window/HistoryOnScreen.h"
#include "app/window/MainForm.h"
#include "app/window/OpenGameFile.h"
#include "app/window/PlayerChoices.h"
#include "interaction/Orbit.h"
#include "texts/Texts.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"

void TMainForm::N4Click() {
  if (ConfirmAbandon(*game_, services_)) game_->NewGame(CubeSize);
}

void TMainForm::TypeMovesClick() {
  const auto moves = AskForMoves(services_, Text(TextId::TypeMovesCaption), Renderer->Cube->Size);
  if (!moves) return;
  game_->SettleTurns();  // a sequence waits for no key's turn
  game_->PlayMoves(*moves, Renderer->Camera);
}

void TMainForm::TypedScrambleClick() {
  const auto moves = AskForMoves(services_, Text(TextId::TypedScrambleCaption), CubeSize);
  if (moves && ConfirmAbandon(*game_, services_)) game_->NewGameFrom(CubeSize, *moves, Renderer->Camera);
}

void TMainForm::HintClick() { game_->AskHelp(false, Renderer->Camera); }

void TMainForm::SolveClick() { game_->AskHelp(true, Renderer->Camera); }

void TMainForm::PauseClick() { game_->Pause(); }

void TMainForm::GameMovesClick() { ShowGameMoves(*this); }

void TMainForm::CopyGameMoves() {
  game_->SettleTurns();
  CopyGameMovesText(*game_, Renderer->Camera);
}

void TMainForm::N5Click() {
  // A scramble ends after its turn in progress, and the cube goes home then;
  // a sequence stops before the question.
  if (game_->Scrambling()) {
    game_->Stop(CubeSize);
    return;
  }
  game_->StopScramble();
  if (ConfirmAbandon(*game_, services_)) game_->Stop(CubeSize);
}

void TMainForm::N7Click() {
  // A file that opens takes the place of the game on screen.
  if (!ConfirmAbandon(*game_, services_)) return;
  const wxString before = StatusText();
  SetStatus(Text(TextId::Loading));
  wxString chosen;
  if (services_.Chooser->ChooseOpen(this, Text(TextId::GameFileFilter), chosen)) {
    OpenGameFile(*this, chosen.ToStdString(wxConvUTF8));
  } else {
    SetStatus(before);  // nothing was loaded: the line says what it said
  }
}

void TMainForm::N8Click() {
  if (game_->CanSaveInPlace()) {
    game_->SaveTo(game_->FileName(), false);
  } else {
    N9Click();
  }
}

void TMainForm::N9Click() {
  SetStatus(Text(TextId::Saving));
  wxString chosen;
  if (services_.Chooser->ChooseSave(this, Text(TextId::GameFileFilter), ProposedGameFileName(), "cube", chosen) &&
      !chosen.empty()) {
    game_->SaveTo(chosen.ToStdString(wxConvUTF8), true);
    return;
  }
  SetStatus(Text(TextId::Ready));
}

void TMainForm::ContinueClick() {
  const std::string chosen = ChooseGameToContinue(*game_, services_);
  if (!chosen.empty() && game_->Continue(chosen)) CubeSize = Renderer->Cube->Size;
}

void TMainForm::UndoClick() { game_->Step(true); }

void TMainForm::RedoClick() { game_->Step(false); }

void TMainForm::RecordsClick() {
  TRecordsForm form(this, Records);
  form.ShowModal();
}

void TMainForm::N11Click() {
  SetStatus(Text(TextId::Configuring));
  CreateDialogs();
  // Its changes show live: the frame loop looks for them while it is open.
  watchingDialog_ = true;
  WakeFrameTimer();
  OptionsForm->ShowModal();
  watchingDialog_ = false;
  SetStatus(Text(TextId::Ready));
}

void TMainForm::N13Click() { Close(); }

void TMainForm::N14Click() { Bars->ToggleShown(*Bars->N14, *Bars->ToolBarButton, *this); }

void TMainForm::N15Click() { Bars->ToggleShown(*Bars->N15, *StatusBar, *this); }

void TMainForm::N16Click() {
  // A game started from a desktop menu has the home folder as its working
  // directory: the page is also looked for beside the game and where it is installed.
  const std::string help = FindHelpFile(wxGetCwd().ToStdString(wxConvUTF8), services_.ExecutableFolder);
  if (!help.empty() && !services_.Desktop->OpenDocument(help)) SetStatus(Text(TextId::HelpNotOpened));
}

void TMainForm::N18Click() {
  CreateDialogs();
  AboutForm->ShowModal();
}

void TMainForm::SiteMenuItemClick() { services_.Desktop->OpenAddress(kWebPage); }

void TMainForm::URLClick() { services_.Desktop->OpenAddress(kSiblingPage); }

void TMainForm::HomeViewClick() {
  if (Animating()) return;
  WakeFrameTimer();
  Renderer->Camera.ResetView(FittedEyeDistance(Renderer->Cube->Size));
}
