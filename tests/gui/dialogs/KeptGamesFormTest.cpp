// The list of kept games: the newest chosen, Delete through its choice with
// the rows following, Continue giving the chosen game (Escape: DialogLayoutTest).
#include <gtest/gtest.h>
#include <cerrno>
#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>

#include "DialogTestSupport.h"
#include "app/dialogs/KeptGamesForm.h"

TEST(KeptGamesFormTest, RowsFollowTheDeletesAndContinueGivesTheChosenGame) {
  std::vector<KeptGame> games{{"/k/resume-5.cube", 1204898709, SavedGameSummary{5, 3725u, 1234u}},
                              {"/k/resume-broken.cube", 1204800000, std::nullopt}};
  std::string answer;  // "no": the player keeps it; "gone": deleted; "held": another window has it
  TKeptGamesForm form(nullptr, {[&] { return games; }, [&](const KeptGame& game, GameStatus& why) {
                                  if (answer == "held") why = GameStatus::FileFailed(StatusKind::KeptNotDeleted, EWOULDBLOCK, game.Path);
                                  if (answer == "gone") games.erase(games.begin());
                                  return answer == "gone";
                                }});
  EXPECT_EQ(form.Rows->GetItemText(0, 2) + " " + form.Rows->GetItemText(0, 3), "1234 01:02:05");
  EXPECT_EQ(form.Rows->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED), 0);  // the newest
  const struct { const char* answer; int rows; const char* note; } deletes[] = {
      {"no", 2, ""}, {"held", 2, "Ошибка: сохранённая игра не удалена (её продолжают в другом окне)"}, {"gone", 1, ""}};
  for (const auto& d : deletes) {
    answer = d.answer;
    form.DeleteSelected();
    EXPECT_EQ(form.Rows->GetItemCount(), d.rows) << d.answer;
    EXPECT_EQ(form.Note->GetLabel(), wxString::FromUTF8(d.note)) << d.answer;
  }
  // A file that reads as no game can be continued (and is then set aside), never deleted.
  EXPECT_EQ(form.Rows->GetItemText(0, 1), wxString::FromUTF8("не читается"));
  EXPECT_FALSE(form.DeleteButton->IsEnabled());
  form.CallAfter([&] { form.ContinueSelected(); });
  EXPECT_EQ(form.ShowModal(), wxID_OK);
  EXPECT_EQ(form.Chosen(), "/k/resume-broken.cube");
}
