#include "render/OSMesaWindow.h"

#include <GL/gl.h>
#include <GL/osmesa.h>

#include <algorithm>
#include <cstring>

namespace {
std::size_t BufferBytes(int width, int height) {
  return static_cast<std::size_t>(std::max(width, 1)) * static_cast<std::size_t>(std::max(height, 1)) * 4;
}
}  // namespace

OSMesaWindow::OSMesaWindow(int Width, int Height)
    : width_(Width), height_(Height), buffer_(BufferBytes(Width, Height)) {}

OSMesaWindow::~OSMesaWindow() {
  if (current_) OSMesaMakeCurrent(nullptr, nullptr, GL_UNSIGNED_BYTE, 0, 0);
}

int OSMesaWindow::ChoosePixelFormat(const VEKPixelFormatRequest&) { return 1; }

bool OSMesaWindow::SetPixelFormat(int Format) { return Format == 1; }

VEKContextHandle OSMesaWindow::CreateContext() {
  // Always with an accumulation buffer: antialiased frames need one.
  return OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 16, nullptr);
}

bool OSMesaWindow::MakeCurrent(VEKContextHandle Context) {
  if (!Context) {
    current_ = nullptr;
    return OSMesaMakeCurrent(nullptr, nullptr, GL_UNSIGNED_BYTE, 0, 0) == GL_TRUE;
  }
  current_ = Context;
  return OSMesaMakeCurrent(static_cast<OSMesaContext>(Context), buffer_.data(), GL_UNSIGNED_BYTE,
                           std::max(width_, 1), std::max(height_, 1)) == GL_TRUE;
}

void OSMesaWindow::DeleteContext(VEKContextHandle Context) {
  if (Context == current_) current_ = nullptr;
  OSMesaDestroyContext(static_cast<OSMesaContext>(Context));
}

void OSMesaWindow::SwapBuffers() { glFinish(); }

void OSMesaWindow::ShowMessage(const char* Text, const char* Caption) {
  Messages.push_back(std::string(Caption) + ": " + Text);
}

void OSMesaWindow::SetClientSize(int Width, int Height) {
  width_ = Width;
  height_ = Height;
  buffer_.assign(BufferBytes(Width, Height), 0);
  if (current_) MakeCurrent(current_);
}

std::vector<uint8_t> OSMesaWindow::ReadPixels() const {
  const int w = std::max(width_, 1), h = std::max(height_, 1);
  std::vector<uint8_t> bottomUp(static_cast<std::size_t>(w) * h * 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
  std::vector<uint8_t> topDown(bottomUp.size());
  const std::size_t row = static_cast<std::size_t>(w) * 4;
  for (int y = 0; y < h; ++y) {
    std::memcpy(topDown.data() + row * y, bottomUp.data() + row * (h - 1 - y), row);
  }
  return topDown;
}
