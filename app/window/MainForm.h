// The main window: the picture (the renderer with its camera, light and
// cube), the three timers, the menu, the button bar and the status line. It
// translates the toolkit's events into calls of the renderer and the game,
// and shows what the game says.
#pragma once

#include <wx/frame.h>
#include <wx/imaglist.h>

#include <cstdint>
#include <memory>
#include <string>

#include "app/settings/SettingsFile.h"
#include "app/toolkit/Timer.h"
#include "app/window/CommandBars.h"
#include "app/window/InputKeys.h"
#include "app/window/MainFormServices.h"
#include "app/window/PicturePanel.h"
#include "app/window/WindowPlacement.h"
#include "game/Game.h"
#include "game/GameRecords.h"
#include "game/ResumeStore.h"
#include "game/TableWarmer.h"

class VEKGL;
class ReplayBar;
class SolveHistory;
class TOptionsForm;
class TAboutForm;

class TMainForm : public wxFrame {
 public:
  explicit TMainForm(const MainFormServices& services = {});
  ~TMainForm() override;

  // Start-up once the drawing panel can take an OpenGL context; called by
  // the application.
  void FormCreate();
  // The dialogs that read the live settings, made when first asked for:
  // they are not needed for the first picture.
  void CreateDialogs();
  // The solver's tables for the cube's size are built ahead, at the lowest
  // priority; from the first idle moment after the first picture on, and
  // again whenever the size changes.
  void WarmTables();
  // A close request: the turn under way ends at once, the game is kept (or
  // offered to a file), the settings are written and the window goes.
  void FormClose();
  void FormDestroy();
  // Starts the frame timer again after it slept over a finished still picture.
  void WakeFrameTimer();

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
  // A kept game waits that Continue could take.
  bool CanContinue() const { return game_ && game_->ResumeAvailable(); }
  bool HasGame() const { return game_ != nullptr; }
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
  std::unique_ptr<SolveHistory> History;  // the finished games, beside the kept ones
  ReplayBar* ReplayControls = nullptr;
  ReplayBar* SolutionControls = nullptr;  // the computer's solution's
  // Builds the solver's tables for the size in play while the window is
  // idle; made once the first picture is shown.
  std::unique_ptr<TableWarmer> Warmer;
  const MainFormServices& Services() const { return services_; }

 private:
  MainFormServices services_;
  SettingsFileKeeper settingsFile_;
  GameSettings settingsAtStart_;
  WindowPlacement placement_{*this};
  std::unique_ptr<GameView> onScreen_;  // outlives the game that shows through it
  std::unique_ptr<Game> game_;
  WheelNotches wheel_;
  // A dialog that changes the picture live is open: the frame loop keeps looking.
  bool watchingDialog_ = false;
  bool attached_ = false;
  bool destroyed_ = false;
};

// What the game shows through the window (app/window/GameOnScreen.cpp).
std::unique_ptr<GameView> GameShownOn(TMainForm& form);
