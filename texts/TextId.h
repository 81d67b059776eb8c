// Every text the game shows, by name. The words are in the language tables
// (Russian.cpp); a name added here needs a text in each of them, in this order.
#pragma once

#include <cstddef>

enum class TextId {
  // The status line.
  Ready,
  ReadyWithoutTrailer,
  Scrambling,
  Loading,
  Saving,
  Configuring,
  Turning,
  Searching,
  Solving,
  SolvedByComputer,
  SolutionStopped,
  SolvedAlready,
  CannotBeSolved,
  CubieOffGrid,
  HelpNotOpened,
  NoFileName,
  CannotOpen,
  UnknownFormat,
  KeptGameSetAside,
  KeptGameTaken,
  HintPattern,  // {1}: the move
  // The solved moment and the pause.
  SolvedPattern,         // {1}: clock, {2}: moves
  SentenceAfter,         // {1}. {2}
  NewRecord,
  NoRecordWithHelp,
  SolvedBannerPattern,   // {1}: clock, {2}: moves, {3}: the word for moves
  MovesWordOne,
  MovesWordFew,
  MovesWordMany,
  CopyMovesHint,
  Paused,
  // The clock panel.
  MovesCaptionPattern,  // {1}: moves
  // Typed moves and the game's moves.
  TypeMovesCaption,
  TypedScrambleCaption,
  MovesPrompt,
  NoMovesTyped,
  NoSuchLayerPattern,   // {1}: the move's number, {2}: the move, {3}: the cube
  UnreadableMovePattern,  // {1}: the move's number, {2}: the move
  CubeSizePattern,      // {1}: small cubes along an edge
  GameMovesCaption,
  GameMovesPattern,     // {1}: scramble, {2}: moves
  GameMovesSolution,    // {1}: the computer's moves
  GameMovesAfter,       // {1}: the moves after them
  ScrambleUnknown,
  NoMoves,
  // Files that could not be written or read, and why.
  SaveFailedPattern,    // {1}: why
  KeepFailedPattern,    // {1}: why
  KeepFailedAtClosePattern,  // {1}: why
  NoDataFolder,
  SettingsNotReadPattern,     // {1}: why
  SettingsNotWrittenPattern,  // {1}: why, {2}: the file
  NoSpace,
  NameTooLong,
  FolderNotWritable,
  NoSuchFolder,
  FileForFolder,
  ReadOnlyFile,
  WriteFailed,
  NoReadPermission,
  FolderForFile,
  NotRegular,
  NotText,
  LinkLoop,
  ReadFailed,
  // The kept games.
  KeptGamesCaption,
  KeptGamesPrompt,
  KeptColumnSaved,
  KeptColumnCube,
  KeptColumnMoves,
  KeptColumnClock,
  KeptContinue,
  KeptDelete,
  KeptClose,
  KeptNoneLeft,
  KeptDateFormat,  // strftime's
  KeptUnreadable,
  DeleteKeptPattern,      // {1}: cube, {2}: when kept, {3}: moves
  KeptNotDeletedPattern,  // {1}: why
  KeptTakenElsewhere,
  KeptNoGame,
  NoFigure,  // a clock or a count not known
  // Questions and their buttons.
  AbandonQuestion,
  Yes,
  No,
  FileExistsPattern,  // {1}: the file's name
  Replace,
  Cancel,
  // File dialogs.
  OpenCaption,
  SaveAsCaption,
  GameFileFilter,
  // Menus: captions (the keys are no text) and the tool tips.
  MenuGame,
  MenuNewGame,
  MenuStop,
  MenuOpen,
  MenuSave,
  MenuSaveAs,
  MenuOptions,
  MenuUndo,
  MenuRedo,
  MenuRecords,
  MenuContinue,
  MenuPause,
  MenuTypeMoves,
  MenuTypedScramble,
  MenuGameMoves,
  MenuHint,
  MenuSolve,
  MenuExit,
  MenuView,
  MenuButtons,
  MenuStatusBar,
  MenuFullScreen,
  MenuHomeView,
  MenuHelp,
  MenuHelpPage,
  MenuAbout,
  TipNewGame,
  TipOpen,
  TipSave,
  TipStop,
  TipOptions,
  TipHelp,
  TipUndo,
  TipRedo,
  TipHint,
  TipExit,
  // The dialogs.
  AboutCaption,
  AboutDescription,
  AboutOk,
  RecordsCaption,
  RecordsCube,
  RecordsTime,
  RecordsMoves,
  OptionsCaption,
  OptionsGamePage,
  OptionsColorsPage,
  OptionsTurningPage,
  OptionsShuffleBefore,
  OptionsShuffleAfter,
  OptionsShowShuffle,
  OptionsQuality,
  OptionsQualityLow,
  OptionsQualityHigh,
  OptionsCubeSize,
  OptionsSmoothTurns,
  OptionsNextGameNote,
  OptionsBody,
  OptionsBackground,
  OptionsTurnSpeed,
  OptionsIdleTurn,
  OptionsSeconds,
  OptionsLanguage,
  OptionsLanguageNote,  // when a new language shows
  // The history of games: the database and the export.
  HistorySetAsidePattern,
  HistoryNotWrittenPattern,
  HistoryNewer,
  HistoryBusy,
  HistoryDatabaseErrorPattern,
  HistorySetAsideReason,
  // The statistics box.
  StatsCaption,
  StatsBest,
  StatsMean,
  StatsAo5,
  StatsAo12,
  StatsBestAo5,
  StatsBestAo12,
  StatsGames,
  StatsGamesPattern,  // {1}: games, {2}: of them solved
  StatsMovesPerSecond,
  StatsDecimalPattern,  // {1}: whole part, {2}: hundredths
  StatsDnf,  // an average or a game not brought home
  StatsChartEmpty,
  StatsChartTimes,
  StatsChartAverage,
  StatsColumnDate,
  StatsColumnTime,
  StatsColumnMoves,
  StatsColumnHow,
  StatsColumnRecord,
  StatsHowSolved,
  StatsHowComputer,
  StatsHowAbandoned,
  StatsRecordMark,
  StatsView,
  StatsCopy,
  StatsDelete,
  StatsClose,
  StatsSolvePattern,  // {1}: cube, {2}: date, {3}: time, {4}: how, {5}: moves, {6}: scramble, {7}: solution
  StatsDeletePattern,  // {1}: cube, {2}: date, {3}: time, {4}: moves
  StatsNotDeletedPattern,  // {1}: why
  // Replays, the statistics' and the export's commands.
  MenuStatistics,
  MenuExport,
  ExportCaption,
  CsvFileFilter,
  ExportedPattern,  // {1}: the file
  ReplayNotPossible,
  ReplayShown,
  ReviewGame,
  ReplayToStart,
  ReplayBack,
  ReplayPlay,
  ReplayForward,
  ReplayToEnd,
  ReplayClose,
  ReplaySpeed1,
  ReplaySpeed2,
  ReplaySpeed4,
  ReplayTurnByTurn,
  ReplayPositionPattern,  // {1}: turns made, {2}: of all
  // Help by stages and the solution bar.
  HintCentresPattern,  // {1}: the move
  HintEdgesPattern,
  HintAsThreePattern,
  SolutionCentres,
  SolutionEdges,
  SolutionAsThree,
  SolutionPositionPattern,  // {1}: turns made, {2}: of all
  SolutionStop,
  Count  // no text: how many there are
};

inline constexpr std::size_t kTextCount = static_cast<std::size_t>(TextId::Count);
