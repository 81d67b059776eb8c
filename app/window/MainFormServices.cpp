#include "app/window/MainFormServices.h"

#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/stdpaths.h>

#include "app/dialogs/FileChooser.h"
#include "app/settings/SettingsPath.h"
#include "app/toolkit/ProgramInfo.h"
#include "app/toolkit/Shell.h"
#include "app/toolkit/Text.h"

MainFormServices CompleteServices(MainFormServices services, wxWindow& parent) {
  if (!services.Chooser) services.Chooser = &DialogFileChooser();
  if (!services.Desktop) services.Desktop = &DesktopShell();
  if (!services.ShowError) {
    services.ShowError = [](const wxString& text) { wxMessageBox(text, Text(kProgramName), wxOK | wxICON_ERROR); };
  }
  if (!services.Ask) {
    services.Ask = [&parent](const wxString& question) {
      wxMessageDialog dialog(&parent, question, Text(kProgramName), wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION);
      dialog.SetYesNoLabels(Text("Да"), Text("Нет"));
      return dialog.ShowModal() == wxID_YES;
    };
  }
  const wxString executable = wxStandardPaths::Get().GetExecutablePath();
  if (services.ExecutableFolder.empty()) {
    services.ExecutableFolder = wxFileName(executable).GetPath().ToStdString(wxConvUTF8);
  }
  if (services.SettingsPath.empty()) services.SettingsPath = SettingsPathFromEnvironment(executable.ToStdString(wxConvUTF8));
  return services;
}
