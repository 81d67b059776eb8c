#include "app/window/MainForm.h"

#include <wx/dcclient.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stdpaths.h>

#include <cfenv>

#include "app/dialogs/AboutForm.h"
#include "app/settings/ColorText.h"
#include "app/dialogs/FileChooser.h"
#include "app/toolkit/GLCanvasWindow.h"
#include "app/toolkit/Icons.h"
#include "app/dialogs/OptionsForm.h"
#include "app/settings/SettingsPath.h"
#include "app/toolkit/ProgramInfo.h"
#include "app/settings/ResumePath.h"
#include "app/toolkit/Shell.h"
#include "puzzle/Random.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"

namespace {
// Fonts of the window and the clock: Tahoma where the desktop has it.
wxFont FontOfSize(int pixels) {
  wxFont font(wxFontInfo(wxSize(0, pixels)).FaceName("Tahoma"));
  if (!font.IsOk() || font.GetFaceName().CmpNoCase("Tahoma") != 0) {
    font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    font.SetPixelSize(wxSize(0, pixels));
  }
  return font;
}
}  // namespace

TMainForm::TMainForm(const MainFormServices& services)
    : wxFrame(nullptr, wxID_ANY, wxEmptyString),
      KeptGames(services.ResumeFolder.empty() ? ResumeFolderFromEnvironment() : services.ResumeFolder),
      services_(services) {
  if (!services_.Chooser) services_.Chooser = &DialogFileChooser();
  if (!services_.Desktop) services_.Desktop = &DesktopShell();
  if (!services_.ShowError) {
    services_.ShowError = [](const wxString& text) {
      wxMessageBox(text, wxString::FromUTF8(kProgramName), wxOK | wxICON_ERROR);
    };
  }
  if (!services_.Ask) {
    services_.Ask = [this](const wxString& question) {
      wxMessageDialog dialog(this, question, wxString::FromUTF8(kProgramName), wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION);
      dialog.SetYesNoLabels(wxString::FromUTF8("Да"), wxString::FromUTF8("Нет"));
      return dialog.ShowModal() == wxID_YES;
    };
  }
  const wxString executable = wxStandardPaths::Get().GetExecutablePath();
  if (services_.ExecutableFolder.empty()) {
    services_.ExecutableFolder = wxFileName(executable).GetPath().ToStdString(wxConvUTF8);
  }
  SettingsPath = services_.SettingsPath.empty()
                     ? SettingsPathFromEnvironment(executable.ToStdString(wxConvUTF8))
                     : services_.SettingsPath;

  SetFont(FontOfSize(11));
  SetIcons(ApplicationIcons());
  // The command icons come first: the menu and the button bar show them.
  FillCommandImageLists(SmallImageList, BigImageList);
  BuildMenu();
  BuildToolBar();
  StatusBar = CreateStatusBar(1);
  // The line shows the last text set, never the (empty) help texts of the
  // menu items and buttons under the pointer.
  SetStatusBarPane(-1);
  BuildDrawPanel();
  SetClientSize(478, 399);
  Centre();

  // The toolkit runs between animation frames; the animation alone draws then.
  DrawTimer.OnTimer = [this] {
    if (!Animating()) DrawTimerTimer();
  };
  GameTimer.OnTimer = [this] { GameTimerTimer(); };
  FRTimer.OnTimer = [this] { FRTimerTimer(); };
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
    if (Animating()) {
      // Asked between two frames: the turn in progress ends first, a
      // scramble ends after it, and the window then closes as usual.
      closePending_ = true;
      Renderer->Cube->StopShuffle = true;
      if (event.CanVeto()) event.Veto();
      return;
    }
    // A window must not go while its canvas holds the pointer.
    if (DrawWindow && DrawWindow->Canvas()->HasCapture()) DrawWindow->Canvas()->ReleaseMouse();
    KeepGameAtClose();
    FormDestroy();
    Destroy();
  });
}

TMainForm::~TMainForm() {
  wxEvtHandler::RemoveFilter(inputFilter_.get());
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
  SetTitle(wxString::FromUTF8(ProgramName + " " + ProgramVersion));
  GameSeconds = 0;
  Renderer = std::make_unique<VEKGL>();
  Renderer->Cube->AfterStepFrame = [this] { BetweenAnimationFrames(); };

  const IniFile ini(SettingsPath);
  const GameSettings settings = ReadSettings(ini);
  Records = GameRecords::Read(ini);
  Renderer->Cube->BodyColor = VEKColor::FromColorRef(static_cast<uint32_t>(settings.SpaceColor));
  Renderer->ClearColor = VEKColor::FromColorRef(static_cast<uint32_t>(settings.BGColor));
  Renderer->DrawQuality = settings.DrawQuality;
  Renderer->Cube->RotateSpeed = settings.RotateSpeed;
  Renderer->Cube->ShuffleRotateCount = settings.ShuffleRotateCount;
  Renderer->Cube->RotateAntiAlias = settings.RotateAntiAlias;
  FRTimer.SetInterval(settings.TimeoutRotate);
  CubeSize = settings.CubeSize;

  DrawWindow->OnCloseRequest = [this] { Close(); };
  Renderer->Attach(DrawWindow.get());
  attached_ = true;
  DrawPanelResize();
  SetStatus(wxString::FromUTF8("Готово!"));
  Renderer->Cube->Build(CubeSize);
  UpdateUndoRedo();
  FitViewToSize();
  UpdateContinueItem();
  RotatePhaseX = static_cast<int32_t>(vekrandom::Next() % 360) + 1;
  RotatePhaseY = static_cast<int32_t>(vekrandom::Next() % 360) + 1;
  RotatePhaseZ = static_cast<int32_t>(vekrandom::Next() % 360) + 1;
  DrawTimer.SetEnabled(true);
}

void TMainForm::CreateDialogs() {
  OptionsForm = new TOptionsForm(this, TOptionsForm::Targets{Renderer.get(), &CubeSize, &FRTimer});
  AboutForm = new TAboutForm(this, *services_.Desktop);
}

void TMainForm::FormDestroy() {
  if (destroyed_ || !Renderer) return;
  destroyed_ = true;
  // A window destroyed without being closed keeps its game all the same.
  if (GameRunning()) SaveResumeFile();
  KeptGames.Release();
  DrawTimer.SetEnabled(false);
  GameTimer.SetEnabled(false);
  FRTimer.SetEnabled(false);
  WriteSettingsFile();
  if (attached_) Renderer->Detach();
  attached_ = false;
}

bool TMainForm::WriteSettingsFile() {
  if (!Renderer) return false;
  GameSettings settings;
  settings.SpaceColor = static_cast<int32_t>(Renderer->Cube->BodyColor.ToColorRef());
  settings.BGColor = static_cast<int32_t>(Renderer->ClearColor.ToColorRef());
  settings.DrawQuality = Renderer->DrawQuality;
  settings.RotateAntiAlias = Renderer->Cube->RotateAntiAlias;
  settings.RotateSpeed = Renderer->Cube->RotateSpeed;
  settings.ShuffleRotateCount = Renderer->Cube->ShuffleRotateCount;
  settings.CubeSize = CubeSize;
  settings.TimeoutRotate = FRTimer.Interval();
  CreateFolderOf(SettingsPath);  // an installed game's configuration folder
  IniFile ini(SettingsPath);
  Records.Write(ini);  // saved with the settings, in the one replacement of the file
  if (WriteSettings(ini, settings)) return true;
  services_.ShowError(wxString::Format("Unable to write to %s", wxString::FromUTF8(SettingsPath)));
  return false;
}

wxString TMainForm::StatusText() const { return StatusBar->GetStatusText(0); }

void TMainForm::SetStatus(const wxString& text) {
  StatusBar->SetStatusText(text, 0);
  if (services_.StatusObserver) services_.StatusObserver(text);
  // Long commands hold the event loop; show the text before they start.
  StatusBar->Update();
}

void TMainForm::BuildDrawPanel() {
  DrawPanel = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_SUNKEN);
  DrawWindow = std::make_unique<GLCanvasWindow>(DrawPanel);
  TimerPanel = new wxPanel(DrawPanel, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE);
  TimerPanel->SetBackgroundColour(*wxBLACK);
  const wxColour skyBlue(0xA6, 0xCA, 0xF0);
  // The move counter left of the clock, wide enough for any count a game
  // reaches, so that the panel never changes size during a game.
  MovesLabel = new ClockCaption(TimerPanel, wxEmptyString);
  MovesLabel->SetFont(FontOfSize(14));
  MovesLabel->SetForegroundColour(skyBlue);
  MovesLabel->SetBackgroundColour(*wxBLACK);
  const int movesWidth = MovesLabel->GetTextExtent(MovesCaption(88888)).GetWidth() + 10;
  TimerLabel = new ClockCaption(TimerPanel, "00:00:00");
  TimerLabel->SetFont(FontOfSize(19));
  TimerLabel->SetForegroundColour(skyBlue);
  TimerLabel->SetBackgroundColour(*wxBLACK);
  auto* timerSizer = new wxBoxSizer(wxHORIZONTAL);
  timerSizer->Add(MovesLabel, 0, wxEXPAND);
  timerSizer->Add(TimerLabel, 1, wxEXPAND);
  TimerPanel->SetSizer(timerSizer);
  MovesLabel->SetMinSize(wxSize(movesWidth, -1));
  TimerPanel->SetSize(wxSize(movesWidth + 90, 29));
  TimerPanel->Layout();
  ShowMovesCount(0);
  TimerPanel->Hide();
  DrawPanel->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    DrawPanelResize();
    event.Skip();
  });
  BindInput();

  wxGLCanvas* canvas = DrawWindow->Canvas();
  canvas->Bind(wxEVT_ERASE_BACKGROUND, [](wxEraseEvent&) {});
  // The frame timer redraws within 10 ms; an exposed canvas needs no frame
  // of its own (and a turn's animation is never interleaved with one), only
  // the word that the picture on screen is gone. The clock repaints itself
  // every second and the toolkit reports that as an expose of the canvas
  // beneath it; what lies under the clock is never seen, so that one does
  // not count.
  canvas->Bind(wxEVT_PAINT, [this, canvas](wxPaintEvent&) {
    wxPaintDC dc(canvas);
    wxRegion exposed = canvas->GetUpdateRegion();
    if (TimerPanel->IsShown())
      exposed.Subtract(wxRect(TimerPanel->GetPosition() - canvas->GetPosition(), TimerPanel->GetSize()));
    if (Renderer && !exposed.IsEmpty()) Renderer->InvalidatePicture();
  });
}

void TMainForm::PlaceTimerPanel() {
  const wxSize client = DrawPanel->GetClientSize();
  TimerPanel->SetPosition(wxPoint(client.GetWidth() - TimerPanel->GetSize().GetWidth() - 4, 6));
  TimerPanel->Raise();
}

void TMainForm::DrawPanelResize() {
  const wxSize client = DrawPanel->GetClientSize();
  DrawWindow->Canvas()->SetSize(client);
  PlaceTimerPanel();
  if (attached_ && Renderer) Renderer->Resize(client.GetWidth(), client.GetHeight());
}

void TMainForm::ResetClock() {
  GameSeconds = 0;
  TimerLabel->SetLabel("00:00:00");
}

wxString TMainForm::MovesCaption(uint32_t moves) {
  return wxString::FromUTF8("Ходов: ") + wxString::Format("%u", moves);
}

void TMainForm::ShowMovesCount(uint32_t moves) { MovesLabel->SetLabel(MovesCaption(moves)); }

void TMainForm::ShowMoves() { ShowMovesCount(Renderer ? Renderer->Cube->MoveCount() : 0); }

void TMainForm::ShowGameTitle() {
  std::string title = ProgramName + " " + ProgramVersion;
  if (!GameFileName.empty()) {
    title += " >>> " + wxFileName(wxString::FromUTF8(GameFileName)).GetFullName().ToStdString(wxConvUTF8);
  }
  SetTitle(wxString::FromUTF8(title));
}
