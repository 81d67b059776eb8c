#include "app/dialogs/FileChooser.h"

#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>

#include "app/toolkit/Text.h"

namespace {

bool ToolkitConfirmReplace(wxWindow* Parent, const wxString& Path) {
  wxMessageDialog question(
      Parent,
      Text(texts::FileExistsQuestion(wxFileName(Path).GetFullName().utf8_string())),
      Text(TextId::SaveAsCaption), wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION);
  question.SetYesNoLabels(Text(TextId::Replace), Text(TextId::Cancel));
  return question.ShowModal() == wxID_YES;
}

class ToolkitFileChooser : public FileChooser {
 public:
  bool ChooseOpen(wxWindow* Parent, const wxString& Filter, wxString& Path) override {
    wxFileDialog dialog(Parent, Text(TextId::OpenCaption), wxEmptyString, wxEmptyString, Filter,
                        wxFD_OPEN);
    if (dialog.ShowModal() != wxID_OK) return false;
    Path = dialog.GetPath();
    return true;
  }

  bool ChooseSave(wxWindow* Parent, const wxString& Filter, const wxString& ProposedName,
                  const wxString& DefaultExtension, wxString& Path) override {
    wxString folder, name = ProposedName;
    for (;;) {
      // Replacing is asked about here, never by the toolkit's dialog: it
      // checks the name in the background, and a name that gets its
      // extension while that check runs would be replaced unasked.
      wxFileDialog dialog(Parent, Text(TextId::SaveAsCaption), folder, name, Filter, wxFD_SAVE);
      if (dialog.ShowModal() != wxID_OK) return false;
      Path = dialog.GetPath();
      wxFileName chosen(Path);
      if (Path.empty()) return true;
      if (!chosen.HasExt()) chosen.SetExt(DefaultExtension);
      Path = chosen.GetFullPath();
      if (!chosen.Exists() || ConfirmReplace(Parent, Path)) return true;
      // Not replaced: the dialog comes back with the name as typed.
      folder = chosen.GetPath();
      name = wxFileName(dialog.GetPath()).GetFullName();
    }
  }
};
}  // namespace

FileChooser::FileChooser() : ConfirmReplace(ToolkitConfirmReplace) {}

FileChooser& DialogFileChooser() {
  static ToolkitFileChooser chooser;
  return chooser;
}
