#include "app/FileChooser.h"

#include <wx/filedlg.h>
#include <wx/filename.h>

namespace {
class ToolkitFileChooser : public FileChooser {
 public:
  bool ChooseOpen(wxWindow* Parent, const wxString& Filter, wxString& Path) override {
    wxFileDialog dialog(Parent, wxFileSelectorPromptStr, wxEmptyString, wxEmptyString, Filter,
                        wxFD_OPEN);
    if (dialog.ShowModal() != wxID_OK) return false;
    Path = dialog.GetPath();
    return true;
  }

  bool ChooseSave(wxWindow* Parent, const wxString& Filter, const wxString& ProposedName,
                  const wxString& DefaultExtension, wxString& Path) override {
    wxFileDialog dialog(Parent, wxFileSelectorPromptStr, wxEmptyString, ProposedName, Filter,
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK) return false;
    Path = dialog.GetPath();
    wxFileName name(Path);
    if (!Path.empty() && !name.HasExt()) {
      name.SetExt(DefaultExtension);
      Path = name.GetFullPath();
    }
    return true;
  }
};
}  // namespace

FileChooser& DialogFileChooser() {
  static ToolkitFileChooser chooser;
  return chooser;
}
