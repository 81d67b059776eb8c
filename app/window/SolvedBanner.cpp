#include "app/window/SolvedBanner.h"

#include <wx/sizer.h>

#include "app/toolkit/Fonts.h"

SolvedBanner::SolvedBanner(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_SIMPLE) {
  // The clock's colours, so that the two read as one.
  SetBackgroundColour(*wxBLACK);
  const wxColour skyBlue(0xA6, 0xCA, 0xF0);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  auto line = [&](int pixels, const wxColour& colour) {
    auto* label = new wxStaticText(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                   wxALIGN_CENTRE_HORIZONTAL);
    label->SetFont(WindowFont(pixels));
    label->SetForegroundColour(colour);
    sizer->Add(label, 0, wxALIGN_CENTRE_HORIZONTAL | wxLEFT | wxRIGHT | wxTOP, 14);
    return label;
  };
  solved_ = line(30, skyBlue);
  record_ = line(24, wxColour(0xFF, 0xD7, 0x40));
  hint_ = line(14, skyBlue);
  sizer->AddSpacer(14);
  SetSizer(sizer);
  Hide();
}

void SolvedBanner::ShowIn(const wxSize& client, const wxString& solved, const wxString& record,
                          const wxString& hint) {
  solved_->SetLabel(solved);
  record_->SetLabel(record);
  record_->Show(!record.empty());
  hint_->SetLabel(hint);
  GetSizer()->Fit(this);
  Show();
  PlaceIn(client);
}

void SolvedBanner::PlaceIn(const wxSize& client) {
  const wxSize size = GetSize();
  SetPosition(wxPoint((client.x - size.x) / 2, (client.y - size.y) / 2));
  Raise();
}
