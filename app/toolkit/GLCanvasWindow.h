// The renderer's window on the toolkit: a wxGLCanvas filling the drawing
// panel, with an accumulation buffer where the display offers one.
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
  int ClientHeight() const override;
  void ShowMessage(const char* Text, const char* Caption) override;
  void PostClose() override;

  wxGLCanvas* Canvas() const { return canvas_; }
  bool HasAccumulationBuffer() const { return format_ == kWithAccumulation; }
  std::function<void()> OnCloseRequest;

 private:
  enum Format { kNone = 0, kWithAccumulation = 1, kWithoutAccumulation = 2 };
  wxGLCanvas* canvas_ = nullptr;
  int format_ = kNone;
};
