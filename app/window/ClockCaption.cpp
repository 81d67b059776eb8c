#include "app/window/ClockCaption.h"

#include <wx/dcclient.h>

ClockCaption::ClockCaption(wxWindow* parent, const wxString& text)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE), text_(text) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &ClockCaption::OnPaint, this);
}

void ClockCaption::SetLabel(const wxString& text) {
  if (text == text_) return;
  text_ = text;
  Refresh(false);  // this window only: nothing else moves
}

void ClockCaption::AlignRight(int margin) {
  rightMargin_ = margin;
  Refresh(false);
}

wxSize ClockCaption::DoGetBestClientSize() const {
  wxClientDC dc(const_cast<ClockCaption*>(this));
  dc.SetFont(GetFont());
  return dc.GetTextExtent(text_);
}

void ClockCaption::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  dc.SetBackground(wxBrush(GetBackgroundColour()));
  dc.Clear();
  dc.SetFont(GetFont());
  dc.SetTextForeground(GetForegroundColour());
  const wxSize text = dc.GetTextExtent(text_);
  const wxSize client = GetClientSize();
  const int x = rightMargin_ < 0 ? (client.GetWidth() - text.GetWidth()) / 2
                                 : client.GetWidth() - text.GetWidth() - rightMargin_;
  dc.DrawText(text_, x, (client.GetHeight() - text.GetHeight()) / 2);
}
