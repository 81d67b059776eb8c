// The moves box, typed into for real: a text far longer than a one-line
// entry holds is taken whole, keys typed after it included, and Enter is OK.
#include <X11/keysym.h>

#include "GuiHelpers.h"
#include "ToolkitDriver.h"
#include "app/dialogs/MovesDialog.h"

TEST(MovesDialogTest, ALongTextIsNeverCutAndEnterTakesIt) {
  wxString pasted;
  for (int i = 0; i < 40000; ++i) pasted += "R ";  // 80 000 characters
  TMovesDialog dialog(nullptr, "moves", pasted, TextSelection{});
  int answer = 0;
  DialogScript script({
      [&] {
        if (!dialog.IsShown()) return false;
        PointerTo(*dialog.MovesBox, wxPoint(10, 10));  // the keys go to the window under the pointer
        return true;
      },
      [&] {
        PressKey(XK_u);
        PressKey(XK_2);
        return true;
      },
      [&] { return dialog.Moves().EndsWith("R u2"); },
      [&] {
        PressKey(XK_Return);
        return true;
      },
  });
  answer = dialog.ShowModal();
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(answer, wxID_OK);
  EXPECT_EQ(dialog.Moves().length(), pasted.length() + 2);
  EXPECT_TRUE(dialog.Moves().StartsWith(pasted));
}

TEST(MovesDialogTest, TheBadMoveComesSelected) {
  TMovesDialog dialog(nullptr, "moves", wxString::FromUTF8("R ЖЖ U"), TextSelection{2, 4});
  long from = 0, to = 0;
  dialog.MovesBox->GetSelection(&from, &to);
  EXPECT_EQ(std::make_pair(from, to), std::make_pair(2L, 4L));
}
