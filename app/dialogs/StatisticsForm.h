// The statistics box: a page per cube size with the figures of its games,
// the chart of their times and the list of them, newest first. A game of the
// list can be watched again, copied as text or deleted from the history.
#pragma once

#include <wx/dialog.h>

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "game/SolveEntry.h"
#include "puzzle/CubeSizes.h"

class TTimesChart;
class wxButton;
class wxListCtrl;
class wxNotebook;
class wxStaticText;

class TStatisticsForm : public wxDialog {
 public:
  // The page of size (2..5) is shown first.
  TStatisticsForm(wxWindow* parent, SolveLog& history, int size);

  // The game to watch once the box ended with "Просмотреть"; else none.
  const std::optional<SolveEntry>& Chosen() const { return chosen_; }

  // Asked before a game is deleted; true deletes it. A Yes/No box by default.
  std::function<bool(const wxString& question)> Confirm;
  // Why a game stayed in the history. A message box by default.
  std::function<void(const wxString& text)> ShowError;
  // Where "Копировать" puts a game's text. The clipboard by default.
  std::function<void(const wxString& text)> PutOnClipboard;

  // What the buttons do, on the selected game of the page shown.
  void ViewSelected();
  void CopySelected();
  void DeleteSelected();

  enum Figure { Best, Mean, Ao5, Ao12, BestAo5, BestAo12, Games, MovesPerSecond, kFigureCount };
  struct Page {
    int Size = 0;
    std::vector<SolveEntry> Games;  // oldest first; the list shows them newest first
    std::array<wxStaticText*, kFigureCount> Figures{};
    TTimesChart* Chart = nullptr;
    wxListCtrl* Rows = nullptr;
  };
  const Page& PageOf(int size) const { return pages_[static_cast<std::size_t>(size - kMinCubeSize)]; }
  // The size of the page shown, and its selected game (none without one).
  int ShownSize() const;
  const SolveEntry* Selected() const;

  wxNotebook* Pages = nullptr;
  wxButton* ViewButton = nullptr;
  wxButton* CopyButton = nullptr;
  wxButton* DeleteButton = nullptr;

 private:
  void MakePage(Page& page);
  void Refill(Page& page);
  void UpdateButtons();

  SolveLog& history_;
  std::array<Page, kCubeSizeCount> pages_;
  std::optional<SolveEntry> chosen_;
};
