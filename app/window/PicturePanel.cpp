#include "app/window/PicturePanel.h"

#include <wx/dcclient.h>

#include "app/toolkit/Toolkit.h"
#include "app/window/InputKeys.h"

PicturePanel::PicturePanel(wxWindow* parent, Handlers handlers)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_SUNKEN), handlers_(std::move(handlers)) {
  Window = std::make_unique<GLCanvasWindow>(this);
  Clock = new ClockPanel(this);
  Banner = new SolvedBanner(this);
  wxGLCanvas* canvas = Window->Canvas();
  cover_ = new wxPanel(this);
  coverText_ = new wxStaticText(cover_, wxID_ANY, wxEmptyString);
  coverText_->SetFont(coverText_->GetFont().Scaled(1.8f));
  cover_->Hide();
  for (wxWindow* w : {static_cast<wxWindow*>(this), static_cast<wxWindow*>(cover_),
                      static_cast<wxWindow*>(coverText_)}) {
    for (const auto& type : {wxEVT_LEFT_DOWN, wxEVT_RIGHT_DOWN, wxEVT_MIDDLE_DOWN}) {
      w->Bind(type, [this](wxMouseEvent& event) {
        if (cover_->IsShown() && CoverClicked) CoverClicked();
        event.Skip();
      });
    }
  }
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    handlers_.Resized();
    if (cover_->IsShown()) ShowCover(coverText_->GetLabel());
    if (Banner->IsShown()) Banner->PlaceIn(GetClientSize());
    event.Skip();
  });
  // The same size in device pixels is another size for the renderer.
  WatchContentScale(*canvas, [this] { handlers_.Resized(); });

  auto down = [this, canvas](wxMouseEvent& event) {
    // Moves outside the panel keep coming while a button is held.
    if (!canvas->HasCapture()) canvas->CaptureMouse();
    canvas->SetFocus();
    handlers_.MouseDown();
    event.Skip();
  };
  auto up = [this](wxMouseEvent& event) {
    ReleaseMouseIfUp();
    handlers_.MouseUp();
    event.Skip();
  };
  using MouseEventType = wxEventTypeTag<wxMouseEvent>;
  for (const MouseEventType& type : {wxEVT_LEFT_DOWN, wxEVT_RIGHT_DOWN, wxEVT_MIDDLE_DOWN, wxEVT_LEFT_DCLICK,
                                     wxEVT_RIGHT_DCLICK, wxEVT_MIDDLE_DCLICK}) {
    canvas->Bind(type, down);
  }
  for (const MouseEventType& type : {wxEVT_LEFT_UP, wxEVT_RIGHT_UP, wxEVT_MIDDLE_UP}) canvas->Bind(type, up);
  canvas->Bind(wxEVT_MOUSE_CAPTURE_LOST, [](wxMouseCaptureLostEvent&) {});
  canvas->Bind(wxEVT_MOTION, [this](wxMouseEvent& event) {
    const wxPoint device = Window->ToDevice(event.GetPosition());
    handlers_.MouseMove(MouseShift(event), device.x, device.y);
    event.Skip();
  });

  canvas->Bind(wxEVT_ERASE_BACKGROUND, [](wxEraseEvent&) {});
  // The frame timer redraws within 10 ms; an exposed canvas needs no frame
  // of its own (and a turn's animation is never interleaved with one), only
  // the word that the picture on screen is gone. The clock repaints itself
  // every second and the toolkit reports that as an expose of the canvas
  // beneath it; what lies under the clock is never seen, so that one does
  // not count.
  canvas->Bind(wxEVT_PAINT, [this, canvas](wxPaintEvent&) {
    wxPaintDC dc(canvas);
    wxRegion exposed = canvas->GetUpdateRegion();
    if (Clock->IsShown()) exposed.Subtract(wxRect(Clock->GetPosition() - canvas->GetPosition(), Clock->GetSize()));
    if (Banner->IsShown()) exposed.Subtract(wxRect(Banner->GetPosition() - canvas->GetPosition(), Banner->GetSize()));
    if (!exposed.IsEmpty()) handlers_.Exposed();
  });
}

void PicturePanel::ShowCover(const wxString& text) {
  coverText_->SetLabel(text);
  coverText_->InvalidateBestSize();
  const wxSize client = GetClientSize(), label = coverText_->GetBestSize();
  cover_->SetSize(client);
  coverText_->SetSize(wxRect(wxPoint((client.x - label.x) / 2, (client.y - label.y) / 2), label));
  // The canvas goes too: nothing of the picture shows, and clicks reach the cover.
  const bool hadFocus = Window->Canvas()->HasFocus();
  Window->Canvas()->Hide();
  cover_->Show();
  cover_->Raise();
  if (hadFocus) cover_->SetFocus();
}

void PicturePanel::HideCover() {
  const bool hadFocus = cover_->HasFocus();
  cover_->Hide();
  Window->Canvas()->Show();
  // The canvas comes back above its siblings: the figures and the banner
  // go over it again at once, not at the next resize.
  for (wxWindow* over : {static_cast<wxWindow*>(Clock), static_cast<wxWindow*>(Banner)}) {
    if (!over->IsShown()) continue;
    over->Raise();
    over->Refresh();
  }
  if (hadFocus) Window->Canvas()->SetFocus();
}

void PicturePanel::ReleaseMouseIfUp() {
  wxGLCanvas* canvas = Window->Canvas();
  if (canvas->HasCapture() && !wxGetMouseState().ButtonIsDown(wxMOUSE_BTN_ANY)) canvas->ReleaseMouse();
}
