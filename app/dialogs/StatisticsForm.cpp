#include "app/dialogs/StatisticsForm.h"

#include <wx/button.h>
#include <wx/clipbrd.h>
#include <wx/listctrl.h>
#include <wx/msgdlg.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>

#include "app/dialogs/TimesChart.h"
#include "app/toolkit/ProgramInfo.h"
#include "app/toolkit/Text.h"
#include "game/SolveStats.h"

namespace {

// The list of a size's games, newest first, read from them only for the rows
// on screen: ten thousand games open at once.
class TSolveRows : public wxListCtrl {
 public:
  TSolveRows(wxWindow* parent, const std::vector<SolveEntry>& games)
      : wxListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                   wxLC_REPORT | wxLC_VIRTUAL | wxLC_SINGLE_SEL | wxBORDER_SUNKEN),
        games_(games) {}

 private:
  wxString OnGetItemText(long item, long column) const override {
    if (item < 0 || item >= static_cast<long>(games_.size())) return wxString();
    const texts::SolveRow row = texts::SolveColumns(games_[games_.size() - 1 - static_cast<std::size_t>(item)]);
    switch (column) {
      case 0: return Text(row.Date);
      case 1: return Text(row.Time);
      case 2: return Text(row.Moves);
      case 3: return Text(row.How);
      default: return Text(row.Record);
    }
  }

  const std::vector<SolveEntry>& games_;
};

constexpr TextId kFigureNames[] = {TextId::StatsBest,    TextId::StatsMean,     TextId::StatsAo5,
                                   TextId::StatsAo12,    TextId::StatsBestAo5,  TextId::StatsBestAo12,
                                   TextId::StatsGames,   TextId::StatsMovesPerSecond};
static_assert(std::size(kFigureNames) == TStatisticsForm::kFigureCount, "a name for each figure");

}  // namespace

TStatisticsForm::TStatisticsForm(wxWindow* parent, SolveLog& history, int size)
    : wxDialog(parent, wxID_ANY, Text(TextId::StatsCaption), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      history_(history) {
  Confirm = [this](const wxString& question) {
    wxMessageDialog dialog(this, question, Text(kProgramName), wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION);
    dialog.SetYesNoLabels(Text(TextId::Yes), Text(TextId::No));
    return dialog.ShowModal() == wxID_YES;
  };
  ShowError = [this](const wxString& text) { wxMessageBox(text, Text(kProgramName), wxOK | wxICON_ERROR, this); };
  PutOnClipboard = [](const wxString& text) {
    if (!wxTheClipboard->Open()) return;
    wxTheClipboard->SetData(new wxTextDataObject(text));
    wxTheClipboard->Close();
  };

  auto* top = new wxBoxSizer(wxVERTICAL);
  Pages = new wxNotebook(this, wxID_ANY);
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    pages_[i].Size = kMinCubeSize + static_cast<int>(i);
    MakePage(pages_[i]);
  }
  top->Add(Pages, 1, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 12);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  ViewButton = new wxButton(this, wxID_OK, Text(TextId::StatsView));
  CopyButton = new wxButton(this, wxID_COPY, Text(TextId::StatsCopy));
  DeleteButton = new wxButton(this, wxID_DELETE, Text(TextId::StatsDelete));
  auto* close = new wxButton(this, wxID_CANCEL, Text(TextId::StatsClose));
  buttons->Add(ViewButton, 0, wxRIGHT, 8);
  buttons->Add(CopyButton, 0, wxRIGHT, 8);
  buttons->Add(DeleteButton, 0, wxRIGHT, 8);
  buttons->AddStretchSpacer();
  buttons->Add(close);
  top->Add(buttons, 0, wxEXPAND | wxALL, 12);
  close->SetDefault();
  SetEscapeId(wxID_CANCEL);

  ViewButton->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ViewSelected(); });
  CopyButton->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { CopySelected(); });
  DeleteButton->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { DeleteSelected(); });
  Pages->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, [this](wxBookCtrlEvent& event) {
    event.Skip();
    UpdateButtons();
  });

  const int shown = std::clamp(size, kMinCubeSize, kMaxCubeSize);
  Pages->SetSelection(static_cast<std::size_t>(shown - kMinCubeSize));
  SetSizerAndFit(top);
  CentreOnParent();
  UpdateButtons();
  PageOf(shown).Rows->SetFocus();
}

void TStatisticsForm::MakePage(Page& page) {
  auto* panel = new wxPanel(Pages);
  auto* figures = new wxFlexGridSizer(2, wxSize(12, 5));
  wxFont bold = panel->GetFont().Bold();
  for (std::size_t i = 0; i < page.Figures.size(); ++i) {
    figures->Add(new wxStaticText(panel, wxID_ANY, Text(kFigureNames[i])), 0, wxALIGN_CENTER_VERTICAL);
    page.Figures[i] = new wxStaticText(panel, wxID_ANY, Text(texts::StatsFigure(std::nullopt)));
    page.Figures[i]->SetFont(bold);
    figures->Add(page.Figures[i], 0, wxALIGN_CENTER_VERTICAL);
  }
  page.Chart = new TTimesChart(panel);
  auto* upper = new wxBoxSizer(wxHORIZONTAL);
  upper->Add(figures, 0, wxRIGHT, 16);
  upper->Add(page.Chart, 1, wxEXPAND);

  page.Rows = new TSolveRows(panel, page.Games);
  const struct {
    TextId name;
    wxListColumnFormat align;
    int width;
  } columns[] = {{TextId::StatsColumnDate, wxLIST_FORMAT_LEFT, 130},
                 {TextId::StatsColumnTime, wxLIST_FORMAT_RIGHT, 110},
                 {TextId::StatsColumnMoves, wxLIST_FORMAT_RIGHT, 70},
                 {TextId::StatsColumnHow, wxLIST_FORMAT_LEFT, 110},
                 {TextId::StatsColumnRecord, wxLIST_FORMAT_CENTER, 70}};
  for (const auto& column : columns) page.Rows->AppendColumn(Text(column.name), column.align, FromDIP(column.width));
  page.Rows->SetMinSize(wxSize(FromDIP(520), -1));
  page.Rows->Bind(wxEVT_LIST_ITEM_SELECTED, [this](wxListEvent&) { UpdateButtons(); });
  page.Rows->Bind(wxEVT_LIST_ITEM_DESELECTED, [this](wxListEvent&) { UpdateButtons(); });
  page.Rows->Bind(wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent&) { ViewSelected(); });

  // Both grow in proportion to their least heights: at the least size of
  // the box neither has more than it needs.
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(upper, upper->CalcMin().y, wxEXPAND | wxALL, 8);
  sizer->Add(page.Rows, page.Rows->GetBestSize().y, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
  panel->SetSizer(sizer);
  Pages->AddPage(panel, Text(texts::CubeSize(page.Size)));
  Refill(page);
}

void TStatisticsForm::Refill(Page& page) {
  page.Games = history_.Solves(page.Size);
  const SizeStats stats = StatsOf(page.Games);
  const std::string figures[kFigureCount] = {
      texts::StatsFigure(stats.Best),    texts::StatsFigure(stats.Mean),    texts::StatsFigure(stats.Ao5),
      texts::StatsFigure(stats.Ao12),    texts::StatsFigure(stats.BestAo5), texts::StatsFigure(stats.BestAo12),
      texts::Fill(TextId::StatsGamesPattern, {std::to_string(stats.Count), std::to_string(stats.Solved)}),
      texts::StatsDecimal(stats.MovesPerSecond)};
  for (std::size_t i = 0; i < page.Figures.size(); ++i) page.Figures[i]->SetLabel(Text(figures[i]));
  page.Chart->SetTimes(TimesOf(page.Games));
  // No row stays selected: the one under it is another game.
  for (long item = -1; (item = page.Rows->GetNextItem(item, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED)) >= 0;)
    page.Rows->SetItemState(item, 0, wxLIST_STATE_SELECTED);
  page.Rows->SetItemCount(static_cast<long>(page.Games.size()));
  page.Rows->Refresh();
}

int TStatisticsForm::ShownSize() const {
  const int page = Pages->GetSelection();
  return kMinCubeSize + std::max(page, 0);
}

const SolveEntry* TStatisticsForm::Selected() const {
  const Page& page = PageOf(ShownSize());
  const long item = page.Rows->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
  if (item < 0 || item >= static_cast<long>(page.Games.size())) return nullptr;
  return &page.Games[page.Games.size() - 1 - static_cast<std::size_t>(item)];
}

void TStatisticsForm::UpdateButtons() {
  const SolveEntry* game = Selected();
  // Without its scramble a game cannot be played again.
  ViewButton->Enable(game && !game->Scramble.empty());
  CopyButton->Enable(game != nullptr);
  DeleteButton->Enable(game != nullptr);
}

void TStatisticsForm::ViewSelected() {
  const SolveEntry* game = Selected();
  if (!game || game->Scramble.empty()) return;
  chosen_ = *game;
  if (IsModal()) EndModal(wxID_OK);
}

void TStatisticsForm::CopySelected() {
  if (const SolveEntry* game = Selected()) PutOnClipboard(Text(texts::SolveAsText(*game)));
}

void TStatisticsForm::DeleteSelected() {
  const SolveEntry* game = Selected();
  if (!game || !Confirm(Text(texts::DeleteSolveQuestion(*game)))) return;
  HistoryProblem why;
  if (!history_.Remove(game->Id, why)) ShowError(Text(texts::SolveNotDeleted(why)));
  // Deleted or not, the page shows the history as it is now.
  Page& page = pages_[static_cast<std::size_t>(ShownSize() - kMinCubeSize)];
  Refill(page);
  page.Rows->GetParent()->Layout();  // the figures' widths may have changed
  UpdateButtons();
}
