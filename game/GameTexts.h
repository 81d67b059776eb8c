// Every text the game puts on the status line, the clock panel or in a
// question, in one place (UTF-8).
#pragma once

#include <cstdint>
#include <string>

#include "puzzle/Notation.h"

struct KeptGame;

namespace gametext {

inline constexpr char kReady[] = "Готово!";
inline constexpr char kReadyWithoutTrailer[] = "Готово! Файл без времени и истории ходов";
inline constexpr char kScrambling[] = "Перемешиваю...";
inline constexpr char kLoading[] = "Загружаю...";
inline constexpr char kSaving[] = "Сохраняю...";
inline constexpr char kConfiguring[] = "Настраиваю...";
inline constexpr char kTurning[] = "Вращаю...";
inline constexpr char kNoFileName[] = "Ошибка: не указано имя файла!";
inline constexpr char kCannotOpen[] = "Ошибка: не удалось открыть файл!";
inline constexpr char kUnknownFormat[] = "Ошибка: неизвестный формат файла!";
inline constexpr char kKeptGameSetAside[] = "Ошибка: сохранённую игру не удалось загрузить, она отложена";
inline constexpr char kAbandonQuestion[] = "Прервать текущую игру?";
inline constexpr char kPaused[] = "Пауза — нажмите любую клавишу";
inline constexpr char kNewRecord[] = "Новый рекорд!";
inline constexpr char kCopyMovesHint[] = "Ctrl+C — скопировать ходы игры";
inline constexpr char kTypeMovesCaption[] = "Ввести ходы";
inline constexpr char kTypedScrambleCaption[] = "Начать с перемешивания";
inline constexpr char kGameMovesCaption[] = "Ходы игры";
inline constexpr char kSearching[] = "Ищу решение...";
inline constexpr char kSolving[] = "Решаю...";
inline constexpr char kSolvedByComputer[] = "Решено компьютером";
inline constexpr char kSolutionStopped[] = "Решение остановлено, игра прервана";
inline constexpr char kNoRecordWithHelp[] = "С подсказкой — без рекорда";
inline constexpr char kSolvedAlready[] = "Куб уже собран";
inline constexpr char kCannotBeSolved[] =
    "Этот куб нельзя собрать поворотами: он собран вручную (например, повёрнут один угол)";
inline constexpr char kCubieOffGrid[] = "Кубик стоит не на своём месте в решётке: решения нет";
inline constexpr char kHelpNotOpened[] = "Не удалось открыть справку: нет программы для просмотра страниц";
inline constexpr char kMovesPrompt[] = "Ходы в обозначениях куба, через пробел (например, R U R' U'):";
inline constexpr char kKeptGameTaken[] = "Ошибка: эту игру уже продолжают в другом окне";
// The list of kept games.
inline constexpr char kKeptGamesCaption[] = "Продолжить игру";
inline constexpr char kKeptGamesPrompt[] = "Сохранённые игры, которые можно продолжить:";
inline constexpr char kKeptColumnSaved[] = "Сохранена";
inline constexpr char kKeptColumnCube[] = "Кубик";
inline constexpr char kKeptColumnMoves[] = "Ходов";
inline constexpr char kKeptColumnClock[] = "Время игры";
inline constexpr char kKeptContinue[] = "Продолжить";
inline constexpr char kKeptDelete[] = "Удалить...";
inline constexpr char kKeptClose[] = "Закрыть";
inline constexpr char kKeptNoneLeft[] = "Сохранённых игр больше нет.";

// "Ходов: 42", the counter beside the clock.
std::string MovesCaption(uint32_t moves);
// Why typed moves were not played: the first bad one and its place.
std::string BadMoves(const notation::Parsed& parsed, int size);
// The scramble, the player's moves, and the computer's solution with any
// moves after it when it was asked, as the player can read and copy them.
std::string GameMoves(const std::string& scramble, const std::string& moves,
                      const std::string& solution = std::string(), const std::string& after = std::string());
// "Собрано! 00:01:57, ходов: 42", with ". Новый рекорд!" after a record,
// or saying that a hint made it no record.
std::string Solved(int32_t seconds, uint32_t moves, bool record, bool helpUsed = false);
// "Подсказка: R'", the hint on the status line.
std::string Hint(const std::string& move);
// The solved moment over the picture: "Собрано за 00:01:57, 42 хода".
std::string SolvedBanner(int32_t seconds, uint32_t moves);
// "Ошибка: не удалось сохранить файл (<why>)!" for the errno of a failed save of path.
std::string SaveFailed(int error, const std::string& path);
// The game could not be kept after a turn (errno error, kept file path).
std::string KeepFailed(int error, const std::string& path);
// Asked at close when the game could not be kept.
std::string KeepFailedAtCloseQuestion(int error, const std::string& path);
// Why a game could not be kept: the errno of writing path (the kept file,
// or its folder), or, for an empty path, that there is no data folder.
std::string KeepReason(int error, const std::string& path);

// A row of the list of kept games: when it was kept ("07.03.2008 14:05",
// local time), the cube ("3×3×3"), the moves and the clock ("—" when the
// file does not say).
struct KeptGameRow {
  std::string Saved, Cube, Moves, Clock;
};
KeptGameRow KeptGameColumns(const KeptGame& game);
// "Удалить сохранённую игру?" with the row's figures below.
std::string DeleteKeptQuestion(const KeptGame& game);
// Why a kept game was not deleted (errno of ResumeStore::Remove).
std::string KeptGameNotDeleted(int error, const std::string& path);

// The settings file could not be read at start (its errno): said on the
// status line; the file is then left as it is.
std::string SettingsNotRead(int error);
// It could not be written (errno of the save, its path).
std::string SettingsNotWritten(int error, const std::string& path);

}  // namespace gametext
