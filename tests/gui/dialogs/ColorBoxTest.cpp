// The colour drop-down: its list, its swatches, what it reports and when.
#include <gtest/gtest.h>

#include <wx/frame.h>
#include <wx/image.h>
#include <wx/settings.h>

#include <cstdint>
#include <vector>

#include "DialogTestSupport.h"
#include "app/dialogs/ColorBox.h"

namespace {

class ColorBoxTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    frame_ = new wxFrame(nullptr, wxID_ANY, "colours");
    box_ = new ColorBox(frame_);
    box_->OnChange = [this] { changes_.push_back(box_->SelectedColor()); };
    frame_->Show();
    PumpEvents();
  }
  void TearDown() override {
    frame_->Destroy();
    PumpEvents();
    ToolkitTest::TearDown();
  }

  // The colour at the middle of an entry's swatch, as 0x00BBGGRR.
  uint32_t SwatchColour(int index) const {
    const wxImage image = box_->GetItemBitmap(index).ConvertToImage();
    const int x = image.GetWidth() / 2, y = image.GetHeight() / 2;
    return image.GetRed(x, y) | image.GetGreen(x, y) << 8 | image.GetBlue(x, y) << 16;
  }

  static uint32_t DesktopColour(wxSystemColour index) {
    const wxColour c = wxSystemSettings::GetColour(index);
    return static_cast<uint32_t>(c.Red() | c.Green() << 8 | c.Blue() << 16);
  }

  int IndexOf(const char* name) const { return box_->FindString(name, true); }

  // Makes "Custom..." answer with `answer` (or be cancelled when null), and
  // records the colour it was opened with.
  void AnswerChooser(const wxColour* answer) {
    box_->ChooseColour = [this, answer](wxWindow*, const wxColour& initial, wxColour& chosen) {
      chooserOpenedWith_.push_back(initial);
      if (answer) chosen = *answer;
      return answer != nullptr;
    };
  }

  wxFrame* frame_ = nullptr;
  ColorBox* box_ = nullptr;
  std::vector<uint32_t> changes_;
  std::vector<wxColour> chooserOpenedWith_;
};

TEST_F(ColorBoxTest, ListsCustomEntryThenPlainThenSystemColoursByReadableName) {
  ASSERT_EQ(box_->GetCount(), 1u + 20u + 30u);
  EXPECT_EQ(box_->GetString(ColorBox::kCustomEntry), "Custom...");
  struct Entry {
    const char* name;
    uint32_t color;
  };
  const Entry plain[] = {{"Black", 0x000000},       {"Maroon", 0x000080},    {"Green", 0x008000},
                         {"Olive", 0x008080},       {"Navy", 0x800000},      {"Purple", 0x800080},
                         {"Teal", 0x808000},        {"Gray", 0x808080},      {"Silver", 0xC0C0C0},
                         {"Red", 0x0000FF},         {"Lime", 0x00FF00},      {"Yellow", 0x00FFFF},
                         {"Blue", 0xFF0000},        {"Fuchsia", 0xFF00FF},   {"Aqua", 0xFFFF00},
                         {"White", 0xFFFFFF},       {"Money Green", 0xC0DCC0}, {"Sky Blue", 0xF0CAA6},
                         {"Cream", 0xF0FBFF},       {"Med Gray", 0xA4A0A0}};
  for (int i = 0; i < 20; ++i) {
    SCOPED_TRACE(plain[i].name);
    EXPECT_EQ(box_->GetString(1 + i), plain[i].name);
    EXPECT_EQ(box_->ColorAt(1 + i), plain[i].color);
  }
  // System colours stand for the colours the desktop uses for them.
  EXPECT_EQ(box_->GetString(21), "Scroll Bar");
  EXPECT_EQ(box_->ColorAt(IndexOf("Btn Face")), DesktopColour(wxSYS_COLOUR_BTNFACE));
  EXPECT_EQ(box_->ColorAt(IndexOf("3D Dk Shadow")), DesktopColour(wxSYS_COLOUR_3DDKSHADOW));
  EXPECT_EQ(box_->ColorAt(IndexOf("Gradient Inactive Caption")),
            DesktopColour(wxSYS_COLOUR_GRADIENTINACTIVECAPTION));
  EXPECT_EQ(box_->GetString(50), "Menu Bar");
  EXPECT_EQ(box_->ColorAt(50), DesktopColour(wxSYS_COLOUR_MENUBAR));
}

TEST_F(ColorBoxTest, SystemColourSwatchesShowTheDesktopsColours) {
  // Window, button face and highlight differ on every desktop theme; none of
  // them is the near-black "dark red of the index" the low bits would give.
  const struct {
    const char* name;
    wxSystemColour colour;
  } entries[] = {{"Window", wxSYS_COLOUR_WINDOW}, {"Btn Face", wxSYS_COLOUR_BTNFACE},
                 {"Highlight", wxSYS_COLOUR_HIGHLIGHT}};
  for (const auto& entry : entries) {
    SCOPED_TRACE(entry.name);
    const uint32_t desktop = DesktopColour(entry.colour);
    EXPECT_EQ(SwatchColour(IndexOf(entry.name)), desktop);
    EXPECT_GT(desktop, 0x0000FFu) << "the desktop gives more than a dark red";
  }
  // Choosing one reports the colour shown.
  PickEntry(*box_, IndexOf("Window"));
  PumpEvents();
  ASSERT_EQ(changes_.size(), 1u);
  EXPECT_EQ(changes_[0], DesktopColour(wxSYS_COLOUR_WINDOW));
}

TEST_F(ColorBoxTest, SwatchesShowTheColourEachEntryStandsFor) {
  EXPECT_EQ(SwatchColour(IndexOf("Cream")), 0xF0FBFFu);
  EXPECT_EQ(SwatchColour(IndexOf("Maroon")), 0x000080u);
  EXPECT_EQ(SwatchColour(IndexOf("Navy")), 0x800000u);
  EXPECT_EQ(SwatchColour(IndexOf("Btn Face")), DesktopColour(wxSYS_COLOUR_BTNFACE));
  box_->SetSelectedColor(0x123456);
  EXPECT_EQ(SwatchColour(box_->GetSelection()), 0x123456u);
}

TEST_F(ColorBoxTest, SettingAListedColourSelectsItAndTellsNobody) {
  box_->SetSelectedColor(0xF0FBFF);
  EXPECT_EQ(box_->GetStringSelection(), "Cream");
  EXPECT_EQ(box_->SelectedColor(), 0xF0FBFFu);
  // The high byte is dropped: 0xFF00000F (clBtnFace in the settings file) is
  // the dark red 0x00000F, which no listed entry shows.
  box_->SetSelectedColor(0xFF00000F);
  EXPECT_EQ(box_->GetStringSelection(), "#0F0000");
  EXPECT_EQ(box_->SelectedColor(), 0x00000Fu);
  box_->SetSelectedColor(DesktopColour(wxSYS_COLOUR_INFOBK));
  EXPECT_EQ(box_->SelectedColor(), DesktopColour(wxSYS_COLOUR_INFOBK));
  PumpEvents();
  EXPECT_TRUE(changes_.empty());
}

TEST_F(ColorBoxTest, SettingAnUnlistedColourAddsOneCustomEntry) {
  const unsigned before = box_->GetCount();
  box_->SetSelectedColor(0x00483535);
  ASSERT_EQ(box_->GetCount(), before + 1);
  EXPECT_EQ(box_->GetSelection(), ColorBox::kCustomEntry + 1);
  EXPECT_EQ(box_->GetStringSelection(), "#353548");
  EXPECT_EQ(box_->SelectedColor(), 0x00483535u);
  box_->SetSelectedColor(0);
  box_->SetSelectedColor(0x00483535);
  EXPECT_EQ(box_->GetCount(), before + 1) << "the same colour is not added twice";
  EXPECT_EQ(box_->SelectedColor(), 0x00483535u);
  EXPECT_EQ(box_->GetString(1 + 1), "Black") << "the plain colours move down, in order";
  EXPECT_TRUE(changes_.empty());
}

TEST_F(ColorBoxTest, PickingAnEntryReportsItsColourOnce) {
  PickEntry(*box_, IndexOf("Teal"));
  PumpEvents();
  ASSERT_EQ(changes_.size(), 1u);
  EXPECT_EQ(changes_[0], 0x808000u);
}

TEST_F(ColorBoxTest, ChosenCustomColourArrivesAsBlueGreenRed) {
  box_->SetSelectedColor(0x0000FF);
  const wxColour answer(0x12, 0x34, 0x56);
  AnswerChooser(&answer);
  const unsigned before = box_->GetCount();
  PickEntry(*box_, ColorBox::kCustomEntry);
  PumpUntil([&] { return !changes_.empty(); }, 2000);
  ASSERT_EQ(chooserOpenedWith_.size(), 1u);
  EXPECT_EQ(chooserOpenedWith_[0], wxColour(255, 0, 0)) << "the chooser starts from the current colour";
  ASSERT_EQ(changes_.size(), 1u);
  EXPECT_EQ(changes_[0], 0x563412u);
  EXPECT_EQ(box_->GetCount(), before + 1);
  EXPECT_EQ(box_->GetStringSelection(), "#123456");
}

TEST_F(ColorBoxTest, ChoosingAListedColourSelectsItsEntry) {
  const wxColour answer(0xFF, 0xFB, 0xF0);
  AnswerChooser(&answer);
  const unsigned before = box_->GetCount();
  PickEntry(*box_, ColorBox::kCustomEntry);
  PumpUntil([&] { return !changes_.empty(); }, 2000);
  ASSERT_EQ(changes_.size(), 1u);
  EXPECT_EQ(changes_[0], 0xF0FBFFu);
  EXPECT_EQ(box_->GetCount(), before);
  EXPECT_EQ(box_->GetStringSelection(), "Cream");
}

TEST_F(ColorBoxTest, CancelledChooserRestoresTheSelectionSilently) {
  box_->SetSelectedColor(0x808000);
  AnswerChooser(nullptr);
  PickEntry(*box_, ColorBox::kCustomEntry);
  PumpUntil([&] { return !chooserOpenedWith_.empty(); }, 2000);
  PumpEvents();
  ASSERT_EQ(chooserOpenedWith_.size(), 1u);
  EXPECT_TRUE(changes_.empty());
  EXPECT_EQ(box_->GetStringSelection(), "Teal");
  EXPECT_EQ(box_->SelectedColor(), 0x808000u);
}

}  // namespace
