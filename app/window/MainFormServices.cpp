#include "app/window/MainFormServices.h"

#include <wx/filename.h>
#include <wx/dialog.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>
#include <wx/stdpaths.h>

#include "app/dialogs/FileChooser.h"
#include "app/dialogs/MovesDialog.h"
#include "app/dialogs/KeptGamesForm.h"
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
      dialog.SetYesNoLabels(Text(TextId::Yes), Text(TextId::No));
      return dialog.ShowModal() == wxID_YES;
    };
  }
  if (!services.AskMoves) {
    services.AskMoves = [&parent](const wxString& caption, wxString& moves, TextSelection selection) {
      TMovesDialog dialog(&parent, caption, moves, selection);
      if (dialog.ShowModal() != wxID_OK) return false;
      moves = dialog.Moves();
      return true;
    };
  }
  if (!services.ShowText) {
    services.ShowText = [&parent](const wxString& caption, const wxString& text) {
      wxDialog dialog(&parent, wxID_ANY, caption, wxDefaultPosition, wxDefaultSize,
                      wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER);
      auto* sizer = new wxBoxSizer(wxVERTICAL);
      auto* box = new wxTextCtrl(&dialog, wxID_ANY, text, wxDefaultPosition, wxSize(460, 160),
                                 wxTE_MULTILINE | wxTE_READONLY | wxTE_WORDWRAP);
      sizer->Add(box, 1, wxEXPAND | wxALL, 8);
      sizer->Add(dialog.CreateButtonSizer(wxOK), 0, wxEXPAND | wxALL, 8);
      dialog.SetSizerAndFit(sizer);
      dialog.SetEscapeId(wxID_OK);
      box->SelectAll();
      dialog.ShowModal();
    };
  }
  if (!services.ChooseKeptGame) {
    services.ChooseKeptGame = [&parent](const KeptGamesChoice& choice) { return ChooseKeptGame(&parent, choice); };
  }
  const wxString executable = wxStandardPaths::Get().GetExecutablePath();
  if (services.ExecutableFolder.empty()) {
    services.ExecutableFolder = wxFileName(executable).GetPath().ToStdString(wxConvUTF8);
  }
  if (services.SettingsPath.empty()) services.SettingsPath = SettingsPathFromEnvironment(executable.ToStdString(wxConvUTF8));
  return services;
}
