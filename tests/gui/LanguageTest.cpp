// The window in English: chosen in Options it relabels what is on screen at
// once and is kept in the settings; a start with it in the settings is
// English from the first text shown, the toolkit's own texts included.

#include <libintl.h>

#include <string>

#include "app/dialogs/OptionsForm.h"
#include "app/window/CommandIds.h"
#include "tests/gui/GuiHelpers.h"

namespace {

using LanguageTest = MainFormTest;

// What the player reads: the three menus, an item, a button's tip, the
// status line and the counter.
std::string Shown(TMainForm& form) {
  wxMenuBar& bar = *form.Bars->MainMenu;
  wxString shown;
  for (size_t menu = 0; menu < 3; ++menu) shown += bar.GetMenuLabelText(menu) + "|";
  shown += bar.FindItem(kN4)->GetItemLabel() + "|" + form.Bars->ToolBarButton->GetToolShortHelp(kToolButtonHint) +
           "|" + form.StatusText() + "|" + form.MovesText();
  return shown.ToStdString(wxConvUTF8);
}

// GTK's own Cancel, as its dialogs made now show it.
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
  const std::string russian = Shown(*form);
  EXPECT_EQ(russian, "Игра|Вид|Помощь|Начать заново\tCtrl+N|Подсказка|Готово!|Ходов: 0");

  form->CreateDialogs();
  TOptionsForm& options = *form->OptionsForm;
  Choose(options, 1);
  EXPECT_EQ(Shown(*form), "Game|View|Help|Start over\tCtrl+N|Hint|Ready!|Moves: 0");
  EXPECT_EQ(options.GetTitle(), "Options...");
  EXPECT_EQ(GtkCancel(), "_Cancel");

  // Back to Russian: every text as it was, the toolkit's too.
  Choose(options, 0);
  EXPECT_EQ(Shown(*form), russian);
  EXPECT_EQ(GtkCancel(), gtkBefore);

  Choose(options, 1);
  form->FormDestroy();
  EXPECT_NE(ReadFile(SettingsPath()).find("\nLanguage=en\n"), std::string::npos) << ReadFile(SettingsPath());
}

TEST_F(LanguageTest, AStartInEnglishShowsNoRussianAndHelpsInEnglish) {
  std::ofstream(Path("readme.htm")) << "ru";
  std::ofstream(Path("readme-en.htm")) << "en";
  Start({"Language=en"});
  ASSERT_FALSE(statuses.empty());
  EXPECT_EQ(statuses.front(), "Ready!");
  EXPECT_EQ(Shown(*form), "Game|View|Help|Start over\tCtrl+N|Hint|Ready!|Moves: 0");
  EXPECT_EQ(GtkCancel(), "_Cancel");
  form->N16Click();
  EXPECT_EQ(shell.documents, std::vector<std::string>{Path("readme-en.htm")});
}

}  // namespace
