// The open and save dialogs of the game, behind a small interface so that
// tests can answer them.
#pragma once

#include <wx/string.h>

#include <functional>

class wxWindow;

class FileChooser {
 public:
  FileChooser();
  virtual ~FileChooser() = default;
  // True when the player confirmed; Path then holds the chosen full path
  // (which may be empty if the dialog returned no name).
  virtual bool ChooseOpen(wxWindow* Parent, const wxString& Filter, wxString& Path) = 0;
  // ProposedName is the file name offered; a name typed without extension
  // gets DefaultExtension.
  virtual bool ChooseSave(wxWindow* Parent, const wxString& Filter, const wxString& ProposedName,
                          const wxString& DefaultExtension, wxString& Path) = 0;

  // Asks, in Russian, whether an existing file may be replaced; a message box
  // unless replaced.
  std::function<bool(wxWindow* Parent, const wxString& Path)> ConfirmReplace;
};

// The toolkit's file dialogs.
FileChooser& DialogFileChooser();
