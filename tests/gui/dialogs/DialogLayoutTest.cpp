// The dialogs as the player sees them on a real display: sizes, placement,
// nothing clipped or overlapping, and real mouse and keyboard input.
// A failing layout leaves a screenshot (TESSARO_SCREENSHOT_DIR or the working
// directory); with TESSARO_SCREENSHOT_DIR set, every layout is kept.
#include <gtest/gtest.h>

#include <wx/frame.h>
#include <wx/listctrl.h>
#include <wx/notebook.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <functional>
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "tests/unit/game/FakeSolveLog.h"
#include "app/dialogs/AboutForm.h"
#include "app/dialogs/ColorBox.h"
#include "app/dialogs/KeptGamesForm.h"
#include "app/dialogs/OptionsForm.h"
#include "app/dialogs/RecordsForm.h"
#include "app/dialogs/StatisticsForm.h"
#include "app/dialogs/TimesChart.h"
#include "app/toolkit/Languages.h"
#include "app/toolkit/ProgramInfo.h"
#include "app/toolkit/Shell.h"
#include "app/toolkit/Timer.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"

namespace {

class CountingShell : public Shell {
 public:
  bool OpenDocument(const std::string&) override { return true; }
  bool OpenAddress(const std::string& address) override {
    addresses.push_back(address);
    return true;
  }
  std::vector<std::string> addresses;
};

std::string Describe(const wxWindow& window) {
  return wxString(window.GetClassInfo()->GetClassName()).ToStdString() + " \"" +
         window.GetLabel().ToStdString(wxConvUTF8) + "\"";
}

class OnScreenTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    parent_ = new wxFrame(nullptr, wxID_ANY, "Tessaro 3D", wxPoint(200, 150), wxSize(478, 399));
    parent_->Show();
    PumpEvents();
  }
  void TearDown() override {
    if (options_) options_->Destroy();
    if (about_) about_->Destroy();
    parent_->Destroy();
    PumpEvents();
    ToolkitTest::TearDown();
  }

  TOptionsForm& Options() {
    if (!options_) options_ = new TOptionsForm(parent_, {&renderer_, &cubeSize_, &idleTimer_});
    return *options_;
  }
  TAboutForm& About() {
    if (!about_) about_ = new TAboutForm(parent_, shell_);
    return *about_;
  }

  // Every shown control lies inside its parent, has at least the size it
  // asks for (so no text is cut off), and overlaps none of its siblings.
  void ExpectTidy(const wxWindow& top, const std::string& shot) {
    for (const wxWindow* window : ShownDescendants(top)) {
      SCOPED_TRACE(Describe(*window));
      // Notebook pages are placed by the toolkit, in coordinates of its own.
      const wxWindow& parent = *window->GetParent();
      const wxRect inParent(wxPoint(0, 0), parent.GetClientSize());
      if (!dynamic_cast<const wxNotebook*>(&parent)) {
        EXPECT_TRUE(inParent.Contains(window->GetRect()))
            << "at " << window->GetRect().x << "," << window->GetRect().y << " size "
            << window->GetRect().width << "x" << window->GetRect().height << " in "
            << inParent.width << "x" << inParent.height;
      }
      const wxSize best = window->GetBestSize();
      EXPECT_GE(window->GetSize().x, best.x);
      EXPECT_GE(window->GetSize().y, best.y);
      for (const wxWindow* sibling : window->GetParent()->GetChildren()) {
        if (sibling == window || !sibling->IsShown() || sibling->IsTopLevel()) continue;
        EXPECT_FALSE(window->GetRect().Intersects(sibling->GetRect())) << "overlaps " << Describe(*sibling);
      }
    }
    if (HasFailure() || !ScreenshotDirectory().empty()) SaveScreenshot(shot);
  }

  // The middle of a window, in screen coordinates.
  static wxPoint ScreenCentre(const wxWindow& window) {
    const wxRect rect = window.GetScreenRect();
    return rect.GetPosition() + wxSize(rect.width / 2, rect.height / 2);
  }

  wxFrame* parent_ = nullptr;
  VEKGL renderer_;
  int32_t cubeSize_ = 3;
  TTimer idleTimer_{10000};
  CountingShell shell_;
  TOptionsForm* options_ = nullptr;
  TAboutForm* about_ = nullptr;
};

using DialogLayoutTest = OnScreenTest;
// The player's own mouse and keyboard, through the display server.
using RealInputTest = OnScreenTest;

// Made in English, then in Russian as the open dialog relabels itself.
TEST_F(DialogLayoutTest, OptionsPagesNeitherClipNorOverlapInEitherLanguage) {
  AddCatalogueFolder(TESSARO_BUILD_LOCALE);
  UseLanguage("en");
  TOptionsForm& form = Options();
  form.Show();
  for (const std::string language : {"en", "ru"}) {
    UseLanguage(language);
    form.Relabel();
    for (int page = 0; page < 3; ++page) {
      SCOPED_TRACE(language + " page " + std::to_string(page));
      form.PageControl1->SetSelection(page);
      PumpEvents(150);
      ExpectTidy(form, "options-" + language + "-page-" + std::to_string(page + 1));
    }
  }
}

TEST_F(DialogLayoutTest, OptionsDialogHasAFixedSizeAndTheButtonBottomRight) {
  TOptionsForm& form = Options();
  form.Show();
  PumpEvents(150);
  EXPECT_FALSE(form.HasFlag(wxRESIZE_BORDER));
  EXPECT_EQ(form.GetMinSize(), form.GetSize());
  EXPECT_EQ(form.GetMaxSize(), form.GetSize());
  const wxSize client = form.GetClientSize();
  EXPECT_GE(client.x, 287);
  EXPECT_GE(client.y, 285);
  const wxRect pages = form.PageControl1->GetRect();
  const wxRect note = form.Label14->GetRect();
  const wxRect ok = form.ButtonOK->GetRect();
  EXPECT_GE(note.y, pages.GetBottom());
  EXPECT_GE(ok.y, pages.GetBottom());
  EXPECT_LE(note.GetRight(), ok.x);
  EXPECT_LE(client.x - ok.GetRight(), 12);
  EXPECT_LE(client.y - ok.GetBottom(), 12);
  EXPECT_GT(form.Label14->GetLabel().Freq('\n'), 0) << "the note wraps beside the button";
}

TEST_F(DialogLayoutTest, AboutBoxNeitherClipsNorOverlapsAndHasAFixedSize) {
  TAboutForm& form = About();
  form.Show();
  PumpEvents(150);
  ExpectTidy(form, "about");
  EXPECT_FALSE(form.HasFlag(wxRESIZE_BORDER));
  EXPECT_EQ(form.GetMinSize(), form.GetSize());
  EXPECT_EQ(form.GetMaxSize(), form.GetSize());
  const wxSize client = form.GetClientSize();
  EXPECT_GE(client.x, 240);
  EXPECT_GE(client.y, 143);
  const wxRect ok = form.Button1->GetRect();
  EXPECT_LE(client.x - ok.GetRight(), 12);
  EXPECT_LE(client.y - ok.GetBottom(), 12);
  EXPECT_GT(ok.y, form.Label3->GetRect().GetBottom());
}

// Forty games of 3×3×3 getting faster, a few not brought home, and two of
// 2×2×2: every page fits a 1024×600 screen with room for a title bar.
FakeSolveLog FortyGames() {
  FakeSolveLog log;
  for (int i = 0; i < 40; ++i) {
    const int64_t ms = 95000 - i * 900 + (i * 7919 % 23) * 1000;
    const SolveHow how = i % 13 == 6 ? SolveHow::Computer : i == 31 ? SolveHow::Abandoned : SolveHow::Solved;
    log.Finish(3, ms, static_cast<uint32_t>(110 + i * 37 % 40), how, "R U F'", i == 35);
  }
  log.Finish(2, 14230, 31);
  log.Finish(2, 9870, 24);
  return log;
}

TEST_F(DialogLayoutTest, StatisticsPagesFitASmallScreenAndNeitherClipNorOverlap) {
  FakeSolveLog log = FortyGames();
  TStatisticsForm form(parent_, log, 3);
  form.Show();
  for (int size = 2; size <= 5; ++size) {
    SCOPED_TRACE(size);
    form.Pages->SetSelection(static_cast<std::size_t>(size - 2));
    PumpEvents(150);
    ExpectTidy(form, "statistics-" + std::to_string(size));
  }
  EXPECT_TRUE(form.HasFlag(wxRESIZE_BORDER));
  EXPECT_LE(form.GetSize().x, 1000);
  EXPECT_LE(form.GetSize().y, 540);
}

TEST_F(DialogLayoutTest, DialogsOpenCentredOnTheirParentWhereverItHasMoved) {
  TOptionsForm& options = Options();
  TAboutForm& about = About();
  for (wxDialog* dialog : std::vector<wxDialog*>{&options, &about}) {
    SCOPED_TRACE(Describe(*dialog));
    // Shown once, then the main window moves before the next opening.
    for (const wxPoint& place : {wxPoint(200, 150), wxPoint(520, 380)}) {
      parent_->Move(place);
      PumpEvents(150);
      dialog->Show();
      PumpEvents(150);
      const wxPoint parentCentre = ScreenCentre(*parent_);
      const wxPoint dialogCentre = ScreenCentre(*dialog);
      EXPECT_NEAR(dialogCentre.x, parentCentre.x, 4);
      EXPECT_NEAR(dialogCentre.y, parentCentre.y, 4);
      dialog->Hide();
      PumpEvents();
    }
  }
}

TEST_F(RealInputTest, LinkLinesAnswerAClick) {
  TAboutForm& form = About();
  form.Show();
  form.Raise();
  PumpEvents(200);
  wxUIActionSimulator player;
  player.MouseMove(ScreenCentre(*form.Label3));
  PumpEvents(50);
  player.MouseClick();
  ASSERT_TRUE(PumpUntil([&] { return !shell_.addresses.empty(); }, 2000));
  player.MouseMove(ScreenCentre(*form.Label2));
  PumpEvents(50);
  player.MouseClick();
  PumpUntil([&] { return shell_.addresses.size() > 1; }, 2000);
  ASSERT_EQ(shell_.addresses.size(), 2u);
  EXPECT_EQ(shell_.addresses[0], std::string("mailto:") + kMailAddress);
  EXPECT_EQ(shell_.addresses[1], kWebPage);
}

TEST_F(RealInputTest, TypedShuffleCountIsUsedWithinTheEditsRange) {
  TOptionsForm& form = Options();
  form.PageControl1->SetSelection(0);
  form.Show();
  form.Raise();
  PumpEvents(200);
  form.UpDownShuffle->SetFocus();
  form.UpDownShuffle->SetSelection(-1, -1);
  PumpEvents(100);
  wxUIActionSimulator player;
  player.Text("64");
  ASSERT_TRUE(PumpUntil([&] { return renderer_.Cube->ShuffleRotateCount == 64; }, 2000))
      << "count is " << renderer_.Cube->ShuffleRotateCount;
  player.Text("00");  // 6400, beyond the edit's range
  PumpUntil([&] { return renderer_.Cube->ShuffleRotateCount != 64; }, 2000);
  EXPECT_EQ(renderer_.Cube->ShuffleRotateCount, 1000);
}

TEST_F(RealInputTest, ArrowKeysOnTheSlidersChangeQualityAndSpeed) {
  TOptionsForm& form = Options();
  form.PageControl1->SetSelection(0);
  form.Show();
  form.Raise();
  PumpEvents(200);
  wxUIActionSimulator player;
  form.TrackBarQuality->SetFocus();
  PumpEvents(100);
  player.Char(WXK_RIGHT);
  EXPECT_TRUE(PumpUntil([&] { return renderer_.DrawQuality == 2; }, 2000))
      << "passes are " << renderer_.DrawQuality;

  form.PageControl1->SetSelection(2);
  PumpEvents(100);
  form.TrackBarRSpeed->SetFocus();
  PumpEvents(100);
  player.Char(WXK_LEFT);  // from the cube's own 6 degrees at position 5
  EXPECT_TRUE(PumpUntil([&] { return renderer_.Cube->RotateSpeed == 5; }, 2000))
      << "speed is " << renderer_.Cube->RotateSpeed;
}

TEST_F(RealInputTest, ClickOnTheCheckBoxSwitchesAntialiasingWhileRotating) {
  TOptionsForm& form = Options();
  form.PageControl1->SetSelection(0);
  form.Show();
  form.Raise();
  PumpEvents(200);
  wxUIActionSimulator player;
  player.MouseMove(ScreenCentre(*form.HQRCheckBox));
  PumpEvents(50);
  player.MouseClick();
  EXPECT_TRUE(PumpUntil([&] { return renderer_.Cube->RotateAntiAlias; }, 2000));
  EXPECT_TRUE(form.HQRCheckBox->GetValue());
}

// Each dialog, shown modally, is closed by Escape once it has the keyboard,
// and closes as its OK button does: the Options dialog has no Cancel, so the
// body colour reaches the cubies, as OK does and the title bar does not. The
// list of kept games closes continuing none, the statistics choosing none.
TEST_F(RealInputTest, EscapeClosesEachDialogAsItsOKButton) {
  GameRecords records;
  TRecordsForm recordsForm(parent_, records);
  TKeptGamesForm keptForm(parent_, {[] { return std::vector<KeptGame>{{"/k/resume.cube", 0, SavedGameSummary{3, {}, {}}}}; }, {}});
  FakeSolveLog history = FortyGames();
  TStatisticsForm statisticsForm(parent_, history, 3);
  TOptionsForm& options = Options();
  struct Case {
    wxDialog* dialog;
    std::function<void()> change, check;
  } cases[] = {
      {&options,
       [&] { PickEntry(*options.ColorBoxSpace, options.ColorBoxSpace->FindString("Lime", true)); },
       [&] { EXPECT_EQ(renderer_.Cube->Cubies[0].BodyColor.ToColorRef(), 0x00FF00u); }},
      {&About(), [] {}, [] {}},
      {&recordsForm, [] {}, [] {}},
      {&keptForm, [] {}, [&] { EXPECT_EQ(keptForm.Chosen(), ""); }},
      {&statisticsForm, [] {}, [&] { EXPECT_FALSE(statisticsForm.Chosen()); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Describe(*c.dialog));
    bool pressed = false;
    wxTimer player;
    player.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
      if (pressed || !c.dialog->IsShown()) return;
      const wxWindow* focus = wxWindow::FindFocus();
      if (!focus || wxGetTopLevelParent(const_cast<wxWindow*>(focus)) != c.dialog) {
        c.dialog->Raise();
        return;
      }
      c.change();
      wxUIActionSimulator().Char(WXK_ESCAPE);
      pressed = true;
    });
    player.Start(20);
    // Should Escape be lost, the dialog is closed another way after a while.
    wxTimer rescue;
    rescue.Bind(wxEVT_TIMER, [&](wxTimerEvent&) { c.dialog->EndModal(wxID_ABORT); });
    rescue.StartOnce(20000);
    const bool cancels = c.dialog == &keptForm || c.dialog == &statisticsForm;
    EXPECT_EQ(c.dialog->ShowModal(), cancels ? wxID_CANCEL : wxID_OK);
    EXPECT_TRUE(pressed);
    EXPECT_FALSE(c.dialog->IsShown());
    c.check();
  }
}

}  // namespace
