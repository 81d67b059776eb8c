// The main window: the picture (the renderer with its camera, light and
// cube), the three timers, the menu, the button bar and the status line. It
// translates the toolkit's events into calls of the renderer and the game,
// and shows what the game says.
#pragma once

#include <wx/frame.h>
#include <wx/imaglist.h>
#include <wx/panel.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/settings/SettingsFile.h"
#include "app/toolkit/Timer.h"
#include "app/window/CommandBars.h"
#include "app/window/InputKeys.h"
#include "app/window/MainFormServices.h"
#include "app/window/PicturePanel.h"
#include "game/Game.h"
#include "game/GameRecords.h"
#include "game/ResumeStore.h"

class VEKGL;
class TOptionsForm;
class TAboutForm;

class TMainForm : public wxFrame, private GameView {
 public:
  explicit TMainForm(const MainFormServices& services = {});
  ~TMainForm() override;

  // Start-up once the drawing panel can take an OpenGL context; called by
  // the application.
  void FormCreate();
  // The dialogs that read the live settings, made when first asked for:
  // they are not needed for the first picture.
  void CreateDialogs();
  void FormDestroy();

  // Frame loop, clock and idle rotation.
  void DrawTimerTimer();
  void GameTimerTimer();
  void FRTimerTimer();
  void DrawPanelResize();

  // Mouse, wheel and keys.
  void DrawPanelMouseDown();
  void DrawPanelMouseMove(uint8_t Shift, int X, int Y);  // in the picture's device pixels
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
  void FullScreenClick();  // toggle full screen
  // Escape: leaves full screen; false when the window was not full screen.
  bool LeaveFullScreen();
  void N16Click();  // Help
  void N18Click();  // About
  void ContinueClick();  // Continue the game the window was closed on
  void HomeViewClick();  // back to the start orientation, the cube fitted
  void SiteMenuItemClick();
  void URLClick();
  void UndoClick();
  void RedoClick();
  void RecordsClick();
  void TypeMovesClick();      // moves typed in the notation, played as the player's
  void TypedScrambleClick();  // a new game from a typed scramble
  void GameMovesClick();      // the scramble and the moves so far, to read and copy
  void PauseClick();          // the clock stops and the cube is hidden until a key or click
  void HintClick();           // the next turn of a solution, outlined and named
  void SolveClick();          // the computer plays a solution; the game is given up
  // A letter or digit key (no Ctrl or Alt): a layer turn by keyboard.
  void TurnKeyPressed(char Key, bool Shift);
  // Ctrl+C over the picture: the game's moves to the clipboard.
  void CopyGameMoves();

  // The game in play (exists from FormCreate on).
  Game& CurrentGame() { return *game_; }
  const Game& CurrentGame() const { return *game_; }
  bool GameRunning() const { return game_ && game_->Running(); }
  // A scramble or a sequence of typed moves runs: only Stop and Exit act.
  bool Scrambling() const { return game_ && (game_->Scrambling() || game_->PlayingMoves()); }
  // Turns are under way or queued; the frame loop plays them.
  bool Animating() const { return game_ && game_->Turning(); }
  // Greys out the undo and redo items and buttons when there is nothing to do.
  void UpdateUndoRedo();

  wxString StatusText() const;
  void SetStatus(const wxString& text);
  wxString TimerText() const { return TimerLabel->GetLabel(); }
  wxString MovesText() const { return MovesLabel->GetLabel(); }
  // Writes the settings and records now, as at exit; false when it failed
  // (said in a message) or was not done (a file that could not be read).
  bool WriteSettingsFile();

  // Components.
  std::unique_ptr<CommandBars> Bars;  // the menu and the button bar
  PicturePanel* DrawPanel = nullptr;
  GLCanvasWindow* DrawWindow = nullptr;  // the renderer's window on the canvas
  ClockPanel* TimerPanel = nullptr;
  ClockCaption* TimerLabel = nullptr;
  ClockCaption* MovesLabel = nullptr;
  wxStatusBar* StatusBar = nullptr;
  wxImageList BigImageList{32, 32, true};
  wxImageList SmallImageList{16, 16, true};
  TTimer DrawTimer{10};
  TTimer GameTimer{1000};
  TTimer FRTimer{10000};
  TOptionsForm* OptionsForm = nullptr;
  TAboutForm* AboutForm = nullptr;

  // Fields.
  int32_t RotatePhaseX = 1;
  int32_t RotatePhaseY = 1;
  int32_t RotatePhaseZ = 1;
  std::string ProgramName;
  std::string ProgramVersion;
  std::unique_ptr<VEKGL> Renderer;
  int32_t CubeSize = 3;
  std::string SettingsPath;
  // Best solves, read at start-up and written with the settings when one is
  // set and at exit.
  GameRecords Records;
  // The games in progress kept in the data folder; this window's among them.
  ResumeStore KeptGames;

 private:
  // What the game shows through the window.
  void ShowStatus(const GameStatus& status) override;
  void ShowGame() override;
  void ClockStarted() override;
  void ShowScrambling(bool scrambling) override;
  void KeepRecords() override;
  void TurnsWaiting() override { WakeFrameTimer(); }
  void ShowHint(const std::optional<VEKMove>& move) override;
  // Dropped when the game has gone meanwhile.
  void RunOnWindowThread(std::function<void()> work) override;

  // Starts the frame timer again after it slept over a finished still picture.
  void WakeFrameTimer();
  void BindCommands();
  void BindInput();
  void UpdateContinueItem();
  void SetFullScreen(bool on);
  // The eye moves so that a cube of a new size fills the picture as a 3x3x3
  // does; the orientation stays.
  void FitViewToSize();
  // A game with the player's moves is about to be dropped: true to go on.
  bool ConfirmAbandon();
  // At close: keeps the running game, and when that fails says why and
  // offers to save it to a file of the player's choice.
  void KeepGameAtClose();
  // Moves typed under caption for a cube of size, asked again (the text kept,
  // the bad move selected) until they read; none when the player cancels.
  std::optional<std::vector<notation::Move>> AskForMoves(const wxString& caption, int size);
  // The scramble and the moves so far, faces named for the view on screen.
  wxString GameMovesText() const;

  MainFormServices services_;
  SettingsFileKeeper settingsFile_;
  std::unique_ptr<Game> game_;
  WheelNotches wheel_;
  // A dialog that changes the picture live is open: the frame loop keeps looking.
  bool watchingDialog_ = false;
  bool solvedShown_ = false;  // the game was last shown solved
  int fittedSize_ = 0;  // the cube size the eye distance was last set for
  bool attached_ = false;
  bool destroyed_ = false;
};
