#include "app/dialogs/KeptGamesForm.h"

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <utility>

#include "app/toolkit/Text.h"

TKeptGamesForm::TKeptGamesForm(wxWindow* parent, KeptGamesChoice choice)
    : wxDialog(parent, wxID_ANY, Text(TextId::KeptGamesCaption), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      choice_(std::move(choice)) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, Text(TextId::KeptGamesPrompt)), 0, wxLEFT | wxRIGHT | wxTOP, 12);
  Rows = new wxListCtrl(this, wxID_ANY, wxDefaultPosition, wxSize(440, 150),
                        wxLC_REPORT | wxLC_SINGLE_SEL | wxBORDER_SUNKEN);
  Rows->AppendColumn(Text(TextId::KeptColumnSaved), wxLIST_FORMAT_LEFT, 140);
  Rows->AppendColumn(Text(TextId::KeptColumnCube), wxLIST_FORMAT_LEFT, 100);
  Rows->AppendColumn(Text(TextId::KeptColumnMoves), wxLIST_FORMAT_RIGHT, 70);
  Rows->AppendColumn(Text(TextId::KeptColumnClock), wxLIST_FORMAT_RIGHT, 100);
  top->Add(Rows, 1, wxEXPAND | wxALL, 12);
  Note = new wxStaticText(this, wxID_ANY, wxEmptyString);
  top->Add(Note, 0, wxEXPAND | wxLEFT | wxRIGHT, 12);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  ContinueButton = new wxButton(this, wxID_OK, Text(TextId::KeptContinue));
  DeleteButton = new wxButton(this, wxID_DELETE, Text(TextId::KeptDelete));
  auto* close = new wxButton(this, wxID_CANCEL, Text(TextId::KeptClose));
  buttons->Add(ContinueButton, 0, wxRIGHT, 8);
  buttons->Add(DeleteButton, 0, wxRIGHT, 8);
  buttons->AddStretchSpacer();
  buttons->Add(close);
  top->Add(buttons, 0, wxEXPAND | wxALL, 12);
  ContinueButton->SetDefault();
  SetEscapeId(wxID_CANCEL);

  ContinueButton->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ContinueSelected(); });
  DeleteButton->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { DeleteSelected(); });
  Rows->Bind(wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent&) { ContinueSelected(); });
  Rows->Bind(wxEVT_LIST_ITEM_SELECTED, [this](wxListEvent&) { UpdateButtons(); });
  Rows->Bind(wxEVT_LIST_ITEM_DESELECTED, [this](wxListEvent&) { UpdateButtons(); });

  Refill();
  SetSizerAndFit(top);
  CentreOnParent();
  Rows->SetFocus();
}

void TKeptGamesForm::Refill() {
  games_ = choice_.List ? choice_.List() : std::vector<KeptGame>();
  Rows->DeleteAllItems();
  for (std::size_t i = 0; i < games_.size(); ++i) {
    const texts::KeptGameRow row = texts::KeptGameColumns(games_[i]);
    const long item = Rows->InsertItem(static_cast<long>(i), Text(row.Saved));
    Rows->SetItem(item, 1, Text(row.Cube));
    Rows->SetItem(item, 2, Text(row.Moves));
    Rows->SetItem(item, 3, Text(row.Clock));
  }
  // The newest is chosen to start with, as Continue alone would.
  if (!games_.empty()) {
    Rows->SetItemState(0, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                       wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
  } else {
    Note->SetLabel(Text(TextId::KeptNoneLeft));
  }
  UpdateButtons();
}

int TKeptGamesForm::Selected() const {
  const long item = Rows->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
  return item >= 0 && item < static_cast<long>(games_.size()) ? static_cast<int>(item) : -1;
}

void TKeptGamesForm::UpdateButtons() {
  const int row = Selected();
  ContinueButton->Enable(row >= 0);
  // A file that reads as no game is not known to be the game's: it stays.
  DeleteButton->Enable(row >= 0 && games_[static_cast<std::size_t>(row)].Summary.has_value());
}

void TKeptGamesForm::ContinueSelected() {
  const int row = Selected();
  if (row < 0) return;
  chosen_ = games_[static_cast<std::size_t>(row)].Path;
  EndModal(wxID_OK);
}

void TKeptGamesForm::DeleteSelected() {
  const int row = Selected();
  if (row < 0 || !choice_.Delete || !games_[static_cast<std::size_t>(row)].Summary) return;
  GameStatus why;
  const bool deleted = choice_.Delete(games_[static_cast<std::size_t>(row)], why);
  if (!deleted && why.empty()) return;  // the player kept it
  Note->SetLabel(Text(texts::StatusLine(why)));
  // Deleted or not, the list shows the folder as it is now.
  Refill();
  Layout();
}

std::string ChooseKeptGame(wxWindow* parent, const KeptGamesChoice& choice) {
  TKeptGamesForm form(parent, choice);
  form.ShowModal();
  return form.Chosen();
}
