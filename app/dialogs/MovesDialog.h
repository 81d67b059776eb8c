// The box that asks for moves in the notation. Its text takes any length (a
// pasted sequence of a hundred thousand moves is never cut, as a one-line
// entry would cut it); Enter is OK, Shift+Enter a new line.
#pragma once

#include <wx/dialog.h>
#include <wx/textctrl.h>

// Characters of the text to select when the box opens (From == To: none,
// the cursor at the end).
struct TextSelection {
  long From = 0;
  long To = 0;
};

class TMovesDialog : public wxDialog {
 public:
  TMovesDialog(wxWindow* parent, const wxString& caption, const wxString& moves, TextSelection selection);

  wxString Moves() const { return MovesBox->GetValue(); }

  wxTextCtrl* MovesBox = nullptr;
};
