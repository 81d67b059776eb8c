// The renderer's window on the toolkit: a wxGLCanvas filling the drawing
// panel, with an accumulation buffer where the display offers one.
//
// The toolkit measures windows and the mouse in its own units, which a
// desktop scaled to 200 % draws with two device pixels each way; OpenGL draws
// in device pixels. The renderer works in device pixels only: sizes and
// mouse positions are turned into them here, once, by the canvas's content
// scale.
#pragma once

#include <wx/glcanvas.h>

#include <functional>

#include "render/VekWindow.h"

class GLCanvasWindow : public VEKWindow {
 public:
  // Creates the canvas as a child of Parent with the best visual on offer.
  explicit GLCanvasWindow(wxWindow* Parent);

  int ChoosePixelFormat(const VEKPixelFormatRequest& Request) override;
  bool SetPixelFormat(int Format) override;
  VEKContextHandle CreateContext() override;
  bool MakeCurrent(VEKContextHandle Context) override;
  void DeleteContext(VEKContextHandle Context) override;
  void SwapBuffers() override;
  // In device pixels, as the viewport and the pick count them.
  int ClientHeight() const override;
  void ShowMessage(const char* Text, const char* Caption) override;
  void PostClose() override;

  wxGLCanvas* Canvas() const { return canvas_; }
  // The canvas's client size, and a position in its client area given in
  // the toolkit's units, in device pixels.
  wxSize DeviceSize() const;
  wxPoint ToDevice(const wxPoint& Position) const;
  bool HasAccumulationBuffer() const { return format_ == kWithAccumulation; }
  std::function<void()> OnCloseRequest;

 private:
  enum Format { kNone = 0, kWithAccumulation = 1, kWithoutAccumulation = 2 };
  wxGLCanvas* canvas_ = nullptr;
  int format_ = kNone;
};
