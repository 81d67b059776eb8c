// What the renderer asks of the window system: a pixel format, an OpenGL
// context on the drawing window, buffer swaps, the window's client height,
// a message box and a close request. The application implements it on its
// toolkit; tests, tools and benchmarks use the headless one.
#pragma once

// The renderer's minimum request; a binding may offer more (for example an
// accumulation buffer, which antialiased frames need).
struct VEKPixelFormatRequest {
  int ColorBits = 16;
  int DepthBits = 16;
  int AccumBits = 0;
  int StencilBits = 0;
  bool DoubleBuffer = true;
};

using VEKContextHandle = void*;

class VEKWindow {
 public:
  virtual ~VEKWindow() = default;

  // Returns a positive format number, or 0 when no format fits.
  virtual int ChoosePixelFormat(const VEKPixelFormatRequest& Request) = 0;
  virtual bool SetPixelFormat(int Format) = 0;
  virtual VEKContextHandle CreateContext() = 0;
  // Context null releases the current context.
  virtual bool MakeCurrent(VEKContextHandle Context) = 0;
  virtual void DeleteContext(VEKContextHandle Context) = 0;
  virtual void SwapBuffers() = 0;
  virtual int ClientHeight() const = 0;
  virtual void ShowMessage(const char* Text, const char* Caption) = 0;
  // Asks the window to close once the current event is handled.
  virtual void PostClose() = 0;
};
