// The records box: a row per cube size with its best time and turns, a dash
// where there is none, and OK closes it.
#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/frame.h>

#include "DialogTestSupport.h"
#include "app/dialogs/RecordsForm.h"

namespace {

class RecordsFormTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    parent_ = new wxFrame(nullptr, wxID_ANY, "Tessaro 3D", wxPoint(60, 40), wxSize(478, 399));
    parent_->Show();
  }
  void TearDown() override {
    parent_->Destroy();
    PumpEvents();
    ToolkitTest::TearDown();
  }
  wxFrame* parent_ = nullptr;
};

TEST_F(RecordsFormTest, ShowsEachSizesBestOrADashAndClosesWithOk) {
  GameRecords records;
  records.Offer(3, {117, 42});
  records.Offer(5, {3725, 1234});
  TRecordsForm form(parent_, records);
  EXPECT_EQ(form.GetTitle(), wxString::FromUTF8("Рекорды"));
  EXPECT_EQ(TRecordsForm::SizeText(4), wxString::FromUTF8("4×4×4"));
  EXPECT_EQ(form.TimeLabel(3)->GetLabel(), "00:01:57");
  EXPECT_EQ(form.MovesLabel(3)->GetLabel(), "42");
  EXPECT_EQ(form.TimeLabel(5)->GetLabel(), "01:02:05");
  EXPECT_EQ(form.MovesLabel(5)->GetLabel(), "1234");
  for (int size : {2, 4}) {
    EXPECT_EQ(form.TimeLabel(size)->GetLabel(), wxString::FromUTF8("—")) << size;
    EXPECT_EQ(form.MovesLabel(size)->GetLabel(), wxString::FromUTF8("—")) << size;
  }
  // Every row is on screen inside the box, below the one before.
  form.CallAfter([&] {
    EXPECT_TRUE(form.IsShown());
    for (int size = 2; size <= 5; ++size) {
      const wxRect row = form.TimeLabel(size)->GetRect();
      EXPECT_TRUE(wxRect(form.GetClientSize()).Contains(row)) << size;
      if (size > 2) {
        EXPECT_GT(row.GetTop(), form.TimeLabel(size - 1)->GetRect().GetTop()) << size;
      }
    }
    auto* ok = wxDynamicCast(form.FindWindow(wxID_OK), wxButton);
    ASSERT_NE(ok, nullptr);
    wxCommandEvent click(wxEVT_BUTTON, wxID_OK);
    click.SetEventObject(ok);
    ok->GetEventHandler()->ProcessEvent(click);
  });
  EXPECT_EQ(form.ShowModal(), wxID_OK);
  EXPECT_FALSE(form.IsShown());
}

}  // namespace
