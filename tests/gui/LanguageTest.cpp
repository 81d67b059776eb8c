// The window in English: chosen in Options it relabels what is on screen at
// once, is kept in the settings, and a start with it in the settings is
// English from the first text shown, the toolkit's own texts included.

#include <libintl.h>

#include <clocale>
#include <string>

#include "app/dialogs/OptionsForm.h"
#include "app/window/CommandIds.h"
#include "tests/gui/GuiHelpers.h"

namespace {

using LanguageTest = MainFormTest;

std::string U8(const wxString& s) { return s.ToStdString(wxConvUTF8); }

// What the player reads of the window: the three menus, an item, a
// button's tip, the status line and the counter.
struct Shown {
  std::string Game, View, Help, NewGame, HintTip, Status, Moves;
  bool operator==(const Shown& o) const {
    return Game == o.Game && View == o.View && Help == o.Help && NewGame == o.NewGame && HintTip == o.HintTip &&
           Status == o.Status && Moves == o.Moves;
  }
};
std::ostream& operator<<(std::ostream& out, const Shown& s) {
  return out << s.Game << "|" << s.View << "|" << s.Help << "|" << s.NewGame << "|" << s.HintTip << "|" << s.Status
             << "|" << s.Moves;
}

Shown Read(TMainForm& form) {
  wxMenuBar& bar = *form.Bars->MainMenu;
  return {U8(bar.GetMenuLabelText(0)),
          U8(bar.GetMenuLabelText(1)),
          U8(bar.GetMenuLabelText(2)),
          U8(bar.FindItem(kN4)->GetItemLabel()),
          U8(form.Bars->ToolBarButton->GetToolShortHelp(kToolButtonHint)),
          U8(form.StatusText()),
          U8(form.MovesText())};
}

// GTK's own text of its Cancel buttons, as its dialogs will show it.
std::string GtkCancel() { return dgettext("gtk30", "_Cancel"); }

void Choose(TOptionsForm& options, int language) {
  options.ComboBoxLanguage->SetSelection(language);
  options.ComboBoxLanguageChange();
}

TEST_F(LanguageTest, EnglishChosenInOptionsShowsAtOnceAndIsKept) {
  Start({"ShowShuffle=0", "ShuffleRotateCount=3"});
  const std::string gtkBefore = GtkCancel();
  form->N4Click();
  ASSERT_TRUE(PumpUntil([&] { return form->GameRunning() && !form->Scrambling() && !form->Animating(); }, 20000));
  const Shown russian = Read(*form);
  EXPECT_EQ(russian, (Shown{"Игра", "Вид", "Помощь", "Начать заново\tCtrl+N", "Подсказка", "Готово!", "Ходов: 0"}));

  form->CreateDialogs();
  TOptionsForm& options = *form->OptionsForm;
  Choose(options, 1);
  EXPECT_EQ(Read(*form), (Shown{"Game", "View", "Help", "Start over\tCtrl+N", "Hint", "Ready!", "Moves: 0"}));
  EXPECT_EQ(U8(options.GetTitle()), "Parameters...");
  EXPECT_EQ(U8(options.LabelLanguage->GetLabel()), "Language:");
  EXPECT_EQ(U8(options.PageControl1->GetPageText(0)), "Game");
  EXPECT_EQ(GtkCancel(), "_Cancel");

  // Back to Russian: every text as it was, the toolkit's too.
  Choose(options, 0);
  EXPECT_EQ(Read(*form), russian);
  EXPECT_EQ(U8(options.LabelLanguage->GetLabel()), "Язык:");
  EXPECT_EQ(GtkCancel(), gtkBefore);

  Choose(options, 1);
  form->FormDestroy();
  EXPECT_NE(ReadFile(SettingsPath()).find("\nLanguage=en\n"), std::string::npos) << ReadFile(SettingsPath());
}

TEST_F(LanguageTest, AStartInEnglishShowsNoRussian) {
  std::ofstream(Path("readme.htm")) << "ru";
  std::ofstream(Path("readme-en.htm")) << "en";
  Start({"Language=en"});
  ASSERT_FALSE(statuses.empty());
  EXPECT_EQ(statuses.front(), "Ready!");
  const Shown shown = Read(*form);
  EXPECT_EQ(shown.Game, "Game");
  EXPECT_EQ(shown.NewGame, "Start over\tCtrl+N");
  EXPECT_EQ(shown.HintTip, "Hint");
  EXPECT_EQ(GtkCancel(), "_Cancel");
  form->N16Click();
  ASSERT_EQ(shell.documents.size(), 1u);
  EXPECT_EQ(shell.documents[0], Path("readme-en.htm"));
}

TEST_F(LanguageTest, AnUnknownLanguageStartsInRussian) {
  Start({"Language=xx"});
  ASSERT_FALSE(statuses.empty());
  EXPECT_EQ(statuses.front(), "Готово!");
  EXPECT_EQ(Read(*form).Game, "Игра");
  form->FormDestroy();
  EXPECT_NE(ReadFile(SettingsPath()).find("\nLanguage=ru\n"), std::string::npos);
}

}  // namespace
