// The records box: the best time and its turns for each cube size.
#pragma once

#include <wx/dialog.h>
#include <wx/stattext.h>

#include "game/GameRecords.h"

class TRecordsForm : public wxDialog {
 public:
  TRecordsForm(wxWindow* parent, const GameRecords& records);

  // Row texts for the size N (2..5): "N×N×N", then "HH:MM:SS" and the turns,
  // or "—" for both without a record.
  static wxString SizeText(int size);
  static wxString TimeText(const GameRecords& records, int size);
  static wxString MovesText(const GameRecords& records, int size);

  // The time and turns labels of size N, for tests.
  wxStaticText* TimeLabel(int size) const { return time_[size - GameRecords::kMinSize]; }
  wxStaticText* MovesLabel(int size) const { return moves_[size - GameRecords::kMinSize]; }

 private:
  wxStaticText* time_[GameRecords::kMaxSize - GameRecords::kMinSize + 1] = {};
  wxStaticText* moves_[GameRecords::kMaxSize - GameRecords::kMinSize + 1] = {};
};
