// The main window: owns the renderer (with the camera, the light and the
// puzzle), the three timers, the menu, the button bar and the status line.
#pragma once

#include <wx/eventfilter.h>
#include <wx/frame.h>
#include <wx/imaglist.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/window/ClockCaption.h"
#include "game/GameClock.h"
#include "game/GameRecords.h"
#include "game/ResumeStore.h"
#include "app/settings/SettingsFile.h"
#include "app/toolkit/Timer.h"

class VEKGL;
struct VEKBigCube;
class GLCanvasWindow;
class FileChooser;
class Shell;
class TOptionsForm;
class TAboutForm;
struct GameTrailer;

// What the window uses from outside; tests put in their own.
struct MainFormServices {
  std::string SettingsPath;  // empty: beside the executable
  FileChooser* Chooser = nullptr;  // null: the toolkit's dialogs
  Shell* Desktop = nullptr;        // null: the desktop's "open"
  std::string ExecutableFolder;    // empty: the folder of the running executable
  // Told every text the status line shows, in order.
  std::function<void(const wxString&)> StatusObserver;
  // Shows an error of the window's own (the settings file that cannot be
  // written); empty: a message box.
  std::function<void(const wxString&)> ShowError;
  // Asks the player a yes/no question; true for yes. Empty: a message box
  // with the buttons "Да" and "Нет".
  std::function<bool(const wxString&)> Ask;
  // The folder of the kept games in progress; empty: the player's data folder.
  std::string ResumeFolder;
};

class TMainForm : public wxFrame {
 public:
  explicit TMainForm(const MainFormServices& services = {});
  ~TMainForm() override;

  // Start-up once the drawing panel can take an OpenGL context, and the
  // dialogs that read the live settings; called by the application.
  void FormCreate();
  void CreateDialogs();
  void FormDestroy();

  // Frame loop, clock and idle rotation.
  void DrawTimerTimer();
  void GameTimerTimer();
  void FRTimerTimer();
  void DrawPanelResize();

  // Mouse, wheel and keys.
  void DrawPanelMouseDown();
  void DrawPanelMouseMove(uint8_t Shift, int X, int Y);
  void DrawPanelMouseUp();
  void FormKeyDown(int Key, uint8_t Shift);
  void FormMouseWheelDown(uint8_t Shift);
  void FormMouseWheelUp(uint8_t Shift);
  // Sums wheel amounts and hands on one notch per full 120.
  void FormMouseWheel(int Rotation, int Delta, uint8_t Shift);

  // Commands.
  void N4Click();   // New game
  void N5Click();   // Stop
  void N7Click();   // Open
  void N8Click();   // Save
  void N9Click();   // Save as
  void N11Click();  // Options
  void N13Click();  // Exit
  void N14Click();  // toggle the button bar
  void N15Click();  // toggle the status line
  void N16Click();  // Help
  void N18Click();  // About
  void ContinueClick();  // Continue the game the window was closed on
  void HomeViewClick();  // back to the start orientation, the cube fitted
  void SiteMenuItemClick();
  void URLClick();
  void ToolButton1Click() { N4Click(); }
  void ToolButton2Click() { N7Click(); }
  void ToolButton3Click() { N8Click(); }
  void ToolButton4Click() { N5Click(); }
  void ToolButton6Click() { N11Click(); }
  void ToolButton7Click() { N16Click(); }
  void ToolButton9Click() { N13Click(); }
  // Undo and redo of the player's turns, and the records box.
  void UndoClick();
  void RedoClick();
  void RecordsClick();
  void ToolButtonUndoClick() { UndoClick(); }
  void ToolButtonRedoClick() { RedoClick(); }

  // The move counter beside the clock: the player's turns now applied.
  void ShowMoves();
  // Greys out the undo and redo items and buttons when there is nothing to do.
  void UpdateUndoRedo();
  // The clock runs: a game since New game, not yet solved or stopped.
  bool GameRunning() const { return GameTimer.Enabled(); }
  // A scramble is being shown: only Stop and Exit act (after the current turn).
  bool Scrambling() const { return scrambling_; }
  // Menu item and button agree: both on, or both greyed out.
  bool UndoEnabled() const;
  bool RedoEnabled() const;
  bool UndoDisabled() const;
  bool RedoDisabled() const;

  // A layer turn or a scramble is being animated: input is dropped, and the
  // window only repaints between the frames.
  bool Animating() const;

  wxString StatusText() const;
  void SetStatus(const wxString& text);
  wxString TimerText() const { return TimerLabel->GetLabel(); }
  wxString MovesText() const { return MovesLabel->GetLabel(); }

  // The games kept while they are played: whether there is one to continue,
  // and forgetting this window's (a solved game, a new game).
  bool ResumeAvailable() const;
  void DiscardResumeFile();
  // Writes the settings and records now, as at exit; false when it failed.
  bool WriteSettingsFile();

  // Components.
  wxToolBar* ToolBarButton = nullptr;
  wxPanel* DrawPanel = nullptr;
  std::unique_ptr<GLCanvasWindow> DrawWindow;  // the renderer's window on the canvas
  wxPanel* TimerPanel = nullptr;
  ClockCaption* TimerLabel = nullptr;
  ClockCaption* MovesLabel = nullptr;
  wxMenuItem* UndoItem = nullptr;
  wxMenuItem* RedoItem = nullptr;
  wxStatusBar* StatusBar = nullptr;
  wxMenuBar* MainMenu = nullptr;
  wxImageList BigImageList{32, 32, true};
  wxImageList SmallImageList{16, 16, true};
  TTimer DrawTimer{10};
  TTimer GameTimer{1000};
  TTimer FRTimer{10000};
  wxMenuItem* N14 = nullptr;
  wxMenuItem* N15 = nullptr;
  wxMenuItem* ContinueItem = nullptr;
  TOptionsForm* OptionsForm = nullptr;
  TAboutForm* AboutForm = nullptr;

  // Fields.
  int32_t RotatePhaseX = 1;
  int32_t RotatePhaseY = 1;
  int32_t RotatePhaseZ = 1;
  std::string ProgramName;
  std::string ProgramVersion;
  std::string GameFileName;
  std::unique_ptr<VEKGL> Renderer;
  int32_t GameSeconds = 0;
  int32_t CubeSize = 3;
  // Set by a rejected Open: Save then asks for a name, so that the rejected
  // file is never overwritten.
  bool SaveNeedsName = false;
  std::string SettingsPath;
  // Best solves, read at start-up and written with the settings when one is
  // set and at exit.
  GameRecords Records;
  // The games in progress kept in the data folder; this window's among them.
  ResumeStore KeptGames;
  // Quarter turns of the running game's scramble; 0 when not known (a file
  // without it). A game scrambled with enough turns can set a record.
  uint32_t ScrambleTurns = 0;

 private:
  void BuildMenu();
  void BuildToolBar();
  void BuildDrawPanel();
  void BindInput();
  void PlaceTimerPanel();
  void ResetClock();
  // The clock and the game's figures over the picture, from the game's state.
  void RefreshGameInfo();
  // After a load: a game with its trailer runs on from the saved clock, any
  // other is shown with the clock stopped.
  void ResumeLoadedGame(const std::optional<GameTrailer>& trailer);
  // Loads a saved game and goes on with it (clock, moves, history when the
  // file keeps them); on failure says why on the status line, cube unchanged.
  bool LoadGameFile(const std::string& path);
  // A new size of cube: the eye moves so that it fills the picture as a
  // 3x3x3 does; the orientation stays.
  void FitViewToSize();
  // Keeps the running game in this window's kept file; false (errno set)
  // when it could not be written.
  bool SaveResumeFile();
  // At close: keeps the running game, and when that fails says why and
  // offers to save it to a file of the player's choice.
  void KeepGameAtClose();
  // A game with the player's moves is about to be dropped: true to go on.
  bool ConfirmAbandon();
  // Greys every command but Stop and Exit while a scramble is shown.
  void SetScrambling(bool scrambling);
  // The mouse button went up during an animation: the gesture ends now.
  void EndReleasedGesture();
  // Takes the undo and redo steps asked for, one after another (presses
  // made during an animation wait their turn).
  void RunHistorySteps();
  // "Ошибка: не удалось сохранить файл (<why>)!" for the errno of a failed save of path.
  static wxString SaveFailedText(int error, const std::string& path);
  void UpdateContinueItem();
  void ShowGameTitle();
  static wxString MovesCaption(uint32_t moves);
  void ShowMovesCount(uint32_t moves);
  void SaveGameTo(const std::string& path, bool announceSuccess);
  uint8_t ShiftOf(const wxMouseState& state) const;
  void BetweenAnimationFrames();
  // Closes the window when a close request came during an animation.
  bool CloseIfAsked();
  void ReleaseCanvasMouse();
  // After each of the player's turns (drag, undo, redo): the counter, the
  // undo/redo state and the solved test.
  void AfterPlayerTurn();
  // Undo or redo: one history step, animated, if the cube can take it.
  void TakeHistoryStep(bool undo);
  // The cube was solved during a running game: stops the clock, keeps a
  // record and says so on the status line.
  void GameSolved();

  class InputFilter;
  MainFormServices services_;
  std::unique_ptr<wxEventFilter> inputFilter_;
  bool closePending_ = false;
  // A button went up on the panel during a turn: the gesture ends after it.
  bool releasedDuringAnimation_ = false;
  SteadyStopwatch gameClock_;
  int wheelRemainder_ = 0;
  int fittedSize_ = 0;  // the cube size the eye distance was last set for
  bool attached_ = false;
  bool destroyed_ = false;
  bool scrambling_ = false;
  // Stop or Exit asked for during a scramble: run once it has ended.
  int afterScramble_ = 0;
  // Undo (true) and redo (false) steps waiting for the animation to end.
  std::deque<bool> historySteps_;
  // Shown instead of "Готово!" when the button of the last drag goes up
  // (the solved text, a kept game that could not be written).
  wxString stickyStatus_;
};
