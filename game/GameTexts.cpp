#include "game/GameTexts.h"

#include <cerrno>
#include <ctime>

#include "files/SafeFile.h"
#include "game/GameClock.h"
#include "game/ResumeStore.h"

namespace gametext {

std::string MovesCaption(uint32_t moves) { return "Ходов: " + std::to_string(moves); }

std::string BadMoves(const notation::Parsed& parsed, int size) {
  const std::string move =
      "Ход " + std::to_string(parsed.MoveNumber) + " «" + parsed.Text + "»";
  switch (parsed.Error) {
    case notation::Fault::None: return {};
    case notation::Fault::Empty: return "Ходы не введены.";
    case notation::Fault::NoSuchLayer: {
      const std::string n = std::to_string(size);
      return move + ": у куба " + n + "×" + n + "×" + n + " нет такого слоя. Ничего не повёрнуто.";
    }
    case notation::Fault::Unreadable: break;
  }
  return move + " не записан в обозначениях куба. Ничего не повёрнуто.";
}

std::string GameMoves(const std::string& scramble, const std::string& moves, const std::string& solution,
                      const std::string& after) {
  // In the order they were made: the player's, the computer's, then any
  // the player made after them.
  return "Перемешивание: " + (scramble.empty() ? std::string("неизвестно") : scramble) +
         "\nХоды: " + (moves.empty() ? std::string("нет") : moves) +
         (solution.empty() ? std::string() : "\nРешение компьютера: " + solution) +
         (after.empty() ? std::string() : "\nХоды после решения: " + after);
}

std::string Solved(int32_t seconds, uint32_t moves, bool record, bool helpUsed) {
  std::string text = "Собрано! " + FormatGameClock(seconds) + ", ходов: " + std::to_string(moves);
  if (record) text += ". Новый рекорд!";
  if (helpUsed) text += std::string(". ") + kNoRecordWithHelp;
  return text;
}

std::string Hint(const std::string& move) { return "Подсказка: " + move; }

std::string SolvedBanner(int32_t seconds, uint32_t moves) {
  const uint32_t tens = moves % 100, ones = moves % 10;
  const char* word = (tens >= 11 && tens <= 14) ? "ходов"
                     : ones == 1                ? "ход"
                     : (ones >= 2 && ones <= 4) ? "хода"
                                                : "ходов";
  return "Собрано за " + FormatGameClock(seconds) + ", " + std::to_string(moves) + " " + word;
}

std::string SaveFailed(int error, const std::string& path) {
  return std::string("Ошибка: не удалось сохранить файл (") + safefile::FailureReason(error, path) + ")!";
}

std::string KeepReason(int error, const std::string& path) {
  if (path.empty()) return "не задана папка данных: нет HOME и XDG_DATA_HOME";
  return safefile::FailureReason(error, path);
}

std::string KeepFailed(int error, const std::string& path) {
  return "Не удалось сохранить игру для продолжения (" + KeepReason(error, path) + ")";
}

std::string KeepFailedAtCloseQuestion(int error, const std::string& path) {
  return "Не удалось сохранить текущую игру для продолжения (" + KeepReason(error, path) +
         ").\nСохранить её в файл?";
}

KeptGameRow KeptGameColumns(const KeptGame& game) {
  KeptGameRow row;
  char saved[32] = "—";
  struct tm local {};
  if (localtime_r(&game.Modified, &local)) std::strftime(saved, sizeof saved, "%d.%m.%Y %H:%M", &local);
  row.Saved = saved;
  row.Moves = row.Clock = "—";
  if (!game.Summary) {
    row.Cube = "не читается";
    return row;
  }
  const std::string n = std::to_string(game.Summary->Size);
  row.Cube = n + "×" + n + "×" + n;
  if (game.Summary->Moves) row.Moves = std::to_string(*game.Summary->Moves);
  if (game.Summary->Seconds) row.Clock = FormatGameClock(static_cast<int32_t>(*game.Summary->Seconds));
  return row;
}

std::string DeleteKeptQuestion(const KeptGame& game) {
  const KeptGameRow row = KeptGameColumns(game);
  return "Удалить сохранённую игру?\n" + row.Cube + ", " + row.Saved + ", ходов: " + row.Moves;
}

std::string KeptGameNotDeleted(int error, const std::string& path) {
  const std::string why = error == EWOULDBLOCK ? "её продолжают в другом окне"
                          : error == EINVAL    ? "это не сохранённая игра"
                                               : safefile::FailureReason(error, path);
  return "Ошибка: сохранённая игра не удалена (" + why + ")";
}

std::string SettingsNotRead(int error) {
  return std::string("Файл настроек не прочитан (") + safefile::ReadFailureReason(error) +
         "): настройки по умолчанию, файл не изменится";
}

std::string SettingsNotWritten(int error, const std::string& path) {
  return std::string("Не удалось записать файл настроек (") + safefile::FailureReason(error, path) + "):\n" + path;
}

}  // namespace gametext
