#include "app/window/MainFormServices.h"

#include <wx/filename.h>
#include <wx/dialog.h>
#include <wx/msgdlg.h>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>
#include <wx/stdpaths.h>

#include "app/dialogs/FileChooser.h"
#include "app/dialogs/MovesDialog.h"
#include "app/dialogs/KeptGamesForm.h"
#include "app/dialogs/StatisticsForm.h"
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
    services.ShowText = [&parent](const wxString& caption, const wxString& text, bool offerReview) {
      wxDialog dialog(&parent, wxID_ANY, caption, wxDefaultPosition, wxDefaultSize,
                      wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER);
      auto* sizer = new wxBoxSizer(wxVERTICAL);
      auto* box = new wxTextCtrl(&dialog, wxID_ANY, text, wxDefaultPosition, wxSize(460, 160),
                                 wxTE_MULTILINE | wxTE_READONLY | wxTE_WORDWRAP);
      sizer->Add(box, 1, wxEXPAND | wxALL, 8);
      auto* buttons = new wxBoxSizer(wxHORIZONTAL);
      if (offerReview) buttons->Add(new wxButton(&dialog, wxID_YES, Text(TextId::ReviewGame)), 0, wxRIGHT, 8);
      buttons->Add(new wxButton(&dialog, wxID_OK), 0);
      sizer->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 8);
      dialog.SetSizerAndFit(sizer);
      dialog.SetEscapeId(wxID_OK);
      dialog.SetAffirmativeId(wxID_OK);
      dialog.Bind(wxEVT_BUTTON, [&dialog](wxCommandEvent&) { dialog.EndModal(wxID_YES); }, wxID_YES);
      box->SelectAll();
      return dialog.ShowModal() == wxID_YES;
    };
  }
  if (!services.ShowStatistics) {
    services.ShowStatistics = [&parent](SolveLog& history, int size) -> std::optional<SolveEntry> {
      TStatisticsForm form(&parent, history, size);
      if (form.ShowModal() != wxID_OK) return std::nullopt;
      return form.Chosen();
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
