// The game clock's caption over the picture. It paints its own text: a
// label widget asks the whole window to lay itself out again whenever its
// text changes, and that repaints the OpenGL canvas beneath every second.
#pragma once

#include <wx/window.h>

class ClockCaption : public wxWindow {
 public:
  ClockCaption(wxWindow* parent, const wxString& text);

  // The text ends that many pixels from the right edge instead of being
  // centred (a field sized for wider figures than it mostly shows).
  void AlignRight(int margin);

  void SetLabel(const wxString& text) override;
  wxString GetLabel() const override { return text_; }

 protected:
  wxSize DoGetBestClientSize() const override;

 private:
  void OnPaint(wxPaintEvent& event);

  wxString text_;
  int rightMargin_ = -1;  // centred
};
