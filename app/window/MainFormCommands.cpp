// The game's commands and what each leaves on the status line.
#include <wx/filename.h>

#include <algorithm>
#include <cerrno>
#include <ctime>

#include "app/dialogs/AboutForm.h"
#include "app/window/CommandIds.h"
#include "app/dialogs/FileChooser.h"
#include "app/settings/HelpFile.h"
#include "app/window/MainForm.h"
#include "app/dialogs/OptionsForm.h"
#include "app/toolkit/ProgramInfo.h"
#include "app/toolkit/Shell.h"
#include "puzzle/GameTrailer.h"
#include "files/SafeFile.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"

namespace {
const char* const kGameFilter = "Tessaro File|*.cube";
wxString Text(const char* utf8) { return wxString::FromUTF8(utf8); }
const char* const kReady = "Готово!";
}  // namespace

bool TMainForm::ConfirmAbandon() {
  const VEKBigCube& cube = *Renderer->Cube;
  if (!GameRunning() || (cube.MoveCount() == 0 && !cube.CanRedo())) return true;
  return services_.Ask(Text("Прервать текущую игру?"));
}

void TMainForm::N4Click() {
  if (!ConfirmAbandon()) return;
  VEKGL& gl = *Renderer;
  if (!gl.Cube->RotateAntiAlias) gl.Passes = 1;
  SetStatus(Text("Перемешиваю..."));
  DiscardResumeFile();
  // A new game is no opened file: Save asks for a name rather than write
  // this game over the one that was opened.
  GameFileName.clear();
  SaveNeedsName = false;
  ShowGameTitle();
  // No game runs until the scramble is done: a close during it keeps nothing.
  GameTimer.SetEnabled(false);
  ResetClock();
  gl.Cube->Build(CubeSize);
  FitViewToSize();
  SetScrambling(true);
  gl.Cube->Shuffle(gl.Cube->ShuffleRotateCount);
  SetScrambling(false);
  gl.Passes = gl.DrawQuality;
  if (CloseIfAsked()) return;
  const int after = afterScramble_;
  afterScramble_ = 0;
  if (IsExitCommand(after)) {
    Close();
    return;
  }
  if (IsStopCommand(after)) {
    N5Click();
    SetStatus(Text(kReady));
    return;
  }
  ScrambleTurns = static_cast<uint32_t>(std::max(0, gl.Cube->ShuffleRotateCount));
  stickyStatus_.clear();
  ShowMoves();
  UpdateUndoRedo();
  gameClock_.Start();
  // A fresh countdown, so that the ticks fall due just after the clock's
  // whole seconds.
  GameTimer.SetEnabled(true);
  TimerPanel->Show();
  SetStatus(Text(kReady));
}

void TMainForm::N5Click() {
  if (!ConfirmAbandon()) return;
  DiscardResumeFile();  // the game was given up: nothing to continue
  Renderer->Cube->Build(CubeSize);
  FitViewToSize();
  GameTimer.SetEnabled(false);
  ResetClock();
  TimerPanel->Hide();
  ScrambleTurns = 0;
  ShowMoves();
  UpdateUndoRedo();
  GameFileName.clear();
  SaveNeedsName = false;
  ShowGameTitle();
}

void TMainForm::N7Click() {
  SetStatus(Text("Загружаю..."));
  wxString chosen;
  if (!services_.Chooser->ChooseOpen(this, kGameFilter, chosen)) return;
  if (chosen.empty()) {
    SetStatus(Text("Ошибка: не указано имя файла!"));
    return;
  }
  GameFileName = chosen.ToStdString(wxConvUTF8);
  if (!LoadGameFile(GameFileName)) {
    // The game on screen stays as it was; Save must not overwrite the
    // rejected file with it.
    SaveNeedsName = true;
    return;
  }
  SaveNeedsName = false;
  ShowGameTitle();
}

void TMainForm::N8Click() {
  if (!SaveNeedsName && !GameFileName.empty() &&
      wxFileName::FileExists(wxString::FromUTF8(GameFileName))) {
    SaveGameTo(GameFileName, false);
    return;
  }
  N9Click();
}

void TMainForm::N9Click() {
  SetStatus(Text("Сохраняю..."));
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  wxString chosen;
  if (services_.Chooser->ChooseSave(this, kGameFilter, ProposedGameFileName(local), "cube", chosen) &&
      !chosen.empty()) {
    SaveGameTo(chosen.ToStdString(wxConvUTF8), true);
    return;
  }
  SetStatus(Text(kReady));
}

void TMainForm::SaveGameTo(const std::string& path, bool announceSuccess) {
  // A game in play keeps its clock and history after the points; any other
  // is written as before.
  const bool saved = GameRunning() ? SaveGameWithTrailer(*Renderer->Cube, path,
                                                         static_cast<uint32_t>(gameClock_.Seconds()), ScrambleTurns)
                                   : Renderer->Cube->SaveToFile(path);
  if (!saved) {
    // The file that was there, if any, is untouched; the game goes on.
    SetStatus(SaveFailedText(errno, path));
    return;
  }
  GameFileName = path;
  SaveNeedsName = false;
  ShowGameTitle();
  if (announceSuccess) SetStatus(Text(kReady));
}

wxString TMainForm::SaveFailedText(int error, const std::string& path) {
  return Text("Ошибка: не удалось сохранить файл (") + Text(safefile::FailureReason(error, path)) + Text(")!");
}

void TMainForm::N11Click() {
  SetStatus(Text("Настраиваю..."));
  if (OptionsForm) OptionsForm->ShowModal();
  SetStatus(Text(kReady));
}

void TMainForm::N13Click() { Close(); }

void TMainForm::N14Click() {
  N14->Check(!N14->IsChecked());
  ToolBarButton->Show(N14->IsChecked());
  SendSizeEvent();
}

void TMainForm::N15Click() {
  N15->Check(!N15->IsChecked());
  StatusBar->Show(N15->IsChecked());
  SendSizeEvent();
}

void TMainForm::N16Click() {
  // A game started from a desktop menu has the home folder as its working
  // directory: the page is also looked for beside the game and where it is installed.
  const std::string help = FindHelpFile(wxGetCwd().ToStdString(wxConvUTF8), services_.ExecutableFolder);
  if (!help.empty()) services_.Desktop->OpenDocument(help);
}

void TMainForm::N18Click() {
  if (AboutForm) AboutForm->ShowModal();
}

void TMainForm::SiteMenuItemClick() { services_.Desktop->OpenAddress(kWebPage); }

void TMainForm::URLClick() { services_.Desktop->OpenAddress(kSiblingPage); }
