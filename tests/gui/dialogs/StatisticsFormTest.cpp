// The statistics box over a history in a list: the page of the size asked
// for, its figures as worked by hand, the games newest first, deleting only
// once agreed, and the game chosen to watch.
#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/frame.h>
#include <wx/listctrl.h>
#include <wx/notebook.h>
#include <wx/stattext.h>

#include <cstdlib>
#include <ctime>

#include "DialogTestSupport.h"
#include "FakeSolveLog.h"
#include "app/dialogs/StatisticsForm.h"
#include "app/dialogs/TimesChart.h"
#include "game/SolveStats.h"

namespace {

using Form = TStatisticsForm;

class StatisticsFormTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    parent_ = new wxFrame(nullptr, wxID_ANY, "Tessaro 3D", wxPoint(60, 40), wxSize(478, 399));
    parent_->Show();
    // Six games of 3×3×3 (oldest first) between two of 2×2×2.
    log_.Finish(2, 4000, 9);
    log_.Finish(3, 10000, 20);
    log_.Finish(3, 12000, 24);
    log_.Finish(3, 14000, 30, SolveHow::Computer);
    log_.Finish(3, 8000, 16, SolveHow::Solved, "F2 D", true);
    log_.Finish(3, 11000, 22);
    log_.Finish(3, 20000, 5, SolveHow::Abandoned, "");
    log_.Finish(2, 3000, 6);
  }
  void TearDown() override {
    parent_->Destroy();
    PumpEvents();
    ToolkitTest::TearDown();
  }

  static wxString Figures(const Form& form, int size) {
    wxString text;
    for (const wxStaticText* figure : form.PageOf(size).Figures) text += (text.empty() ? "" : " | ") + figure->GetLabel();
    return text;
  }
  static wxString Row(const Form& form, int size, long row) {
    const wxListCtrl& rows = *form.PageOf(size).Rows;
    wxString text;
    for (int column = 0; column < rows.GetColumnCount(); ++column) text += (column ? "|" : "") + rows.GetItemText(row, column);
    return text;
  }
  static void Pick(Form& form, long row) {
    form.PageOf(form.ShownSize()).Rows->SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                                                    wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    PumpEvents(20);
  }
  static wxString Buttons(const Form& form) {
    return wxString() + (form.ViewButton->IsEnabled() ? "V" : "-") + (form.CopyButton->IsEnabled() ? "C" : "-") +
           (form.DeleteButton->IsEnabled() ? "D" : "-");
  }

  wxFrame* parent_ = nullptr;
  FakeSolveLog log_;
};

TEST_F(StatisticsFormTest, ShowsTheSizeAskedForWithItsFiguresAndGamesNewestFirst) {
  Form form(parent_, log_, 3);
  EXPECT_EQ(form.GetTitle(), wxString::FromUTF8("Статистика"));
  ASSERT_EQ(form.Pages->GetPageCount(), 4u);
  EXPECT_EQ(form.Pages->GetPageText(0), wxString::FromUTF8("2×2×2"));
  EXPECT_EQ(form.Pages->GetPageText(3), wxString::FromUTF8("5×5×5"));
  EXPECT_EQ(form.Pages->GetSelection(), 1);
  EXPECT_EQ(form.ShownSize(), 3);
  // Solved 10, 12, 8, 11 s: best 8, mean 10.25; the last five hold two DNFs,
  // the first five one (10 12 DNF 8 11: 10, 11, 12 kept); 82 turns in 41 s.
  EXPECT_EQ(Figures(form, 3), wxString::FromUTF8("00:00:08.00 | 00:00:10.25 | DNF | — | 00:00:11.00 | — | 6 / 4 | 2,00"));
  EXPECT_EQ(Figures(form, 2), wxString::FromUTF8("00:00:03.00 | 00:00:03.50 | — | — | — | — | 2 / 2 | 2,14"));
  const wxListCtrl& rows = *form.PageOf(3).Rows;
  ASSERT_EQ(rows.GetItemCount(), 6);
  EXPECT_EQ(Row(form, 3, 0), wxString::FromUTF8("07.12.2026 10:00|00:00:20.00|5|брошен|"));
  EXPECT_EQ(Row(form, 3, 1), wxString::FromUTF8("06.12.2026 10:00|00:00:11.00|22|собран|"));
  EXPECT_EQ(Row(form, 3, 2), wxString::FromUTF8("05.12.2026 10:00|00:00:08.00|16|собран|★"));
  EXPECT_EQ(Row(form, 3, 3), wxString::FromUTF8("04.12.2026 10:00|00:00:14.00|30|компьютер|"));
  EXPECT_EQ(Row(form, 3, 5), wxString::FromUTF8("02.12.2026 10:00|00:00:10.00|20|собран|"));
  EXPECT_EQ(form.PageOf(3).Chart->Times(), (std::vector<int64_t>{10000, 12000, kDnf, 8000, 11000, kDnf}));
  EXPECT_EQ(Buttons(form), "---");  // nothing chosen yet
}

TEST_F(StatisticsFormTest, APageWithoutGames) {
  Form form(parent_, log_, 4);
  EXPECT_EQ(form.ShownSize(), 4);
  EXPECT_EQ(Figures(form, 4), wxString::FromUTF8("— | — | — | — | — | — | 0 / 0 | —"));
  EXPECT_EQ(form.PageOf(4).Rows->GetItemCount(), 0);
  EXPECT_TRUE(form.PageOf(4).Chart->Times().empty());
  EXPECT_EQ(Buttons(form), "---");
  form.DeleteSelected();
  form.CopySelected();
  EXPECT_TRUE(log_.removed.empty());
}

TEST_F(StatisticsFormTest, DeleteAsksFirstAndTheFiguresFollow) {
  Form form(parent_, log_, 3);
  std::vector<wxString> questions, errors;
  bool agree = false;
  form.Confirm = [&](const wxString& question) {
    questions.push_back(question);
    return agree;
  };
  form.ShowError = [&](const wxString& text) { errors.push_back(text); };
  Pick(form, 1);  // the 11 s game
  EXPECT_EQ(Buttons(form), "VCD");
  form.DeleteSelected();  // "no": it stays
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0], wxString::FromUTF8("Удалить игру из истории?\n3×3×3, 06.12.2026 10:00, 00:00:11.00, ходов: 22"));
  EXPECT_TRUE(log_.removed.empty());
  EXPECT_EQ(form.PageOf(3).Rows->GetItemCount(), 6);

  log_.refuse.What = HistoryProblem::Kind::Busy;  // agreed, but another window holds the history
  agree = true;
  form.DeleteSelected();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], wxString::FromUTF8("Ошибка: игра не удалена из истории (история занята другим окном игры)"));
  EXPECT_EQ(form.PageOf(3).Rows->GetItemCount(), 6);

  log_.refuse = {};
  Pick(form, 1);
  form.DeleteSelected();
  EXPECT_EQ(log_.removed, (std::vector<int64_t>{6, 6}));
  EXPECT_EQ(errors.size(), 1u);
  ASSERT_EQ(form.PageOf(3).Rows->GetItemCount(), 5);
  EXPECT_EQ(Row(form, 3, 1), wxString::FromUTF8("05.12.2026 10:00|00:00:08.00|16|собран|★"));
  // 10 12 DNF 8 DNF: one window of five, two DNFs; solved 10, 12, 8.
  EXPECT_EQ(Figures(form, 3), wxString::FromUTF8("00:00:08.00 | 00:00:10.00 | DNF | — | DNF | — | 5 / 3 | 2,00"));
  EXPECT_EQ(Buttons(form), "---");  // the row under it is another game: not chosen
  EXPECT_EQ(Figures(form, 2).BeforeFirst(' '), "00:00:03.00");  // other sizes untouched
}

TEST_F(StatisticsFormTest, CopyGivesTheGamesTextAndViewTheChosenGame) {
  Form form(parent_, log_, 3);
  wxString copied;
  form.PutOnClipboard = [&](const wxString& text) { copied = text; };
  Pick(form, 0);  // abandoned without a known scramble: nothing to watch
  EXPECT_EQ(Buttons(form), "-CD");
  form.ViewSelected();
  EXPECT_FALSE(form.Chosen());
  Pick(form, 2);
  EXPECT_EQ(Buttons(form), "VCD");
  form.CopySelected();
  EXPECT_EQ(copied, wxString::FromUTF8("Кубик: 3×3×3\nДата: 05.12.2026 10:00\nВремя: 00:00:08.00 (собран)\nХодов: 16\n"
                                       "Перемешивание: F2 D\nХоды: U' R'"));
  form.CallAfter([&] { form.ViewSelected(); });
  EXPECT_EQ(form.ShowModal(), wxID_OK);
  ASSERT_TRUE(form.Chosen());
  EXPECT_EQ(form.Chosen()->Id, 5);
  EXPECT_EQ(form.Chosen()->Scramble, "F2 D");
}

TEST_F(StatisticsFormTest, TenThousandGamesAllListed) {
  FakeSolveLog many;
  for (int i = 0; i < 10000; ++i) many.Finish(5, 60000 + i, 100);
  Form form(parent_, many, 5);
  const wxListCtrl& rows = *form.PageOf(5).Rows;
  ASSERT_EQ(rows.GetItemCount(), 10000);
  EXPECT_EQ(rows.GetItemText(0, 1), "00:01:09.99");  // the last game: 60 000 + 9 999 ms
  EXPECT_EQ(rows.GetItemText(9999, 1), "00:01:00.00");
  EXPECT_EQ(form.PageOf(5).Figures[Form::Games]->GetLabel(), "10000 / 10000");
}

}  // namespace
