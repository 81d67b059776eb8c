// The game's texts in Russian.
#include "texts/Language.h"

namespace texts {
namespace {

constexpr TextEntry kTexts[] = {
    {TextId::Ready, "Готово!"},
    {TextId::ReadyWithoutTrailer, "Готово! Файл без времени и истории ходов"},
    {TextId::Scrambling, "Перемешиваю..."},
    {TextId::Loading, "Загружаю..."},
    {TextId::Saving, "Сохраняю..."},
    {TextId::Configuring, "Настраиваю..."},
    {TextId::Turning, "Вращаю..."},
    {TextId::Searching, "Ищу решение..."},
    {TextId::Solving, "Решаю..."},
    {TextId::SolvedByComputer, "Решено компьютером"},
    {TextId::SolutionStopped, "Решение остановлено, игра прервана"},
    {TextId::SolvedAlready, "Куб уже собран"},
    {TextId::CannotBeSolved, "Этот куб нельзя собрать поворотами: он собран вручную (например, повёрнут один угол)"},
    {TextId::CubieOffGrid, "Кубик стоит не на своём месте в решётке: решения нет"},
    {TextId::HelpNotOpened, "Не удалось открыть справку: нет программы для просмотра страниц"},
    {TextId::NoFileName, "Ошибка: не указано имя файла!"},
    {TextId::CannotOpen, "Ошибка: не удалось открыть файл!"},
    {TextId::UnknownFormat, "Ошибка: неизвестный формат файла!"},
    {TextId::KeptGameSetAside, "Ошибка: сохранённую игру не удалось загрузить, она отложена"},
    {TextId::KeptGameTaken, "Ошибка: эту игру уже продолжают в другом окне"},
    {TextId::HintPattern, "Подсказка: {1}"},

    {TextId::SolvedPattern, "Собрано! {1}, ходов: {2}"},
    {TextId::SentenceAfter, "{1}. {2}"},
    {TextId::NewRecord, "Новый рекорд!"},
    {TextId::NoRecordWithHelp, "С подсказкой — без рекорда"},
    {TextId::SolvedBannerPattern, "Собрано за {1}, {2} {3}"},
    {TextId::MovesWordOne, "ход"},
    {TextId::MovesWordFew, "хода"},
    {TextId::MovesWordMany, "ходов"},
    {TextId::CopyMovesHint, "Ctrl+C — скопировать ходы игры"},
    {TextId::Paused, "Пауза — нажмите любую клавишу"},

    {TextId::MovesCaptionPattern, "Ходов: {1}"},

    {TextId::TypeMovesCaption, "Ввести ходы"},
    {TextId::TypedScrambleCaption, "Начать с перемешивания"},
    {TextId::MovesPrompt, "Ходы в обозначениях куба, через пробел (например, R U R' U'):"},
    {TextId::NoMovesTyped, "Ходы не введены."},
    {TextId::NoSuchLayerPattern, "Ход {1} «{2}»: у куба {3} нет такого слоя. Ничего не повёрнуто."},
    {TextId::UnreadableMovePattern, "Ход {1} «{2}» не записан в обозначениях куба. Ничего не повёрнуто."},
    {TextId::CubeSizePattern, "{1}×{1}×{1}"},
    {TextId::GameMovesCaption, "Ходы игры"},
    {TextId::GameMovesPattern, "Перемешивание: {1}\nХоды: {2}"},
    {TextId::GameMovesSolution, "\nРешение компьютера: {1}"},
    {TextId::GameMovesAfter, "\nХоды после решения: {1}"},
    {TextId::ScrambleUnknown, "неизвестно"},
    {TextId::NoMoves, "нет"},

    {TextId::SaveFailedPattern, "Ошибка: не удалось сохранить файл ({1})!"},
    {TextId::KeepFailedPattern, "Не удалось сохранить игру для продолжения ({1})"},
    {TextId::KeepFailedAtClosePattern, "Не удалось сохранить текущую игру для продолжения ({1}).\nСохранить её в файл?"},
    {TextId::NoDataFolder, "не задана папка данных: нет HOME и XDG_DATA_HOME"},
    {TextId::SettingsNotReadPattern, "Файл настроек не прочитан ({1}): настройки по умолчанию, файл не изменится"},
    {TextId::SettingsNotWrittenPattern, "Не удалось записать файл настроек ({1}):\n{2}"},
    {TextId::NoSpace, "нет места на диске"},
    {TextId::NameTooLong, "слишком длинное имя файла"},
    {TextId::FolderNotWritable, "папка недоступна для записи"},
    {TextId::NoSuchFolder, "нет такой папки"},
    {TextId::FileForFolder, "на месте папки файл"},
    {TextId::ReadOnlyFile, "файл только для чтения"},
    {TextId::WriteFailed, "ошибка записи"},
    {TextId::NoReadPermission, "нет прав на чтение"},
    {TextId::FolderForFile, "на его месте папка"},
    {TextId::NotRegular, "это не обычный файл"},
    {TextId::NotText, "в нём не текст"},
    {TextId::LinkLoop, "ссылки ведут по кругу"},
    {TextId::ReadFailed, "ошибка чтения"},

    {TextId::KeptGamesCaption, "Продолжить игру"},
    {TextId::KeptGamesPrompt, "Сохранённые игры, которые можно продолжить:"},
    {TextId::KeptColumnSaved, "Сохранена"},
    {TextId::KeptColumnCube, "Кубик"},
    {TextId::KeptColumnMoves, "Ходов"},
    {TextId::KeptColumnClock, "Время игры"},
    {TextId::KeptContinue, "Продолжить"},
    {TextId::KeptDelete, "Удалить..."},
    {TextId::KeptClose, "Закрыть"},
    {TextId::KeptNoneLeft, "Сохранённых игр больше нет."},
    {TextId::KeptDateFormat, "%d.%m.%Y %H:%M"},
    {TextId::KeptUnreadable, "не читается"},
    {TextId::DeleteKeptPattern, "Удалить сохранённую игру?\n{1}, {2}, ходов: {3}"},
    {TextId::KeptNotDeletedPattern, "Ошибка: сохранённая игра не удалена ({1})"},
    {TextId::KeptTakenElsewhere, "её продолжают в другом окне"},
    {TextId::KeptNoGame, "это не сохранённая игра"},
    {TextId::NoFigure, "—"},

    {TextId::AbandonQuestion, "Прервать текущую игру?"},
    {TextId::Yes, "Да"},
    {TextId::No, "Нет"},
    {TextId::FileExistsPattern, "Файл «{1}» уже существует.\nЗаменить его?"},
    {TextId::Replace, "Заменить"},
    {TextId::Cancel, "Отмена"},

    {TextId::OpenCaption, "Открыть..."},
    {TextId::SaveAsCaption, "Сохранить как..."},
    {TextId::GameFileFilter, "Tessaro File|*.cube"},

    {TextId::MenuGame, "Игра"},
    {TextId::MenuNewGame, "Начать заново"},
    {TextId::MenuStop, "Стоп!"},
    {TextId::MenuOpen, "Открыть..."},
    {TextId::MenuSave, "Сохранить"},
    {TextId::MenuSaveAs, "Сохранить как..."},
    {TextId::MenuOptions, "Настройки..."},
    {TextId::MenuUndo, "Отменить ход"},
    {TextId::MenuRedo, "Повторить ход"},
    {TextId::MenuRecords, "Рекорды..."},
    {TextId::MenuContinue, "Продолжить игру..."},
    {TextId::MenuPause, "Пауза"},
    {TextId::MenuTypeMoves, "Ввести ходы..."},
    {TextId::MenuTypedScramble, "Начать с перемешивания..."},
    {TextId::MenuGameMoves, "Ходы игры"},
    {TextId::MenuHint, "Подсказка"},
    {TextId::MenuSolve, "Решить"},
    {TextId::MenuExit, "Выход"},
    {TextId::MenuView, "Вид"},
    {TextId::MenuButtons, "Кнопки"},
    {TextId::MenuStatusBar, "Строка состояния"},
    {TextId::MenuFullScreen, "Во весь экран"},
    {TextId::MenuHomeView, "Исходный вид"},
    {TextId::MenuHelp, "Помощь"},
    {TextId::MenuHelpPage, "Справка"},
    {TextId::MenuAbout, "О программе..."},
    {TextId::TipNewGame, "Начать заново"},
    {TextId::TipOpen, "Открыть"},
    {TextId::TipSave, "Сохранить"},
    {TextId::TipStop, "Стоп!"},
    {TextId::TipOptions, "Настройки"},
    {TextId::TipHelp, "Справка"},
    {TextId::TipUndo, "Отменить ход"},
    {TextId::TipRedo, "Повторить ход"},
    {TextId::TipHint, "Подсказка"},
    {TextId::TipExit, "Выход"},

    {TextId::AboutCaption, "О программе..."},
    {TextId::AboutDescription, "Трехмерная модель головоломки"},
    {TextId::AboutOk, "ОК"},
    {TextId::RecordsCaption, "Рекорды"},
    {TextId::RecordsCube, "Кубик"},
    {TextId::RecordsTime, "Время"},
    {TextId::RecordsMoves, "Ходов"},
    {TextId::OptionsCaption, "Параметры..."},
    {TextId::OptionsGamePage, "Игра"},
    {TextId::OptionsColorsPage, "Цвета"},
    {TextId::OptionsTurningPage, "Вращение"},
    {TextId::OptionsShuffleBefore, "Перемешивать на"},
    {TextId::OptionsShuffleAfter, "поворотов"},
    {TextId::OptionsShowShuffle, "Показывать перемешивание"},
    {TextId::OptionsQuality, " Качество отображения (сглаживание): "},
    {TextId::OptionsQualityLow, "Без сглаживания"},
    {TextId::OptionsQualityHigh, "Высокое качество"},
    {TextId::OptionsCubeSize, "*Размер кубика:"},
    {TextId::OptionsSmoothTurns,
     "Сглаживать при вращении (не рекомендуется включать эту опцию на слабых видеокартах)"},
    {TextId::OptionsNextGameNote, "* Изменение данной опции вступит в силу с начала новой игры!"},
    {TextId::OptionsBody, "Корпус:"},
    {TextId::OptionsBackground, "Фон:"},
    {TextId::OptionsTurnSpeed, " Скорость вращения граней: "},
    {TextId::OptionsIdleTurn, " Свободное вращение кубика через: "},
    {TextId::OptionsSeconds, "секунд"},

    // The history of games.
    {TextId::HistorySetAsidePattern, "История игр была повреждена и отложена в {1}; начата новая"},
    {TextId::HistoryNotWrittenPattern, "Ошибка: игра не записана в историю ({1})"},
    {TextId::HistoryNewer, "история записана более новой версией игры"},
    {TextId::HistoryBusy, "история занята другим окном игры"},
    {TextId::HistoryDatabaseErrorPattern, "ошибка базы данных, код {1}"},

    // The statistics box.
    {TextId::HistoryPlaceholderStats, "-"},

    // Replays.
    {TextId::HistoryPlaceholderReplay, "-"},
};
static_assert(Complete(kTexts), "one Russian text for each TextId, in its order");

// 1, 21, 101 ход; 2-4, 22-24 хода; 5-20, 25-30, 111-114 ходов.
NumberForm FormAfter(uint32_t n) {
  const uint32_t tens = n % 100, ones = n % 10;
  if (tens >= 11 && tens <= 14) return NumberForm::Many;
  if (ones == 1) return NumberForm::One;
  if (ones >= 2 && ones <= 4) return NumberForm::Few;
  return NumberForm::Many;
}

}  // namespace

const Language kRussian{"ru", kTexts, FormAfter};

}  // namespace texts
