#include "app/toolkit/GLCanvasWindow.h"

#include <wx/msgdlg.h>

namespace {
wxGLAttributes Attributes(bool accumulation) {
  wxGLAttributes attributes;
  attributes.PlatformDefaults().RGBA().DoubleBuffer().Depth(16).MinRGBA(5, 5, 5, 0);
  if (accumulation) attributes.MinAcumRGBA(16, 16, 16, 0);
  attributes.EndList();
  return attributes;
}
}  // namespace

GLCanvasWindow::GLCanvasWindow(wxWindow* Parent) {
  // Antialiased frames need an accumulation buffer; without one a frame of
  // several passes shows its last pass, which is still a good picture.
  wxGLAttributes attributes = Attributes(true);
  format_ = kWithAccumulation;
  if (!wxGLCanvas::IsDisplaySupported(attributes)) {
    attributes = Attributes(false);
    format_ = wxGLCanvas::IsDisplaySupported(attributes) ? kWithoutAccumulation : kNone;
  }
  if (format_ == kNone) {
    canvas_ = new wxGLCanvas(Parent, wxID_ANY, nullptr);
  } else {
    canvas_ = new wxGLCanvas(Parent, attributes, wxID_ANY);
  }
}

int GLCanvasWindow::ChoosePixelFormat(const VEKPixelFormatRequest&) { return format_; }

bool GLCanvasWindow::SetPixelFormat(int Format) { return Format != kNone && Format == format_; }

VEKContextHandle GLCanvasWindow::CreateContext() {
  auto* context = new wxGLContext(canvas_);
  if (!context->IsOK()) {
    delete context;
    return nullptr;
  }
  return context;
}

bool GLCanvasWindow::MakeCurrent(VEKContextHandle Context) {
  // The toolkit has no way to release a context; deleting it does.
  if (!Context) return true;
  return static_cast<wxGLContext*>(Context)->SetCurrent(*canvas_);
}

void GLCanvasWindow::DeleteContext(VEKContextHandle Context) {
  delete static_cast<wxGLContext*>(Context);
}

void GLCanvasWindow::SwapBuffers() { canvas_->SwapBuffers(); }

int GLCanvasWindow::ClientHeight() const { return DeviceSize().GetHeight(); }

wxSize GLCanvasWindow::DeviceSize() const { return canvas_->ToPhys(canvas_->GetClientSize()); }

wxPoint GLCanvasWindow::ToDevice(const wxPoint& Position) const {
  return canvas_->ToPhys(Position);
}

void GLCanvasWindow::ShowMessage(const char* Text, const char* Caption) {
  wxMessageBox(wxString::FromUTF8(Text), wxString::FromUTF8(Caption), wxOK);
}

void GLCanvasWindow::PostClose() {
  if (OnCloseRequest) canvas_->CallAfter(OnCloseRequest);
}
