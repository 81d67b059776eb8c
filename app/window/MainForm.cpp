#include "app/window/MainForm.h"

#include <cfenv>

#include "app/dialogs/AboutForm.h"
#include "app/dialogs/OptionsForm.h"
#include "app/settings/RendererSettings.h"
#include "app/settings/ResumePath.h"
#include "app/toolkit/Fonts.h"
#include "app/toolkit/Icons.h"
#include "app/toolkit/ProgramInfo.h"
#include "app/toolkit/Text.h"
#include "app/window/HistoryOnScreen.h"
#include "app/window/LanguageOnScreen.h"
#include "app/window/MainFormWiring.h"
#include "game/SolveHistory.h"
#include "app/window/PlayerChoices.h"
#include "app/window/SolutionOnScreen.h"
#include "texts/Texts.h"
#include "puzzle/Random.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"

TMainForm::TMainForm(const MainFormServices& services)
    : wxFrame(nullptr, wxID_ANY, wxEmptyString),
      KeptGames(services.ResumeFolder.empty() ? ResumeFolderFromEnvironment() : services.ResumeFolder),
      services_(CompleteServices(services, *this)) {
  SettingsPath = services_.SettingsPath;
  // Read before anything is shown: the texts' language, and where the window opens.
  settingsAtStart_ = settingsFile_.Read(SettingsPath, Records);
  StartInLanguage(services_, settingsAtStart_.Language);
  onScreen_ = GameShownOn(*this);
  SetFont(WindowFont(11));
  SetIcons(ApplicationIcons());
  // The command icons come first: the menu and the button bar show them.
  FillCommandImageLists(SmallImageList, BigImageList);
  Bars = std::make_unique<CommandBars>(*this, CommandIconBundles(false), CommandIconBundles(true));
  BindCommandTable(*this);
  StatusBar = CreateStatusBar(1);
  // The line shows the last text set, never the (empty) help texts of the
  // menu items and buttons under the pointer.
  SetStatusBarPane(-1);
  DrawPanel = new PicturePanel(this, PictureHandlers(*this));
  PlaceReplayBar(*this);
  PlaceSolutionBar(*this);
  DrawWindow = DrawPanel->Window.get();
  TimerPanel = DrawPanel->Clock;
  TimerLabel = TimerPanel->TimerLabel;
  MovesLabel = TimerPanel->MovesLabel;
  BindWindowEvents(*this);
  placement_.Restore(settingsAtStart_.Window, wxSize(478, 399));
  DrawTimer.OnTimer = [this] { DrawTimerTimer(); };
  GameTimer.OnTimer = [this] { GameTimerTimer(); };
  FRTimer.OnTimer = [this] { FRTimerTimer(); };
}

void TMainForm::FormClose() {
  // Given up first, so that a low-priority thread on a busy machine has the
  // whole close to see it before the window's end waits for it.
  if (Warmer) Warmer->Stop();
  // The turn in progress ends on its quarter at once, the rest is dropped.
  if (game_) game_->EndTurnsNow();
  // A window must not go while its canvas holds the pointer.
  if (DrawWindow && DrawWindow->Canvas()->HasCapture()) DrawWindow->Canvas()->ReleaseMouse();
  if (game_) KeepAtClose(*game_, services_, KeptGames.Where(), [this] { N9Click(); });
  // Gone from the screen before anything waits for the warm-up's thread.
  Hide();
  FormDestroy();
  Destroy();
}

TMainForm::~TMainForm() {
  // A window destroyed without being closed still writes its settings.
  FormDestroy();
}

void TMainForm::FormCreate() {
  ProgramName = kProgramName;
  ProgramVersion = kProgramVersion;
  // Degenerate geometry yields infinities and NaNs, never a trap.
#ifdef FE_ALL_EXCEPT
  fedisableexcept(FE_ALL_EXCEPT);
#endif
  SetTitle(Text(ProgramName + " " + ProgramVersion));
  Renderer = std::make_unique<VEKGL>();
  game_ = std::make_unique<Game>(*Renderer->Cube, *onScreen_, KeptGames, Records);

  ApplySettings(settingsAtStart_, *Renderer);
  FRTimer.SetInterval(settingsAtStart_.TimeoutRotate);
  CubeSize = settingsAtStart_.CubeSize;

  DrawWindow->OnCloseRequest = [this] { Close(); };
  Renderer->Attach(DrawWindow);
  attached_ = true;
  DrawPanelResize();
  // A settings file that could not be read is said once, here.
  const std::string unread = settingsFile_.ReadFailure();
  SetStatus(Text(unread.empty() ? std::string(texts::Say(TextId::Ready)) : unread));
  CallAfter([this] { OpenHistory(*this); });  // its check of the file waits for the first picture
  CallAfter([this] { WarmTables(); });
  Renderer->Cube->Build(CubeSize);
  onScreen_->ShowGame();
  for (int32_t* phase : {&RotatePhaseX, &RotatePhaseY, &RotatePhaseZ}) *phase = int32_t(vekrandom::Next() % 360) + 1;
  DrawTimer.SetEnabled(true);
}

void TMainForm::WarmTables() {
  if (!HasGame()) return;  // the window went before it was idle
  if (!Warmer) Warmer = std::make_unique<TableWarmer>();
  Warmer->Warm(Renderer->Cube->Size);
}

void TMainForm::CreateDialogs() {
  if (!OptionsForm) {
    OptionsForm = new TOptionsForm(this, TOptionsForm::Targets{Renderer.get(), &CubeSize, &FRTimer,
                                                                [this](const std::string& code) { ShowInLanguage(*this, code); }});
  }
  if (!AboutForm) AboutForm = new TAboutForm(this, *services_.Desktop);
}

void TMainForm::FormDestroy() {
  if (destroyed_ || !Renderer) return;
  destroyed_ = true;
  // A window destroyed without being closed keeps its game all the same.
  game_->EndTurnsNow();
  game_->Leave();
  DrawTimer.SetEnabled(false);
  GameTimer.SetEnabled(false);
  FRTimer.SetEnabled(false);
  WriteSettingsFile();
  // The game goes before the cube it plays on, which goes with the context.
  game_.reset();
  if (attached_) Renderer->Detach();
  attached_ = false;
  // Waited for last: given up at the close, it stops within milliseconds of
  // its next turn on a core, which on a busy machine may come late.
  Warmer.reset();
}

bool TMainForm::WriteSettingsFile() {
  if (!Renderer) return false;
  GameSettings settings = SettingsOf(*Renderer);
  settings.CubeSize = CubeSize;
  settings.TimeoutRotate = FRTimer.Interval();
  settings.Window = placement_.Place();
  const SettingsFileKeeper::Outcome outcome = settingsFile_.Write(settings, Records);
  if (outcome == SettingsFileKeeper::Outcome::Failed) services_.ShowError(Text(settingsFile_.WriteFailure()));
  return outcome == SettingsFileKeeper::Outcome::Written;
}

wxString TMainForm::StatusText() const { return StatusBar->GetStatusText(0); }

void TMainForm::SetStatus(const wxString& text) {
  StatusBar->SetStatusText(text, 0);
  if (services_.StatusObserver) services_.StatusObserver(text);
  // Long commands hold the event loop; show the text before they start.
  StatusBar->Update();
}

void TMainForm::DrawPanelResize() {
  const wxSize client = DrawPanel->GetClientSize();
  DrawWindow->Canvas()->SetSize(client);
  TimerPanel->PlaceIn(client);
  const wxSize device = DrawWindow->DeviceSize();  // the renderer's unit
  if (attached_ && Renderer) Renderer->Resize(device.GetWidth(), device.GetHeight());
  WakeFrameTimer();
}

void TMainForm::UpdateUndoRedo() {
  if (Bars) Bars->EnableUndoRedo(game_ && game_->CanUndo(), game_ && game_->CanRedo());
}
