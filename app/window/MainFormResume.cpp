// Games that go on: a saved game's clock and history, the game kept while it
// is played, and the view fitted to the cube's size.
#include <cerrno>

#include "app/window/MainForm.h"
#include "puzzle/GameTrailer.h"
#include "files/SafeFile.h"
#include "puzzle/VekCube.h"
#include "interaction/Orbit.h"
#include "render/VekGL.h"

namespace {
wxString Text(const char* utf8) { return wxString::FromUTF8(utf8); }
}  // namespace

void TMainForm::RefreshGameInfo() {
  TimerLabel->SetLabel(FormatGameClock(GameSeconds));
  ShowMoves();
  UpdateUndoRedo();
}

bool TMainForm::LoadGameFile(const std::string& path) {
  GameFileError error = GameFileError::None;
  TrailerStatus status = TrailerStatus::Absent;
  std::optional<GameTrailer> trailer;
  const int size = LoadGameWithTrailer(*Renderer->Cube, path, trailer, &error, &status);
  if (size <= 0) {
    SetStatus(Text(error == GameFileError::CannotOpen ? "Ошибка: не удалось открыть файл!"
                                                      : "Ошибка: неизвестный формат файла!"));
    return false;
  }
  CubeSize = size;
  ResumeLoadedGame(trailer);
  // The cube loads; what the file said of its clock and moves is not believed.
  SetStatus(Text(status == TrailerStatus::Rejected ? "Готово! Файл без времени и истории ходов" : "Готово!"));
  return true;
}

void TMainForm::ResumeLoadedGame(const std::optional<GameTrailer>& trailer) {
  FitViewToSize();
  stickyStatus_.clear();
  GameTimer.SetEnabled(false);
  if (trailer) {
    GameSeconds = static_cast<int32_t>(trailer->Seconds);
    // A file that says how its game began can set a record.
    ScrambleTurns = trailer->ScrambleTurns;
    gameClock_.Start(GameSeconds);
    GameTimer.SetEnabled(true);
    TimerPanel->Show();
  } else {
    GameSeconds = 0;
    ScrambleTurns = 0;
    TimerPanel->Hide();
  }
  RefreshGameInfo();
}

void TMainForm::FitViewToSize() {
  const int size = Renderer->Cube->Size;
  if (size == fittedSize_) return;
  fittedSize_ = size;
  Renderer->Camera.SetDistance(FittedEyeDistance(size));
}

void TMainForm::HomeViewClick() {
  if (Animating()) return;
  Renderer->Camera.ResetView(FittedEyeDistance(Renderer->Cube->Size));
}

bool TMainForm::ResumeAvailable() const { return !KeptGames.Latest().empty(); }

void TMainForm::UpdateContinueItem() {
  if (ContinueItem) ContinueItem->Enable(!scrambling_ && ResumeAvailable());
}

void TMainForm::DiscardResumeFile() {
  KeptGames.Discard();
  UpdateContinueItem();
}

bool TMainForm::SaveResumeFile() {
  // Only a game in play: no clock running means no game, or a finished one.
  if (!GameRunning()) return true;
  const uint32_t seconds = static_cast<uint32_t>(gameClock_.Seconds());
  return KeptGames.Keep([&](const std::string& path) {
    return SaveGameWithTrailer(*Renderer->Cube, path, seconds, ScrambleTurns);
  });
}

void TMainForm::KeepGameAtClose() {
  if (!GameRunning() || KeptGames.Folder().empty()) return;
  if (!SaveResumeFile()) {
    const int error = errno;
    const wxString question = Text("Не удалось сохранить текущую игру для продолжения (") +
                              Text(safefile::FailureReason(error, KeptGames.Own())) +
                              Text(").\nСохранить её в файл?");
    if (services_.Ask(question)) N9Click();
  }
  // Kept (or offered): nothing more to keep when the window goes.
  GameTimer.SetEnabled(false);
}

void TMainForm::ContinueClick() {
  const std::string kept = KeptGames.Latest();
  if (Animating() || kept.empty()) {
    UpdateContinueItem();
    return;
  }
  SetStatus(Text("Загружаю..."));
  // The game on screen stays kept, with its clock as it is now, for a later Continue.
  SaveResumeFile();
  if (!LoadGameFile(kept)) {
    // Offered once: a kept game that cannot be loaded is moved aside, not deleted.
    KeptGames.SetAside(kept);
    SetStatus(Text("Ошибка: сохранённую игру не удалось загрузить, она отложена"));
    UpdateContinueItem();
    return;
  }
  // This window goes on with the kept game and keeps it from now on; the
  // file stays until a newer turn replaces it, a solve or a new game.
  KeptGames.Adopt(kept);
  // The kept game is not the player's file: Save asks for a name.
  GameFileName.clear();
  SaveNeedsName = false;
  ShowGameTitle();
  UpdateContinueItem();
}
