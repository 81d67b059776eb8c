// The game's commands: each asks the game or a dialog, and the game says
// what to show.
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/filefn.h>

#include <cerrno>
#include <string>
#include <utility>
#include <vector>

#include "app/dialogs/AboutForm.h"
#include "app/dialogs/FileChooser.h"
#include "app/dialogs/KeptGamesForm.h"
#include "app/dialogs/OptionsForm.h"
#include "app/dialogs/RecordsForm.h"
#include "app/settings/HelpFile.h"
#include "app/toolkit/ProgramInfo.h"
#include "app/toolkit/Shell.h"
#include "app/toolkit/Text.h"
#include "app/window/CommandIds.h"
#include "app/window/MainForm.h"
#include "texts/Texts.h"
#include "puzzle/VekCube.h"
#include "puzzle/ViewFaces.h"
#include "render/VekGL.h"

void TMainForm::BindCommands() {
  using Handler = void (TMainForm::*)();
  const std::pair<int, Handler> commands[] = {
      {kN4, &TMainForm::N4Click},   {kN5, &TMainForm::N5Click},   {kN7, &TMainForm::N7Click},
      {kN8, &TMainForm::N8Click},   {kN9, &TMainForm::N9Click},   {kN11, &TMainForm::N11Click},
      {kN13, &TMainForm::N13Click}, {kN16, &TMainForm::N16Click}, {kN18, &TMainForm::N18Click},
      {kSite, &TMainForm::SiteMenuItemClick}, {kURL, &TMainForm::URLClick},
      {kUndo, &TMainForm::UndoClick}, {kRedo, &TMainForm::RedoClick}, {kRecords, &TMainForm::RecordsClick},
      {kContinue, &TMainForm::ContinueClick}, {kHomeView, &TMainForm::HomeViewClick},
      {kTypeMoves, &TMainForm::TypeMovesClick}, {kTypedScramble, &TMainForm::TypedScrambleClick},
      {kGameMoves, &TMainForm::GameMovesClick}, {kPause, &TMainForm::PauseClick},
      {kHint, &TMainForm::HintClick}, {kSolve, &TMainForm::SolveClick},
  };
  for (const auto& [id, handler] : commands) {
    Bars->BindCommand(*this, id, [this, handler = handler] { (this->*handler)(); });
  }
  // The toolkit has already flipped the mark; the handlers flip it themselves.
  Bind(wxEVT_MENU, [this](wxCommandEvent& event) { Bars->N14->Check(!event.IsChecked()); N14Click(); }, kN14);
  Bind(wxEVT_MENU, [this](wxCommandEvent& event) { Bars->N15->Check(!event.IsChecked()); N15Click(); }, kN15);
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) {
    event.Enable(game_ && game_->Running() && !game_->Paused() && !Scrambling());
  }, kPause);
  // The mark shows the window's state, whoever changed it.
  const auto fullScreen = [this](wxCommandEvent&) { FullScreenClick(); };
  const auto fullScreenMark = [this](wxUpdateUIEvent& event) { event.Check(IsFullScreen()); };
  Bind(wxEVT_MENU, fullScreen, kFullScreen);
  Bind(wxEVT_UPDATE_UI, fullScreenMark, kFullScreen);
  // Another copy of the game may have kept or continued a game meanwhile.
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(game_ && game_->ResumeAvailable()); },
       kContinue);
}

bool TMainForm::ConfirmAbandon() {
  return !game_->HasPlayerMoves() || services_.Ask(Text(TextId::AbandonQuestion));
}

void TMainForm::N4Click() {
  if (ConfirmAbandon()) game_->NewGame(CubeSize);
}

std::optional<std::vector<notation::Move>> TMainForm::AskForMoves(const wxString& caption, int size) {
  wxString typed;
  TextSelection bad;
  while (services_.AskMoves(caption, typed, bad)) {
    const std::string utf8 = typed.ToStdString(wxConvUTF8);
    const notation::Parsed parsed = notation::Parse(utf8, size);
    if (parsed.Ok()) return parsed.Moves;
    services_.ShowError(Text(texts::BadMoves(parsed, size)));
    // The box comes back with what was typed, the bad move selected.
    bad.From = static_cast<long>(wxString::FromUTF8(utf8.data(), parsed.Offset).length());
    bad.To = bad.From + static_cast<long>(wxString::FromUTF8(utf8.data() + parsed.Offset, parsed.Length).length());
  }
  return std::nullopt;
}

void TMainForm::TypeMovesClick() {
  const auto moves = AskForMoves(Text(TextId::TypeMovesCaption), Renderer->Cube->Size);
  if (!moves) return;
  game_->SettleTurns();  // a sequence waits for no key's turn
  game_->PlayMoves(*moves, Renderer->Camera);
}

void TMainForm::TypedScrambleClick() {
  const auto moves = AskForMoves(Text(TextId::TypedScrambleCaption), CubeSize);
  if (moves && ConfirmAbandon()) game_->NewGameFrom(CubeSize, *moves, Renderer->Camera);
}

void TMainForm::HintClick() { game_->AskHelp(false, Renderer->Camera); }

void TMainForm::SolveClick() { game_->AskHelp(true, Renderer->Camera); }

void TMainForm::PauseClick() { game_->Pause(); }

// Named for the view on screen, so that moves typed since the view last
// turned read as they were typed.
wxString TMainForm::GameMovesText() const {
  const FaceFrame view = FacesSeenFrom(Renderer->Camera.Eye, Renderer->Camera.Up);
  return Text(texts::GameMoves(game_->ScrambleText(view), game_->MovesText(view), game_->SolutionText(view),
                                  game_->MovesAfterSolutionText(view)));
}

void TMainForm::GameMovesClick() {
  game_->SettleTurns();
  services_.ShowText(Text(TextId::GameMovesCaption), GameMovesText());
}

void TMainForm::CopyGameMoves() {
  game_->SettleTurns();
  if (!wxTheClipboard->Open()) return;
  wxTheClipboard->SetData(new wxTextDataObject(GameMovesText()));
  wxTheClipboard->Close();
}

void TMainForm::N5Click() {
  // A scramble ends after its turn in progress, and the cube goes home then;
  // a sequence stops before the question.
  if (game_->Scrambling()) {
    game_->Stop(CubeSize);
    return;
  }
  game_->StopScramble();
  if (ConfirmAbandon()) game_->Stop(CubeSize);
}

void TMainForm::N7Click() {
  // A file that opens takes the place of the game on screen.
  if (!ConfirmAbandon()) return;
  const wxString before = StatusText();
  SetStatus(Text(TextId::Loading));
  wxString chosen;
  if (!services_.Chooser->ChooseOpen(this, Text(TextId::GameFileFilter), chosen)) {
    SetStatus(before);  // nothing was loaded: the line says what it said
    return;
  }
  if (chosen.empty()) {
    SetStatus(Text(TextId::NoFileName));
    return;
  }
  if (game_->Open(chosen.ToStdString(wxConvUTF8))) CubeSize = Renderer->Cube->Size;
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
  const std::vector<KeptGame> waiting = game_->KeptGamesWaiting();
  // One kept game goes on at once; among more the player chooses.
  std::string chosen = waiting.size() == 1 ? waiting[0].Path : std::string();
  if (waiting.size() > 1) {
    KeptGamesChoice choice;
    choice.List = [this] { return game_->KeptGamesWaiting(); };
    choice.Delete = [this](const KeptGame& kept, GameStatus& why) {
      return services_.Ask(Text(texts::DeleteKeptQuestion(kept))) && game_->DeleteKept(kept.Path, why);
    };
    chosen = services_.ChooseKeptGame(choice);
  }
  if (!chosen.empty() && game_->Continue(chosen)) CubeSize = Renderer->Cube->Size;
}

void TMainForm::KeepGameAtClose() {
  if (!game_->Keep()) {
    const int error = errno;
    if (services_.Ask(Text(texts::KeepFailedAtCloseQuestion(error, KeptGames.Where())))) N9Click();
  }
  // Kept (or offered): nothing more to keep when the window goes.
  game_->Leave(false);
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

void TMainForm::N14Click() {
  Bars->N14->Check(!Bars->N14->IsChecked());
  Bars->ToolBarButton->Show(Bars->N14->IsChecked());
  SendSizeEvent();
}

void TMainForm::N15Click() {
  Bars->N15->Check(!Bars->N15->IsChecked());
  StatusBar->Show(Bars->N15->IsChecked());
  SendSizeEvent();
}

void TMainForm::FullScreenClick() { SetFullScreen(!IsFullScreen()); }

bool TMainForm::LeaveFullScreen() {
  if (!IsFullScreen()) return false;
  SetFullScreen(false);
  return true;
}

void TMainForm::SetFullScreen(bool on) {
  // The menu, button bar and status line go with the frame, and come back as they were.
  ShowFullScreen(on);
  Bars->FullScreenItem->Check(IsFullScreen());
}

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
