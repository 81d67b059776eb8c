// A window in memory: real OpenGL rendering through OSMesa, for tests, tools
// and benchmarks. RGBA, 16-bit depth, an accumulation buffer; a swap is a
// no-op because the one buffer already holds the finished frame.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "render/VekWindow.h"

class OSMesaWindow : public VEKWindow {
 public:
  OSMesaWindow(int Width, int Height);
  ~OSMesaWindow() override;

  int ChoosePixelFormat(const VEKPixelFormatRequest& Request) override;
  bool SetPixelFormat(int Format) override;
  VEKContextHandle CreateContext() override;
  bool MakeCurrent(VEKContextHandle Context) override;
  void DeleteContext(VEKContextHandle Context) override;
  void SwapBuffers() override;
  int ClientHeight() const override { return height_; }
  void ShowMessage(const char* Text, const char* Caption) override;
  void PostClose() override { CloseRequested = true; }

  // Changes the client size; the caller then tells the renderer (Resize).
  void SetClientSize(int Width, int Height);
  int ClientWidth() const { return width_; }
  // The picture as RGBA rows from the top, read back from OpenGL.
  std::vector<uint8_t> ReadPixels() const;

  // What the renderer reported through the window.
  std::vector<std::string> Messages;
  bool CloseRequested = false;

 private:
  int width_;
  int height_;
  std::vector<uint8_t> buffer_;
  VEKContextHandle current_ = nullptr;
};
