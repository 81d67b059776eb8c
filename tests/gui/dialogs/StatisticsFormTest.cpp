// The statistics box: the page of the size asked for, figures worked by hand, games newest first, deleting only
// once agreed, and the game chosen to watch; an empty page and one of ten thousand games besides.
#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/frame.h>
#include <wx/listctrl.h>
#include <wx/notebook.h>
#include <wx/stattext.h>

#include <cstdlib>
#include <ctime>

#include "DialogTestSupport.h"
#include "tests/unit/game/FakeSolveLog.h"
#include "app/dialogs/StatisticsForm.h"
#include "app/dialogs/TimesChart.h"
#include "game/SolveStats.h"

namespace {

wxString U8(const char* text) { return wxString::FromUTF8(text); }

class StatisticsFormTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    parent_ = new wxFrame(nullptr, wxID_ANY, "Tessaro 3D", wxPoint(60, 40), wxSize(478, 399));
    parent_->Show();
    // Six games of 3×3×3, oldest first.
    log_.Finish(3, 10000, 20);
    log_.Finish(3, 12000, 24);
    log_.Finish(3, 14000, 30, SolveHow::Computer);
    log_.Finish(3, 8000, 16, SolveHow::Solved, "F2 D", true);
    log_.Finish(3, 11000, 22);
    log_.Finish(3, 20000, 5, SolveHow::Abandoned, "");
  }
  void TearDown() override {
    parent_->Destroy();
    PumpEvents();
    ToolkitTest::TearDown();
  }
  // A page's figures, and a row of its list, each as one line.
  static wxString Figures(const TStatisticsForm& form, int size) {
    wxString text;
    for (const wxStaticText* figure : form.PageOf(size).Figures) text << " | " << figure->GetLabel();
    return text.Mid(3);
  }
  static wxString Row(const TStatisticsForm& form, int size, long row) {
    const wxListCtrl& rows = *form.PageOf(size).Rows;
    wxString text;
    for (int column = 0; column < rows.GetColumnCount(); ++column) text << "|" << rows.GetItemText(row, column);
    return text.Mid(1);
  }
  // Which of View, Copy and Delete can be pressed, once the player picked the row (if any).
  static wxString Buttons(TStatisticsForm& form, long row = -1) {
    if (row >= 0) form.PageOf(form.ShownSize()).Rows->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    return wxString() + (form.ViewButton->IsEnabled() ? "V" : "-") + (form.CopyButton->IsEnabled() ? "C" : "-") +
           (form.DeleteButton->IsEnabled() ? "D" : "-");
  }
  wxFrame* parent_ = nullptr;
  FakeSolveLog log_;
};

TEST_F(StatisticsFormTest, ShowsTheSizeAskedForNewestFirstDeletesOnlyWhenAgreedAndGivesTheGameChosen) {
  for (int i = 0; i < 10000; ++i) log_.Finish(5, 60000 + i, 100);  // a long list
  TStatisticsForm form(parent_, log_, 3);
  wxString said;  // what was copied (=), asked (?) and said to have failed (!), in turn
  form.PutOnClipboard = [&](const wxString& text) { said << "= " << text << "\n"; };
  form.Confirm = [&, asked = 0](const wxString& text) mutable { said << "? " << text << "\n"; return asked++ > 0; };
  form.ShowError = [&](const wxString& text) { said << "! " << text << "\n"; };
  EXPECT_EQ(form.Pages->GetPageText(form.Pages->GetSelection()), U8("3×3×3"));
  // Solved 10, 12, 8, 11 s: best 8, mean 10.25; the last five hold two DNFs,
  // the first five one (10 12 DNF 8 11: 10, 11, 12 kept); 82 turns in 41 s.
  EXPECT_EQ(Figures(form, 3), U8("00:00:08.00 | 00:00:10.25 | DNF | — | 00:00:11.00 | — | 6 / 4 | 2,00"));
  ASSERT_EQ(form.PageOf(3).Rows->GetItemCount(), 6);
  EXPECT_EQ(Row(form, 3, 0), U8("06.12.2026 10:00|00:00:20.00|5|брошен|"));
  EXPECT_EQ(Row(form, 3, 2), U8("04.12.2026 10:00|00:00:08.00|16|собран|★"));
  EXPECT_EQ(Row(form, 3, 5), U8("01.12.2026 10:00|00:00:10.00|20|собран|"));
  EXPECT_EQ(form.PageOf(3).Chart->Times(), (std::vector<int64_t>{10000, 12000, kDnf, 8000, 11000, kDnf}));
  EXPECT_EQ(Buttons(form), "---");  // nothing chosen yet
  EXPECT_EQ(Figures(form, 4), U8("— | — | — | — | — | — | 0 / 0 | —"));
  EXPECT_EQ(form.PageOf(4).Rows->GetItemCount(), 0);
  EXPECT_TRUE(form.PageOf(4).Chart->Times().empty());
  ASSERT_EQ(form.PageOf(5).Rows->GetItemCount(), 10000);
  EXPECT_EQ(Row(form, 5, 0), U8("23.04.2054 10:00|00:01:09.99|100|собран|"));  // 60 000 + 9 999 ms
  EXPECT_EQ(form.PageOf(5).Figures[TStatisticsForm::Games]->GetLabel(), "10000 / 10000");
  form.Pages->SetSelection(2);  // the empty page: nothing to act on, nothing asked or done
  EXPECT_EQ(Buttons(form), "---");
  form.DeleteSelected();
  form.CopySelected();
  form.Pages->SetSelection(1);

  EXPECT_EQ(Buttons(form, 0), "-CD");  // abandoned without a known scramble: nothing to watch
  form.ViewSelected();
  EXPECT_FALSE(form.Chosen());
  EXPECT_EQ(Buttons(form, 2), "VCD");
  form.CopySelected();
  // Answered "no" first, the 11 s game stays; "yes" while another window holds the history says why; "yes" deletes it.
  for (const auto refuse : {HistoryProblem::Kind::Busy, HistoryProblem::Kind::Busy, HistoryProblem::Kind::None}) {
    log_.refuse.What = refuse;
    EXPECT_EQ(Buttons(form, 1), "VCD");
    form.DeleteSelected();
  }
  const wxString asked = U8("? Удалить игру из истории?\n3×3×3, 05.12.2026 10:00, 00:00:11.00, ходов: 22\n");
  EXPECT_EQ(said, U8("= Кубик: 3×3×3\nДата: 04.12.2026 10:00\nВремя: 00:00:08.00 (собран)\nХодов: 16\n"
                     "Перемешивание: F2 D\nХоды: U' R'\n") +
                      asked + asked + U8("! Ошибка: игра не удалена из истории (история занята другим окном игры)\n") +
                      asked);
  EXPECT_EQ(log_.removed, (std::vector<int64_t>{5, 5}));
  ASSERT_EQ(form.PageOf(3).Rows->GetItemCount(), 5);
  // 10 12 DNF 8 DNF: one window of five, two DNFs; solved 10, 12, 8.
  EXPECT_EQ(Figures(form, 3), U8("00:00:08.00 | 00:00:10.00 | DNF | — | DNF | — | 5 / 3 | 2,00"));
  EXPECT_EQ(Buttons(form), "---");  // the row under it is another game: not chosen
  EXPECT_EQ(form.PageOf(5).Rows->GetItemCount(), 10000);  // other sizes untouched

  EXPECT_EQ(Buttons(form, 1), "VCD");  // the 8 s game, now
  form.CallAfter([&] { form.ViewSelected(); });
  EXPECT_EQ(form.ShowModal(), wxID_OK);
  EXPECT_EQ(form.Chosen().value_or(SolveEntry{}).Id, 4);
}

}  // namespace
