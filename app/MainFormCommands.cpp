// The game's commands and what each leaves on the status line.
#include <wx/filename.h>

#include <ctime>

#include "app/AboutForm.h"
#include "app/FileChooser.h"
#include "app/HelpFile.h"
#include "app/MainForm.h"
#include "app/OptionsForm.h"
#include "app/ProgramInfo.h"
#include "app/Shell.h"
#include "puzzle/GameTrailer.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"

namespace {
const char* const kGameFilter = "Tessaro File|*.cube";
wxString Text(const char* utf8) { return wxString::FromUTF8(utf8); }
const char* const kReady = "Готово!";
}  // namespace

void TMainForm::N4Click() {
  VEKGL& gl = *Renderer;
  if (!gl.Cube->RotateAntiAlias) gl.Passes = 1;
  SetStatus(Text("Перемешиваю..."));
  DiscardResumeFile();
  // No game runs until the scramble is done: a close during it keeps nothing.
  GameTimer.SetEnabled(false);
  ResetClock();
  gl.Cube->Build(CubeSize);
  FitViewToSize();
  gl.Cube->Shuffle(gl.Cube->ShuffleRotateCount);
  if (CloseIfAsked()) return;
  // A practice game of a few scrambling turns sets no record.
  recordGame_ = gl.Cube->ShuffleRotateCount >= kRecordScrambleTurns;
  keepSolvedStatus_ = false;
  ShowMoves();
  UpdateUndoRedo();
  gameClock_.Start();
  // A fresh countdown, so that the ticks fall due just after the clock's
  // whole seconds.
  GameTimer.SetEnabled(true);
  TimerPanel->Show();
  gl.Passes = gl.DrawQuality;
  SetStatus(Text(kReady));
}

void TMainForm::N5Click() {
  Renderer->Cube->Build(CubeSize);
  FitViewToSize();
  GameTimer.SetEnabled(false);
  ResetClock();
  TimerPanel->Hide();
  recordGame_ = false;
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
  SetStatus(Text(kReady));
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
  const bool saved = GameTimer.Enabled()
                         ? SaveGameWithTrailer(*Renderer->Cube, path, static_cast<uint32_t>(gameClock_.Seconds()))
                         : Renderer->Cube->SaveToFile(path);
  if (!saved) {
    // The file that was there, if any, is untouched.
    SetStatus(Text("Ошибка: не удалось сохранить файл!"));
    return;
  }
  GameFileName = path;
  SaveNeedsName = false;
  ShowGameTitle();
  if (announceSuccess) SetStatus(Text(kReady));
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
