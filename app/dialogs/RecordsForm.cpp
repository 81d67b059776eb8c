#include "app/dialogs/RecordsForm.h"

#include <wx/button.h>
#include <wx/sizer.h>

#include "app/toolkit/Text.h"
#include "game/GameClock.h"

namespace {
}  // namespace

TRecordsForm::TRecordsForm(wxWindow* parent, const GameRecords& records)
    : wxDialog(parent, wxID_ANY, Text(TextId::RecordsCaption)) {
  auto* grid = new wxFlexGridSizer(3, wxSize(24, 6));
  auto cell = [&](const wxString& text, bool right) {
    auto* label = new wxStaticText(this, wxID_ANY, text);
    grid->Add(label, 0, right ? wxALIGN_RIGHT : wxALIGN_LEFT);
    return label;
  };
  cell(Text(TextId::RecordsCube), false);
  cell(Text(TextId::RecordsTime), true);
  cell(Text(TextId::RecordsMoves), true);
  for (int size = GameRecords::kMinSize; size <= GameRecords::kMaxSize; ++size) {
    cell(SizeText(size), false);
    time_[size - GameRecords::kMinSize] = cell(TimeText(records, size), true);
    moves_[size - GameRecords::kMinSize] = cell(MovesText(records, size), true);
  }
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(grid, 0, wxALL, 16);
  auto* ok = new wxButton(this, wxID_OK, "OK");
  ok->SetDefault();
  top->Add(ok, 0, wxALIGN_CENTER_HORIZONTAL | wxLEFT | wxRIGHT | wxBOTTOM, 12);
  SetSizerAndFit(top);
  CentreOnParent();
}

wxString TRecordsForm::SizeText(int size) { return Text(texts::CubeSize(size)); }

wxString TRecordsForm::TimeText(const GameRecords& records, int size) {
  const auto& best = records.Best(size);
  return best ? wxString(FormatGameClock(best->Seconds)) : Text(TextId::NoFigure);
}

wxString TRecordsForm::MovesText(const GameRecords& records, int size) {
  const auto& best = records.Best(size);
  return best ? wxString::Format("%d", best->Moves) : Text(TextId::NoFigure);
}
