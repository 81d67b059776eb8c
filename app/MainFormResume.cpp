// Games that go on: a saved game's clock and history, the game kept when the
// window closes during play, and the view fitted to the cube's size.
#include <filesystem>
#include <system_error>

#include "app/MainForm.h"
#include "app/SettingsPath.h"
#include "puzzle/GameTrailer.h"
#include "puzzle/VekCube.h"
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
  std::optional<GameTrailer> trailer;
  const int size = LoadGameWithTrailer(*Renderer->Cube, path, trailer, &error);
  if (size <= 0) {
    SetStatus(Text(error == GameFileError::CannotOpen ? "Ошибка: не удалось открыть файл!"
                                                      : "Ошибка: неизвестный формат файла!"));
    return false;
  }
  CubeSize = size;
  ResumeLoadedGame(trailer);
  return true;
}

void TMainForm::ResumeLoadedGame(const std::optional<GameTrailer>& trailer) {
  FitViewToSize();
  // How the game was scrambled is not kept: a game from a file sets no record.
  recordGame_ = false;
  GameTimer.SetEnabled(false);
  if (trailer) {
    GameSeconds = static_cast<int32_t>(trailer->Seconds);
    gameClock_.Start(GameSeconds);
    GameTimer.SetEnabled(true);
    TimerPanel->Show();
  } else {
    GameSeconds = 0;
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

bool TMainForm::ResumeAvailable() const {
  std::error_code ec;
  return !ResumePath.empty() && std::filesystem::is_regular_file(ResumePath, ec);
}

void TMainForm::UpdateContinueItem() {
  if (ContinueItem) ContinueItem->Enable(ResumeAvailable());
}

void TMainForm::DiscardResumeFile() {
  std::error_code ec;
  if (!ResumePath.empty()) std::filesystem::remove(ResumePath, ec);
  UpdateContinueItem();
}

void TMainForm::SaveResumeFile() {
  // Only a game in play: no clock running means no game, or a finished one.
  if (!GameTimer.Enabled() || ResumePath.empty()) return;
  CreateFolderOf(ResumePath);
  if (!SaveGameWithTrailer(*Renderer->Cube, ResumePath, static_cast<uint32_t>(gameClock_.Seconds()))) {
    services_.ShowError(wxString::Format("Unable to write to %s", wxString::FromUTF8(ResumePath)));
  }
}

void TMainForm::ContinueClick() {
  if (Animating() || !ResumeAvailable()) {
    UpdateContinueItem();
    return;
  }
  SetStatus(Text("Загружаю..."));
  if (!LoadGameFile(ResumePath)) return;
  // The kept game is not the player's file: Save asks for a name.
  GameFileName.clear();
  SaveNeedsName = false;
  ShowGameTitle();
  DiscardResumeFile();
  SetStatus(Text("Готово!"));
}
