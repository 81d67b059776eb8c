// The About box "О программе...": name and version, a one-line description,
// and two link lines that open the web page and a new mail through the shell.
#pragma once

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/stattext.h>

class Shell;

class TAboutForm : public wxDialog {
 public:
  TAboutForm(wxWindow* parent, Shell& shell);

  // Label1 := name + " " + version. The dialog runs it itself whenever it is
  // about to appear, through Show(), which ShowModal() goes through as well.
  void FormShow();

  bool Show(bool show = true) override;

  void Label2Click();  // opens the web page
  void Label3Click();  // opens a new mail to the game's address
  void Button1Click();

  wxStaticText* Label1 = nullptr;
  wxStaticText* Label5 = nullptr;
  wxStaticText* Label2 = nullptr;
  wxStaticText* Label3 = nullptr;
  wxButton* Button1 = nullptr;

 private:
  Shell& shell_;
};
