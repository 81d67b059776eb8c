// Real input and real dialogs for the window tests: X events made through
// XTest (as a player's mouse and keyboard would), and GTK dialogs found on
// screen and answered while their modal loop runs.
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/timer.h>
#include <wx/window.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

inline Display* XDisplayOfToolkit() { return GDK_DISPLAY_XDISPLAY(gdk_display_get_default()); }

// Once XSync returns, the events the server made for us are queued in our
// connection: the next event loop pass (or animation frame) sees them.
inline void SyncX() { XSync(XDisplayOfToolkit(), False); }

// The pointer to a device pixel of the window's client area. The X server
// counts device pixels; the toolkit's units are larger on a desktop scaled
// to 200 % (GDK_SCALE=2).
inline void PointerToDevice(const wxWindow& window, const wxPoint& device) {
  const wxPoint p = window.ToPhys(window.ClientToScreen(wxPoint(0, 0))) + device;
  XTestFakeMotionEvent(XDisplayOfToolkit(), -1, p.x, p.y, 0);
  SyncX();
}

// The same at a point given in the toolkit's units.
inline void PointerTo(const wxWindow& window, const wxPoint& local) {
  PointerToDevice(window, window.ToPhys(local));
}

// Button 4 is a wheel notch away from the user, 5 towards.
inline void ClickButton(unsigned button) {
  XTestFakeButtonEvent(XDisplayOfToolkit(), button, True, 0);
  XTestFakeButtonEvent(XDisplayOfToolkit(), button, False, 0);
  SyncX();
}

inline void PressKey(KeySym key) {
  Display* d = XDisplayOfToolkit();
  const KeyCode code = XKeysymToKeycode(d, key);
  XTestFakeKeyEvent(d, code, True, 0);
  XTestFakeKeyEvent(d, code, False, 0);
  SyncX();
}

// What the screen shows over the window's client area, in device pixels
// (0xRRGGBB, row by row): what the player sees, whichever window is on top.
struct ScreenPixels {
  int Width = 0, Height = 0;
  std::vector<unsigned long> Pixels;
  unsigned long At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
};

inline ScreenPixels ReadScreen(const wxWindow& window) {
  Display* d = XDisplayOfToolkit();
  const wxPoint origin = window.ToPhys(window.ClientToScreen(wxPoint(0, 0)));
  const wxRect screen(0, 0, DisplayWidth(d, DefaultScreen(d)), DisplayHeight(d, DefaultScreen(d)));
  // Only what lies on the screen can be read.
  const wxRect seen = wxRect(origin, window.ToPhys(window.GetClientSize())).Intersect(screen);
  const wxSize size = seen.GetSize();
  ScreenPixels shown;
  if (size.x <= 0 || size.y <= 0) return shown;
  XImage* image = XGetImage(d, DefaultRootWindow(d), seen.x, seen.y, size.x, size.y, AllPlanes, ZPixmap);
  if (!image) return shown;
  shown.Width = size.x, shown.Height = size.y;
  for (int y = 0; y < size.y; ++y) {
    for (int x = 0; x < size.x; ++x) shown.Pixels.push_back(XGetPixel(image, x, y) & 0xFFFFFF);
  }
  XDestroyImage(image);
  return shown;
}

// Whether a pixel within a few steps of the colour 0xRRGGBB is on screen there.
inline bool ScreenShowsColour(const wxWindow& window, unsigned long colour) {
  const auto near = [](unsigned long a, unsigned long b, int shift) {
    const int d = static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF);
    return d > -8 && d < 8;
  };
  const std::vector<unsigned long> pixels = ReadScreen(window).Pixels;
  return std::any_of(pixels.begin(), pixels.end(), [&](unsigned long p) {
    return near(p, colour, 16) && near(p, colour, 8) && near(p, colour, 0);
  });
}

// What the window manager sends when the player closes the window.
inline void RequestClose(wxWindow& frame) {
  Display* d = XDisplayOfToolkit();
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = gdk_x11_window_get_xid(gtk_widget_get_window(frame.GetHandle()));
  event.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, event.xclient.window, False, NoEventMask, &event);
  SyncX();
}

// A visible GTK window of that type (a dialog of ours or of the toolkit).
inline GtkWidget* VisibleToplevel(GType type) {
  GList* all = gtk_window_list_toplevels();
  GtkWidget* found = nullptr;
  for (GList* l = all; l && !found; l = l->next) {
    auto* w = static_cast<GtkWidget*>(l->data);
    if (G_TYPE_CHECK_INSTANCE_TYPE(w, type) && gtk_widget_get_visible(w)) found = w;
  }
  g_list_free(all);
  return found;
}

// The texts of every label inside a widget, as shown (mnemonics removed).
inline void CollectLabels(GtkWidget* widget, std::vector<std::string>& texts) {
  if (GTK_IS_LABEL(widget)) texts.emplace_back(gtk_label_get_text(GTK_LABEL(widget)));
  if (GTK_IS_CONTAINER(widget)) {
    GList* children = gtk_container_get_children(GTK_CONTAINER(widget));
    for (GList* l = children; l; l = l->next) CollectLabels(static_cast<GtkWidget*>(l->data), texts);
    g_list_free(children);
  }
}

// Runs the steps in order from a timer, so also inside the modal loops of
// dialogs; each step is tried every 20 ms until it returns true. A step that
// never succeeds fails the test and cancels whatever dialog is open, so that
// no test waits for ever.
class DialogScript {
 public:
  explicit DialogScript(std::vector<std::function<bool()>> steps) : steps_(std::move(steps)) {
    timer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Tick(); });
    timer_.Start(20);
  }
  bool Finished() const { return next_ == steps_.size(); }

 private:
  void Tick() {
    if (Finished()) return;
    if (steps_[next_]()) {
      ++next_;
      tries_ = 0;
    } else if (++tries_ > 1000) {
      std::string open;
      GList* all = gtk_window_list_toplevels();
      for (GList* l = all; l; l = l->next) {
        if (gtk_widget_get_visible(static_cast<GtkWidget*>(l->data))) {
          open += std::string(" ") + G_OBJECT_TYPE_NAME(l->data);
        }
      }
      g_list_free(all);
      ADD_FAILURE() << "dialog step " << next_ << " never happened; open:" << open;
      next_ = steps_.size();
      while (GtkWidget* dialog = VisibleToplevel(GTK_TYPE_DIALOG)) {
        gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_CANCEL);
        gtk_widget_hide(dialog);
      }
      for (wxWindow* window : wxTopLevelWindows) {
        auto* dialog = dynamic_cast<wxDialog*>(window);
        if (dialog && dialog->IsModal()) dialog->EndModal(wxID_CANCEL);
      }
    }
    if (Finished()) timer_.Stop();
  }

  std::vector<std::function<bool()>> steps_;
  size_t next_ = 0;
  int tries_ = 0;
  wxTimer timer_;
};
