// The Options dialog against a real renderer, cube and idle timer: what it
// shows when it opens, and what each control changes the moment it moves.
#include <gtest/gtest.h>

#include <wx/frame.h>
#include <wx/spinctrl.h>

#include <memory>
#include <vector>

#include "DialogTestSupport.h"
#include "app/dialogs/ColorBox.h"
#include "app/dialogs/OptionsForm.h"
#include "app/toolkit/Timer.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"

namespace {

// Positions and the values they stand for, as the game's tables give them.
const int kPasses[] = {1, 2, 3, 4, 5, 6, 8, 9, 12, 16};
const int kDegrees[] = {1, 2, 3, 5, 6, 9, 10, 30, 45};

class OptionsFormTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    parent_ = new wxFrame(nullptr, wxID_ANY, "Tessaro 3D", wxPoint(60, 40), wxSize(478, 399));
    parent_->Show();
    // The values a first run without a settings file starts with.
    cube().BodyColor = VEKColor::FromColorRef(0xF0FBFF);
    cube().ApplyBodyColor();
    renderer_.SetClearColor(VEKColor::FromColorRef(0));
    cube().RotateSpeed = 5;
    cube().ShuffleRotateCount = 30;
  }
  void TearDown() override {
    if (form_) form_->Destroy();
    parent_->Destroy();
    PumpEvents();
    ToolkitTest::TearDown();
  }

  VEKBigCube& cube() { return *renderer_.Cube; }

  TOptionsForm& Form() {
    if (!form_) form_ = new TOptionsForm(parent_, {&renderer_, &cubeSize_, &idleTimer_});
    return *form_;
  }

  // Opens the dialog without a modal loop, as far as the toolkit's own
  // events go, and closes it again.
  void Open() {
    Form().Show();
    PumpEvents();
  }
  void Close() {
    Form().Hide();
    PumpEvents();
  }
  void Reopen() {
    Close();
    Open();
  }

  // The player moves a control: the control changes, then tells its handler.
  void Slide(wxSlider& slider, int position) {
    slider.SetValue(position);
    SendCommand(slider, wxEVT_SLIDER, position);
  }
  void Spin(wxSpinCtrl& spin, int value) {
    spin.SetValue(value);
    wxSpinEvent event(wxEVT_SPINCTRL, spin.GetId());
    event.SetEventObject(&spin);
    event.SetPosition(value);
    spin.GetEventHandler()->ProcessEvent(event);
  }
  void Check(wxCheckBox& box, bool checked) {
    box.SetValue(checked);
    SendCommand(box, wxEVT_CHECKBOX, checked);
  }
  void PickColour(ColorBox& box, const char* name) { PickEntry(box, box.FindString(name, true)); }

  bool CubiesHave(uint32_t colorRef) const {
    const VEKBigCube& c = *renderer_.Cube;
    for (int i = 0; i < c.CubieCount; ++i)
      if (c.Cubies[i].BodyColor.ToColorRef() != colorRef) return false;
    return c.CubieCount > 0;
  }

  wxFrame* parent_ = nullptr;
  VEKGL renderer_;
  int32_t cubeSize_ = 3;
  TTimer idleTimer_{10000};
  TOptionsForm* form_ = nullptr;
};

// ---- What the dialog shows -------------------------------------------------

TEST_F(OptionsFormTest, CreationShowsEveryLiveValue) {
  cube().ShuffleRotateCount = 77;
  cubeSize_ = 4;
  cube().BodyColor = VEKColor::FromColorRef(0x00483535);
  renderer_.SetClearColor(VEKColor::FromColorRef(0x0000FF));
  cube().RotateAntiAlias = true;
  cube().ShowShuffle = false;
  cube().RotateSpeed = 30;
  renderer_.DrawQuality = 12;
  idleTimer_.SetInterval(1999);

  TOptionsForm& form = Form();
  EXPECT_EQ(form.UpDownShuffle->GetValue(), 77);
  EXPECT_FALSE(form.ShowShuffleCheckBox->GetValue());
  EXPECT_EQ(form.ComboBoxSize->GetStringSelection(), "4x4x4");
  EXPECT_EQ(form.ColorBoxSpace->SelectedColor(), 0x00483535u);
  EXPECT_EQ(form.ColorBoxBG->GetStringSelection(), "Red");
  EXPECT_TRUE(form.HQRCheckBox->GetValue());
  EXPECT_EQ(form.TrackBarRSpeed->GetValue(), 8);
  EXPECT_EQ(form.TrackBarQuality->GetValue(), 9);
  EXPECT_EQ(form.FRUpDown->GetValue(), 1) << "1999 ms are one whole second";
}

TEST_F(OptionsFormTest, DefaultIdleTimeShowsAsTenSeconds) {
  EXPECT_EQ(Form().FRUpDown->GetValue(), 10);
}

TEST_F(OptionsFormTest, EveryShowRefillsAllButTheAntialiasingBoxAndTheIdleTime) {
  TOptionsForm& form = Form();
  // Changed elsewhere while the dialog was closed (a loaded game, say).
  cube().ShuffleRotateCount = 400;
  cubeSize_ = 5;
  cube().BodyColor = VEKColor::FromColorRef(0x808000);
  renderer_.SetClearColor(VEKColor::FromColorRef(0xF0CAA6));
  cube().RotateSpeed = 45;
  renderer_.DrawQuality = 16;
  cube().RotateAntiAlias = true;
  cube().ShowShuffle = false;
  idleTimer_.SetInterval(5000);

  Open();
  EXPECT_EQ(form.UpDownShuffle->GetValue(), 400);
  EXPECT_FALSE(form.ShowShuffleCheckBox->GetValue());
  EXPECT_EQ(form.ComboBoxSize->GetStringSelection(), "5x5x5");
  EXPECT_EQ(form.ColorBoxSpace->GetStringSelection(), "Teal");
  EXPECT_EQ(form.ColorBoxBG->GetStringSelection(), "Sky Blue");
  EXPECT_EQ(form.TrackBarRSpeed->GetValue(), 9);
  EXPECT_EQ(form.TrackBarQuality->GetValue(), 10);
  EXPECT_FALSE(form.HQRCheckBox->GetValue());
  EXPECT_EQ(form.FRUpDown->GetValue(), 10);
}

TEST_F(OptionsFormTest, ModalShowRefillsTheControlsToo) {
  TOptionsForm& form = Form();
  cube().ShuffleRotateCount = 123;
  int shownValue = -1;
  form.CallAfter([&] {
    shownValue = form.UpDownShuffle->GetValue();
    form.ButtonOKClick();
  });
  EXPECT_EQ(form.ShowModal(), wxID_OK);
  EXPECT_EQ(shownValue, 123);
  EXPECT_FALSE(form.IsShown());
}

TEST_F(OptionsFormTest, OpeningNeverWritesBackAValueItCannotShow) {
  renderer_.DrawQuality = 7;
  cube().RotateSpeed = 15;
  cube().ShuffleRotateCount = 0;
  idleTimer_.SetInterval(1999);
  TOptionsForm& form = Form();
  Open();
  EXPECT_EQ(form.TrackBarQuality->GetValue(), 1) << "left at its first position";
  EXPECT_EQ(form.TrackBarRSpeed->GetValue(), 5) << "left at its design position";
  EXPECT_EQ(form.UpDownShuffle->GetValue(), 1) << "the edit's range starts at 1";
  Reopen();
  cube().ShuffleRotateCount = 2000;
  Reopen();
  EXPECT_EQ(form.UpDownShuffle->GetValue(), 1000);
  Close();
  EXPECT_EQ(renderer_.DrawQuality, 7);
  EXPECT_EQ(cube().RotateSpeed, 15);
  EXPECT_EQ(cube().ShuffleRotateCount, 2000);
  EXPECT_EQ(idleTimer_.Interval(), 1999);
}

TEST_F(OptionsFormTest, ValueOutsideTheTableLeavesTheSliderWhereThePlayerLeftIt) {
  TOptionsForm& form = Form();
  Open();
  Slide(*form.TrackBarQuality, 4);
  Slide(*form.TrackBarRSpeed, 2);
  Close();
  renderer_.DrawQuality = 7;
  cube().RotateSpeed = 15;
  Open();
  EXPECT_EQ(form.TrackBarQuality->GetValue(), 4);
  EXPECT_EQ(form.TrackBarRSpeed->GetValue(), 2);
  EXPECT_EQ(renderer_.DrawQuality, 7);
  EXPECT_EQ(cube().RotateSpeed, 15);
  // Moving the slider does write.
  Slide(*form.TrackBarRSpeed, 3);
  EXPECT_EQ(cube().RotateSpeed, 3);
}

// ---- What the player's changes do ------------------------------------------

TEST_F(OptionsFormTest, QualityPositionsAndPassCountsMapBothWays) {
  TOptionsForm& form = Form();
  Open();
  for (int position = 1; position <= 10; ++position) {
    SCOPED_TRACE(position);
    Slide(*form.TrackBarQuality, position);
    EXPECT_EQ(renderer_.DrawQuality, kPasses[position - 1]);
  }
  for (int position = 1; position <= 10; ++position) {
    SCOPED_TRACE(position);
    renderer_.DrawQuality = kPasses[position - 1];
    Reopen();
    EXPECT_EQ(form.TrackBarQuality->GetValue(), position);
  }
}

TEST_F(OptionsFormTest, QualitySevenGivesEightPassesAndReopensAtSeven) {
  TOptionsForm& form = Form();
  Open();
  Slide(*form.TrackBarQuality, 7);
  EXPECT_EQ(renderer_.DrawQuality, 8);
  Reopen();
  EXPECT_EQ(form.TrackBarQuality->GetValue(), 7);
  EXPECT_EQ(renderer_.DrawQuality, 8);
}

TEST_F(OptionsFormTest, SpeedPositionsAndDegreesMapBothWays) {
  TOptionsForm& form = Form();
  EXPECT_EQ(form.TrackBarRSpeed->GetValue(), 4) << "5 degrees are position 4";
  Open();
  for (int position = 1; position <= 9; ++position) {
    SCOPED_TRACE(position);
    Slide(*form.TrackBarRSpeed, position);
    EXPECT_EQ(cube().RotateSpeed, kDegrees[position - 1]);
  }
  for (int position = 1; position <= 9; ++position) {
    SCOPED_TRACE(position);
    cube().RotateSpeed = kDegrees[position - 1];
    Reopen();
    EXPECT_EQ(form.TrackBarRSpeed->GetValue(), position);
  }
}

TEST_F(OptionsFormTest, IdleSecondsSetTheIntervalInMilliseconds) {
  TOptionsForm& form = Form();
  Open();
  Spin(*form.FRUpDown, 3);
  EXPECT_EQ(idleTimer_.Interval(), 3000);
  Spin(*form.FRUpDown, 1000);
  EXPECT_EQ(idleTimer_.Interval(), 1000000);
  Spin(*form.FRUpDown, 0);
  EXPECT_EQ(idleTimer_.Interval(), 0) << "an idle time of 0 never ends";
}

TEST_F(OptionsFormTest, NewIdleTimeRestartsARunningCountdown) {
  int expired = 0;
  idleTimer_.OnTimer = [&] {
    ++expired;
    idleTimer_.SetEnabled(false);
  };
  idleTimer_.SetInterval(600000);
  idleTimer_.SetEnabled(true);
  TOptionsForm& form = Form();
  Open();
  Spin(*form.FRUpDown, 1);
  EXPECT_TRUE(PumpUntil([&] { return expired > 0; }, 5000))
      << "the ten-minute countdown should have become one second";
}

TEST_F(OptionsFormTest, ShuffleCountFollowsTheEdit) {
  TOptionsForm& form = Form();
  EXPECT_EQ(form.EditShuffle, form.UpDownShuffle);
  EXPECT_EQ(form.UpDownShuffle->GetMin(), 1);
  EXPECT_EQ(form.UpDownShuffle->GetMax(), 1000);
  Open();
  Spin(*form.UpDownShuffle, 500);
  EXPECT_EQ(cube().ShuffleRotateCount, 500);
  Spin(*form.UpDownShuffle, 1);
  EXPECT_EQ(cube().ShuffleRotateCount, 1);
}

TEST_F(OptionsFormTest, CheckBoxSwitchesAntialiasingWhileRotating) {
  TOptionsForm& form = Form();
  Open();
  Check(*form.HQRCheckBox, true);
  EXPECT_TRUE(cube().RotateAntiAlias);
  Check(*form.HQRCheckBox, false);
  EXPECT_FALSE(cube().RotateAntiAlias);
}

TEST_F(OptionsFormTest, ShowShuffleBoxSwitchesTheScrambleAnimationAndReopensAsLeft) {
  TOptionsForm& form = Form();
  EXPECT_TRUE(form.ShowShuffleCheckBox->GetValue()) << "shown by default";
  Open();
  for (const bool shown : {false, true, false}) {
    Check(*form.ShowShuffleCheckBox, shown);
    EXPECT_EQ(cube().ShowShuffle, shown);
    Reopen();
    EXPECT_EQ(form.ShowShuffleCheckBox->GetValue(), shown);
    EXPECT_EQ(cube().ShowShuffle, shown) << "opening writes nothing back";
  }
}

TEST_F(OptionsFormTest, SizeChoiceSetsTheSizeOfTheNextGame) {
  TOptionsForm& form = Form();
  EXPECT_TRUE(form.ComboBoxSize->IsEnabled());
  EXPECT_TRUE(form.Label13->IsEnabled());
  Open();
  for (int index = 0; index < 4; ++index) {
    PickEntry(*form.ComboBoxSize, index);
    EXPECT_EQ(cubeSize_, index + 2);
  }
  EXPECT_EQ(cube().Size, 3) << "the cube itself is rebuilt only by New game or Stop";
}

TEST_F(OptionsFormTest, BackgroundColourReachesTheRendererAtOnce) {
  TOptionsForm& form = Form();
  Open();
  PickColour(*form.ColorBoxBG, "Navy");
  EXPECT_EQ(renderer_.ClearColor.ToColorRef(), 0x800000u);
}

TEST_F(OptionsFormTest, CustomBackgroundColourReachesTheRendererAsRedGreenBlue) {
  TOptionsForm& form = Form();
  form.ColorBoxBG->ChooseColour = [](wxWindow*, const wxColour&, wxColour& chosen) {
    chosen = wxColour(0x12, 0x34, 0x56);
    return true;
  };
  Open();
  PickEntry(*form.ColorBoxBG, ColorBox::kCustomEntry);
  PumpUntil([&] { return renderer_.ClearColor.Red == 0x12; }, 2000);
  EXPECT_EQ(renderer_.ClearColor.Red, 0x12);
  EXPECT_EQ(renderer_.ClearColor.Green, 0x34);
  EXPECT_EQ(renderer_.ClearColor.Blue, 0x56);
}

TEST_F(OptionsFormTest, BodyColourReachesTheCubiesOnlyOnOK) {
  TOptionsForm& form = Form();
  Open();
  PickColour(*form.ColorBoxSpace, "Lime");
  EXPECT_EQ(cube().BodyColor.ToColorRef(), 0x00FF00u);
  EXPECT_TRUE(CubiesHave(0xF0FBFF)) << "the cubies wait for OK";
  SendCommand(*form.ButtonOK, wxEVT_BUTTON);
  EXPECT_TRUE(CubiesHave(0x00FF00));
  EXPECT_FALSE(form.IsShown());
}

TEST_F(OptionsFormTest, ClosingByTheTitleBarKeepsEveryChangeButLeavesTheCubies) {
  TOptionsForm& form = Form();
  Open();
  PickColour(*form.ColorBoxSpace, "Maroon");
  Slide(*form.TrackBarRSpeed, 9);
  form.Close();
  PumpEvents();
  EXPECT_FALSE(form.IsShown());
  EXPECT_EQ(cube().BodyColor.ToColorRef(), 0x000080u);
  EXPECT_EQ(cube().RotateSpeed, 45);
  EXPECT_TRUE(CubiesHave(0xF0FBFF));
}

// ---- Pages and texts -------------------------------------------------------

TEST_F(OptionsFormTest, FirstShowOpensOnRotationAndLaterShowsKeepTheLastPage) {
  TOptionsForm& form = Form();
  Open();
  EXPECT_EQ(form.PageControl1->GetSelection(), 2);
  EXPECT_EQ(form.PageControl1->GetCurrentPage(), form.TabSheet3);
  form.PageControl1->SetSelection(1);
  Reopen();
  EXPECT_EQ(form.PageControl1->GetCurrentPage(), form.TabSheet2);
  form.PageControl1->SetSelection(0);
  form.Close();
  PumpEvents();
  Open();
  EXPECT_EQ(form.PageControl1->GetCurrentPage(), form.TabSheet1);
}

TEST_F(OptionsFormTest, TextsAreTheGamesOwn) {
  TOptionsForm& form = Form();
  const auto u8 = [](const char* text) { return wxString::FromUTF8(text); };
  EXPECT_EQ(form.GetTitle(), u8("Параметры..."));
  ASSERT_EQ(form.PageControl1->GetPageCount(), 3u);
  EXPECT_EQ(form.PageControl1->GetPageText(0), u8("Игра"));
  EXPECT_EQ(form.PageControl1->GetPageText(1), u8("Цвета"));
  EXPECT_EQ(form.PageControl1->GetPageText(2), u8("Вращение"));
  EXPECT_EQ(form.PageControl1->GetPage(0), form.TabSheet1);
  EXPECT_EQ(form.PageControl1->GetPage(1), form.TabSheet2);
  EXPECT_EQ(form.PageControl1->GetPage(2), form.TabSheet3);
  EXPECT_EQ(form.Label1->GetLabel(), u8("Перемешивать на"));
  EXPECT_EQ(form.Label2->GetLabel(), u8("поворотов"));
  EXPECT_EQ(form.ShowShuffleCheckBox->GetLabel(), u8("Показывать перемешивание"));
  EXPECT_EQ(form.GroupBox3->GetLabel(), u8(" Качество отображения (сглаживание): "));
  EXPECT_EQ(form.Label11->GetLabel(), u8("Без сглаживания"));
  EXPECT_EQ(form.Label12->GetLabel(), u8("Высокое качество"));
  EXPECT_EQ(Unwrapped(form.HQRCheckBox->GetLabel()),
            u8("Сглаживать при вращении (не рекомендуется включать эту опцию на слабых "
               "видеокартах)"));
  EXPECT_EQ(form.Label13->GetLabel(), u8("*Размер кубика:"));
  ASSERT_EQ(form.ComboBoxSize->GetCount(), 4u);
  EXPECT_EQ(form.ComboBoxSize->GetString(0), "2x2x2");
  EXPECT_EQ(form.ComboBoxSize->GetString(1), "3x3x3");
  EXPECT_EQ(form.ComboBoxSize->GetString(2), "4x4x4");
  EXPECT_EQ(form.ComboBoxSize->GetString(3), "5x5x5");
  EXPECT_EQ(form.Label9->GetLabel(), u8("Корпус:"));
  EXPECT_EQ(form.Label10->GetLabel(), u8("Фон:"));
  EXPECT_EQ(form.GroupBox2->GetLabel(), u8(" Скорость вращения граней: "));
  EXPECT_EQ(form.GroupBox1->GetLabel(), u8(" Свободное вращение кубика через: "));
  EXPECT_EQ(form.Label15->GetLabel(), u8("секунд"));
  EXPECT_EQ(Unwrapped(form.Label14->GetLabel()),
            u8("* Изменение данной опции вступит в силу с начала новой игры!"));
  EXPECT_EQ(form.ButtonOK->GetLabel(), "OK");
}

TEST_F(OptionsFormTest, ControlsSitOnTheirPages) {
  TOptionsForm& form = Form();
  const auto onPage = [](wxWindow* control, wxWindow* page) {
    for (wxWindow* w = control; w; w = w->GetParent())
      if (w == page) return true;
    return false;
  };
  for (wxWindow* control : std::vector<wxWindow*>{form.Label1, form.UpDownShuffle, form.Label2,
                                                  form.GroupBox3, form.TrackBarQuality, form.Label11,
                                                  form.Label12, form.HQRCheckBox, form.Label13,
                                                  form.ComboBoxSize})
    EXPECT_TRUE(onPage(control, form.TabSheet1)) << control->GetLabel();
  for (wxWindow* control :
       std::vector<wxWindow*>{form.Label9, form.ColorBoxSpace, form.Label10, form.ColorBoxBG})
    EXPECT_TRUE(onPage(control, form.TabSheet2)) << control->GetLabel();
  for (wxWindow* control : std::vector<wxWindow*>{form.GroupBox2, form.TrackBarRSpeed, form.GroupBox1,
                                                  form.FRUpDown, form.Label15})
    EXPECT_TRUE(onPage(control, form.TabSheet3)) << control->GetLabel();
  EXPECT_TRUE(onPage(form.TrackBarQuality, form.GroupBox3));
  EXPECT_TRUE(onPage(form.TrackBarRSpeed, form.GroupBox2));
  EXPECT_TRUE(onPage(form.FRUpDown, form.GroupBox1));
  EXPECT_EQ(form.Label14->GetParent(), &form);
  EXPECT_EQ(form.ButtonOK->GetParent(), &form);
  EXPECT_EQ(form.TrackBarQuality->GetMin(), 1);
  EXPECT_EQ(form.TrackBarQuality->GetMax(), 10);
  EXPECT_EQ(form.TrackBarRSpeed->GetMin(), 1);
  EXPECT_EQ(form.TrackBarRSpeed->GetMax(), 9);
  EXPECT_EQ(form.FRUpDown->GetMin(), 0);
  EXPECT_EQ(form.FRUpDown->GetMax(), 1000);
}

}  // namespace
