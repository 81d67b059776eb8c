#include "app/dialogs/MovesDialog.h"

#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/toolkit/Text.h"

TMovesDialog::TMovesDialog(wxWindow* parent, const wxString& caption, const wxString& moves,
                           TextSelection selection)
    : wxDialog(parent, wxID_ANY, caption, wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(new wxStaticText(this, wxID_ANY, Text(TextId::MovesPrompt)), 0, wxLEFT | wxRIGHT | wxTOP, 8);
  MovesBox = new wxTextCtrl(this, wxID_ANY, moves, wxDefaultPosition, wxSize(FromDIP(420), FromDIP(70)),
                            wxTE_MULTILINE | wxTE_WORDWRAP);
  sizer->Add(MovesBox, 1, wxEXPAND | wxALL, 8);
  sizer->Add(CreateButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(sizer);
  MovesBox->Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
    const bool enter = event.GetKeyCode() == WXK_RETURN || event.GetKeyCode() == WXK_NUMPAD_ENTER;
    if (enter && !event.ShiftDown()) {
      EndModal(wxID_OK);
      return;
    }
    event.Skip();
  });
  MovesBox->SetFocus();
  if (selection.From != selection.To) {
    MovesBox->SetSelection(selection.From, selection.To);
    MovesBox->ShowPosition(selection.From);
  } else {
    MovesBox->SetInsertionPointEnd();
  }
}
