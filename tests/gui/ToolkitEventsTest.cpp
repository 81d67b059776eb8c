// The main window under real toolkit events: X input made through XTest, a
// close request as the window manager sends it, and the toolkit's dialogs.
#include <cmath>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "GuiHelpers.h"
#include "app/toolkit/GLCanvasWindow.h"
#include "ToolkitDriver.h"

namespace {
double EyeDistance(const VEKGL& gl) {
  const VEKVector& e = gl.Camera.Eye;
  return std::sqrt(e.X * e.X + e.Y * e.Y + e.Z * e.Z);
}
std::string U8(const wxString& s) { return s.ToStdString(wxConvUTF8); }

class ToolkitEventsTest : public MainFormTest {
 protected:
  // Free rotation held off, so that only input moves the camera.
  void StartStill(std::vector<std::string> settings = {}) {
    settings.push_back("TimeoutRotate=1000000");
    Start(settings);
    form->Raise();
    int step = 0;
    ASSERT_TRUE(PumpUntil([&] {
      PointerTo(*form->DrawWindow->Canvas(), wxPoint(40 + ++step % 2, 40));
      return form->FRTimer.Enabled();
    }, 5000)) << "the pointer is over the picture";
  }
  wxPoint CanvasCentre() const {
    const wxSize size = form->DrawWindow->Canvas()->GetClientSize();
    return wxPoint(size.x / 2, size.y / 2);
  }
};
}  // namespace

TEST_F(ToolkitEventsTest, OneWheelNotchZoomsOneStepOverThePictureAndElsewhere) {
  StartStill();
  const double start = EyeDistance(gl());
  PointerTo(*form->DrawWindow->Canvas(), CanvasCentre());
  ClickButton(4);  // away from the player: zoom in
  ASSERT_TRUE(PumpUntil([&] { return std::fabs(EyeDistance(gl()) - start) > 1e-4; }, 3000));
  Pump(150);  // a second handling of the same notch would have come by now
  EXPECT_NEAR(EyeDistance(gl()), start / 1.01, 1e-4);
  // Over the status line: one notch towards the player, back to the start.
  PointerTo(*form->StatusBar, wxPoint(30, 5));
  ClickButton(5);
  ASSERT_TRUE(PumpUntil([&] { return std::fabs(EyeDistance(gl()) - start / 1.01) > 1e-4; }, 3000));
  Pump(150);
  EXPECT_NEAR(EyeDistance(gl()), start, 1e-4);
}

TEST_F(ToolkitEventsTest, InputMadeDuringAScrambleIsDroppedNotReplayedButStopActs) {
  StartStill({"RotateSpeed=10", "ShuffleRotateCount=8"});
  const double start = EyeDistance(gl());
  // Queued before New game runs, so that all of it arrives while the cube
  // is scrambled: wheel notches and arrow keys over the picture.
  PointerTo(*form->DrawWindow->Canvas(), CanvasCentre());
  for (int i = 0; i < 3; ++i) ClickButton(5);
  for (int i = 0; i < 3; ++i) PressKey(XK_Down);
  form->N4Click();
  EXPECT_TRUE(Played());
  Pump(300);
  EXPECT_NEAR(EyeDistance(gl()), start, 1e-5) << "no zoom after the scramble";
  EXPECT_TRUE(form->GameTimer.Enabled());
  EXPECT_FALSE(IsSolved(cube()));
  // Input made after the scramble works as before.
  ClickButton(5);
  EXPECT_TRUE(PumpUntil([&] { return std::fabs(EyeDistance(gl()) - start * 1.01) < 1e-4; }, 3000));

  // The Stop button, clicked during a scramble: it ends after the current
  // turn and Stop does what it does. Everything else is greyed meanwhile.
  cube().ShuffleRotateCount = 200;
  PointerTo(*form->Bars->ToolBarButton, wxPoint(4 * 44 - 20, form->Bars->ToolBarButton->GetClientSize().y / 2));
  form->N4Click();
  ASSERT_TRUE(form->Scrambling());
  EXPECT_FALSE(form->Bars->MainMenu->FindItem(form->Bars->MainMenu->FindMenuItem(
                   wxString::FromUTF8("Игра"), wxString::FromUTF8("Открыть...")))->IsEnabled());
  ClickButton(1);
  EXPECT_TRUE(PumpUntil([&] { return !form->Scrambling(); }, 10000));
  EXPECT_LT(cube().ScrambleMoves.size(), 200u);
  EXPECT_FALSE(form->GameTimer.Enabled()) << "stopped";
  EXPECT_TRUE(IsSolved(cube()));
}

TEST_F(ToolkitEventsTest, TheWindowRepaintsBetweenTheFramesOfAScramble) {
  StartStill({"RotateSpeed=2", "ShuffleRotateCount=3"});
  bool paintedWhileBusy = false;
  form->StatusBar->Bind(wxEVT_PAINT, [&](wxPaintEvent& event) {
    paintedWhileBusy = paintedWhileBusy || cube().Busy;
    event.Skip();
  });
  // A window over the status line goes away just before New game: its
  // exposure has to be painted during the scramble.
  const wxRect line = form->StatusBar->GetScreenRect();
  auto* cover = new wxFrame(nullptr, wxID_ANY, "cover", line.GetPosition(), line.GetSize(),
                            wxFRAME_NO_TASKBAR | wxBORDER_NONE);
  cover->Show();
  Pump(200);
  cover->Hide();
  SyncX();
  form->N4Click();
  EXPECT_TRUE(PumpUntil([&] { return !form->Scrambling(); }, 20000));
  cover->Destroy();
  EXPECT_TRUE(paintedWhileBusy);
}

TEST_F(ToolkitEventsTest, ClosingDuringAScrambleEndsItAtOnceAndWritesTheSettings) {
  StartStill({"RotateSpeed=9", "ShuffleRotateCount=500"});
  form->N4Click();
  ASSERT_TRUE(PumpUntil([&] { return cube().ScrambleMoves.size() >= 2; }, 20000));
  TMainForm* closing = form;
  RequestClose(*form);
  form = nullptr;
  // Closed as usual, long before the scramble's 500 turns.
  EXPECT_TRUE(PumpUntil([&] {
    return std::find(wxTopLevelWindows.begin(), wxTopLevelWindows.end(), closing) == wxTopLevelWindows.end();
  }, 20000));
  const std::string written = ReadFile(SettingsPath());
  EXPECT_NE(written.find("ShuffleRotateCount=500\n"), std::string::npos) << written;
  Pump(50);
}

TEST_F(ToolkitEventsTest, ClosingDuringADraggedTurnFreesThePointerAndCloses) {
  StartStill({"RotateSpeed=2"});
  // A toolkit assertion (a window destroyed while it holds the pointer) ends the run.
  const wxAssertHandler_t previous = wxSetAssertHandler(
      [](const wxString&, int, const wxString&, const wxString&, const wxString& message) {
        std::fprintf(stderr, "toolkit assertion: %s\n", static_cast<const char*>(message.utf8_str()));
        std::abort();
      });
  // A real drag along the top row of the front face in the start view; the
  // close request comes while the layer turns and the button is still down.
  gl().Camera = VEKCamera();
  gl().Camera.LoadView();
  wxGLCanvas* canvas = form->DrawWindow->Canvas();
  const wxSize size = canvas->GetClientSize();
  const int side = std::min(size.x, size.y);
  const double scale = side / 2.0 / (17.6 * std::tan(15 * kDegree));
  auto at = [&](float x, float y) {
    return wxPoint(static_cast<int>(size.x / 2.0 + x * scale), static_cast<int>(size.y / 2.0 - y * scale));
  };
  // The close request is sent once the layer has begun to turn.
  TMainForm* closing = form;
  int turning = 0;
  PointerTo(*canvas, at(0, 1.6f));
  XTestFakeButtonEvent(XDisplayOfToolkit(), 1, True, 0);
  // Each move is seen by the window before the next is made: the toolkit
  // would merge moves queued together into one.
  wxPoint seen;
  canvas->Bind(wxEVT_MOTION, [&seen](wxMouseEvent& event) {
    seen = event.GetPosition();
    event.Skip();
  });
  for (int i = 1; i <= 10 && turning == 0; ++i) {
    PointerTo(*canvas, at(0.16f * i, 1.6f));
    PumpUntil([&] { return seen == at(0.16f * i, 1.6f) || closing->Animating(); }, 5000);
    if (closing->Animating()) turning = i;
  }
  ASSERT_GT(turning, 0) << "the drag turned a layer";
  RequestClose(*closing);
  form = nullptr;
  const bool closed = PumpUntil([&] {
    return std::find(wxTopLevelWindows.begin(), wxTopLevelWindows.end(), closing) == wxTopLevelWindows.end();
  }, 20000);
  XTestFakeButtonEvent(XDisplayOfToolkit(), 1, False, 0);
  SyncX();
  wxSetAssertHandler(previous);
  EXPECT_TRUE(closed);
  EXPECT_NE(ReadFile(SettingsPath()).find("RotateSpeed=2\n"), std::string::npos) << "the settings were written";
}

TEST_F(ToolkitEventsTest, TheStatusLineKeepsItsTextUnderToolButtonsAndMenuItems) {
  StartStill();
  form->SetStatus(wxString::FromUTF8("Готово!"));
  PointerTo(*form->Bars->ToolBarButton, wxPoint(20, form->Bars->ToolBarButton->GetClientSize().y / 2));
  Pump(300);
  PointerTo(*form->Bars->ToolBarButton, wxPoint(64, form->Bars->ToolBarButton->GetClientSize().y / 2));
  Pump(300);
  EXPECT_EQ(U8(form->StatusText()), "Готово!");
  // A highlighted menu item, as the toolkit reports it to the frame.
  wxMenu* game = form->Bars->MainMenu->GetMenu(0);
  form->ProcessWindowEvent(*std::make_unique<wxMenuEvent>(wxEVT_MENU_OPEN, 0, game));
  wxMenuEvent highlight(wxEVT_MENU_HIGHLIGHT, game->FindItemByPosition(0)->GetId(), game);
  form->ProcessWindowEvent(highlight);
  EXPECT_EQ(U8(form->StatusText()), "Готово!");
  form->ProcessWindowEvent(*std::make_unique<wxMenuEvent>(wxEVT_MENU_CLOSE, 0, game));
  EXPECT_EQ(U8(form->StatusText()), "Готово!");
}

TEST_F(ToolkitEventsTest, MenuItemsShowTheirImages) {
  Start();
  int withImage = 0;
  for (size_t m = 0; m < form->Bars->MainMenu->GetMenuCount(); ++m) {
    for (wxMenuItem* item : form->Bars->MainMenu->GetMenu(m)->GetMenuItems()) {
      if (!item->GetBitmap().IsOk()) continue;
      ++withImage;
      G_GNUC_BEGIN_IGNORE_DEPRECATIONS
      GtkWidget* image = gtk_image_menu_item_get_image(GTK_IMAGE_MENU_ITEM(item->GetMenuItem()));
      G_GNUC_END_IGNORE_DEPRECATIONS
      ASSERT_NE(image, nullptr) << U8(item->GetItemLabelText());
      EXPECT_TRUE(gtk_widget_get_visible(image)) << U8(item->GetItemLabelText());
    }
  }
  EXPECT_EQ(withImage, 11);  // the items of the Game and Help menus with a picture
}

TEST_F(ToolkitEventsTest, TheFileDialogsSpeakRussian) {
  Start();
  std::string title, cancel;
  DialogScript script({[&] {
    GtkWidget* dialog = VisibleToplevel(GTK_TYPE_FILE_CHOOSER_DIALOG);
    if (!dialog) return false;
    title = gtk_window_get_title(GTK_WINDOW(dialog));
    std::vector<std::string> labels;
    CollectLabels(gtk_dialog_get_widget_for_response(GTK_DIALOG(dialog), GTK_RESPONSE_CANCEL), labels);
    for (const std::string& l : labels) cancel += l;
    gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_CANCEL);
    return true;
  }});
  wxString path;
  EXPECT_FALSE(DialogFileChooser().ChooseOpen(form, "Tessaro File|*.cube", path));
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(title, "Открыть...");
  EXPECT_EQ(cancel.rfind("Отмен", 0), 0u) << cancel;  // "Отмена" or "Отменить"
}

TEST_F(ToolkitEventsTest, SaveAsAsksBeforeReplacingAFile) {
  Start();
  { std::ofstream(Path("game.cube")) << "old"; }
  std::string question, title;
  auto typeName = [&](const char* name) {
    // The chooser checks a typed name in the background before it accepts;
    // the button is pressed again until the dialog has gone.
    return [&, name, typed = false]() mutable {
      GtkWidget* dialog = VisibleToplevel(GTK_TYPE_FILE_CHOOSER_DIALOG);
      if (!dialog) return typed;
      if (!typed) {
        title = gtk_window_get_title(GTK_WINDOW(dialog));
        gtk_file_chooser_set_current_folder(GTK_FILE_CHOOSER(dialog), folder.c_str());
        gtk_file_chooser_set_current_name(GTK_FILE_CHOOSER(dialog), name);
        typed = true;
        return false;
      }
      // The chooser changes folder in the background too: a press before
      // it has would save in the folder it started in.
      gchar* current = gtk_file_chooser_get_current_folder(GTK_FILE_CHOOSER(dialog));
      const bool ready = current && folder.string() == current;
      g_free(current);
      if (ready)
        gtk_button_clicked(
            GTK_BUTTON(gtk_dialog_get_widget_for_response(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT)));
      return false;
    };
  };
  auto answer = [&](int response) {
    return [&, response] {
      GtkWidget* box = VisibleToplevel(GTK_TYPE_MESSAGE_DIALOG);
      if (!box) return false;
      gchar* text = nullptr;
      g_object_get(box, "text", &text, nullptr);
      question = text ? text : "";
      g_free(text);
      gtk_dialog_response(GTK_DIALOG(box), response);
      return true;
    };
  };
  auto cancelFileDialog = [&] {
    GtkWidget* dialog = VisibleToplevel(GTK_TYPE_FILE_CHOOSER_DIALOG);
    if (!dialog) return false;
    gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_CANCEL);
    return true;
  };
  wxString path;
  {
    // Not replaced: the dialog comes back; cancelling it saves nothing.
    DialogScript script({typeName("game"), answer(GTK_RESPONSE_NO), cancelFileDialog});
    EXPECT_FALSE(DialogFileChooser().ChooseSave(form, "Tessaro File|*.cube", "x.cube", "cube", path))
        << U8(path);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(title, "Сохранить как...");
    EXPECT_NE(question.find("«game.cube» уже существует"), std::string::npos) << question;
  }
  {
    // Typed with its extension, the name is asked about just the same.
    question.clear();
    DialogScript script({typeName("game.cube"), answer(GTK_RESPONSE_YES)});
    ASSERT_TRUE(DialogFileChooser().ChooseSave(form, "Tessaro File|*.cube", "x.cube", "cube", path));
    EXPECT_TRUE(script.Finished());
    EXPECT_NE(question.find("«game.cube» уже существует"), std::string::npos) << question;
    EXPECT_EQ(U8(path), Path("game.cube"));
  }
  {
    // A new name is not asked about.
    question.clear();
    DialogScript script({typeName("fresh")});
    ASSERT_TRUE(DialogFileChooser().ChooseSave(form, "Tessaro File|*.cube", "x.cube", "cube", path));
    EXPECT_TRUE(question.empty());
    EXPECT_EQ(U8(path), Path("fresh.cube"));
  }
}
