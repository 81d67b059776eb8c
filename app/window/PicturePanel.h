// The picture: the OpenGL canvas filling a sunken panel, the clock over its
// top right corner, and the mouse over the canvas handed on in the
// renderer's terms (the shift byte, client coordinates in device pixels).
#pragma once

#include <wx/panel.h>
#include <wx/stattext.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "app/toolkit/GLCanvasWindow.h"
#include "app/window/ClockPanel.h"
#include "app/window/SolvedBanner.h"

class PicturePanel : public wxPanel {
 public:
  struct Handlers {
    std::function<void()> MouseDown;
    std::function<void(uint8_t shift, int x, int y)> MouseMove;
    std::function<void()> MouseUp;
    // The picture on screen is gone (an expose not just under the clock).
    std::function<void()> Exposed;
    // The panel has a new client size, in the toolkit's units or in device pixels.
    std::function<void()> Resized;
  };

  PicturePanel(wxWindow* parent, Handlers handlers);

  // Lets the pointer go unless a button is still held.
  void ReleaseMouseIfUp();
  // A plain panel over the whole picture with a line of text (the pause),
  // or none; a click on it runs Clicked.
  void ShowCover(const wxString& text);
  void HideCover();
  bool CoverShown() const { return cover_->IsShown(); }
  std::function<void()> CoverClicked;

  std::unique_ptr<GLCanvasWindow> Window;
  ClockPanel* Clock = nullptr;
  SolvedBanner* Banner = nullptr;

 private:
  Handlers handlers_;
  wxPanel* cover_ = nullptr;
  wxStaticText* coverText_ = nullptr;
};
