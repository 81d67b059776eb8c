#include "app/window/SolvedBanner.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "app/toolkit/Fonts.h"
#include "app/toolkit/Text.h"
#include "game/Game.h"
#include "texts/Texts.h"

SolvedBanner::SolvedBanner(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_SIMPLE) {
  // The clock's colours, so that the two read as one.
  SetBackgroundColour(*wxBLACK);
  const wxColour skyBlue(0xA6, 0xCA, 0xF0);
  auto line = [&](int pixels, const wxColour& colour) {
    auto* label = new wxStaticText(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                   wxST_NO_AUTORESIZE);
    label->SetFont(WindowFont(pixels));
    label->SetForegroundColour(colour);
    return label;
  };
  solved_ = line(30, skyBlue);
  record_ = line(24, wxColour(0xFF, 0xD7, 0x40));
  hint_ = line(14, skyBlue);
  Hide();
}

void SolvedBanner::ShowIn(const wxSize& client, const wxString& solved, const wxString& record,
                          const wxString& hint) {
  // Laid out by hand from the texts' own extents: the labels' cached sizes
  // do not follow a new text before they are shown.
  constexpr int kMargin = 14;
  int width = 0, y = kMargin;
  std::vector<std::pair<wxStaticText*, wxSize>> shown;
  for (auto [label, text] :
       {std::pair{solved_, solved}, std::pair{record_, record}, std::pair{hint_, hint}}) {
    label->SetLabel(text);
    label->Show(!text.empty());
    if (text.empty()) continue;
    const wxSize extent = label->GetTextExtent(text);
    shown.emplace_back(label, extent);
    width = std::max(width, extent.x);
  }
  width += 2 * kMargin;
  for (const auto& [label, extent] : shown) {
    label->SetSize(wxRect(wxPoint((width - extent.x) / 2, y), extent));
    y += extent.y + kMargin / 2;
  }
  SetSize(wxSize(width, y + kMargin / 2));
  Show();
  PlaceIn(client);
}

void SolvedBanner::PlaceIn(const wxSize& client) {
  const wxSize size = GetSize();
  SetPosition(wxPoint((client.x - size.x) / 2, (client.y - size.y) / 2));
  Raise();
}

void SolvedBanner::ShowFor(const Game& game, const wxSize& client) {
  const std::string below = game.SolvedWithRecord()                       ? texts::Say(TextId::NewRecord)
                            : game.HelpUsed() && !game.SolvedByComputer() ? texts::Say(TextId::NoRecordWithHelp)
                                                                          : "";
  ShowIn(client,
         Text(game.SolvedByComputer() ? texts::Say(TextId::SolvedByComputer)
                                      : texts::SolvedBanner(game.Seconds(), game.MovesShown().value_or(0))),
         Text(below), Text(TextId::CopyMovesHint));
}
