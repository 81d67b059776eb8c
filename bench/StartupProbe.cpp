// How long a cube game takes to start: from exec to its window on screen,
// and to the first picture in it (the middle of the window no longer one
// flat colour). Runs the command given, polls the X server every
// millisecond, prints both times in milliseconds ("not found" for one never
// reached within 30 s or before the program ended) and ends the program.
// The window is found by a part of its title, _NET_WM_NAME or WM_NAME.
// Usage: startup_probe WINDOW-NAME-PART COMMAND [ARGS...]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The window's titles: _NET_WM_NAME (UTF-8), which some programs set alone,
// and WM_NAME both as its bytes and converted to UTF-8 from its encoding
// (programs put UTF-8 bytes in a Latin-1 STRING as often as they encode it).
std::vector<std::string> WindowNames(Display* display, Window window) {
  std::vector<std::string> names;
  const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* value = nullptr;
  if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count,
                         &after, &value) == Success &&
      value && type == utf8 && format == 8)
    names.emplace_back(reinterpret_cast<const char*>(value), count);
  if (value) XFree(value);
  XTextProperty text;
  if (!XGetWMName(display, window, &text) || !text.value) return names;
  if (text.format == 8) names.emplace_back(reinterpret_cast<const char*>(text.value), text.nitems);
  char** list = nullptr;
  int parts = 0;
  if (Xutf8TextPropertyToTextList(display, &text, &list, &parts) >= Success && list) {
    std::string converted;
    for (int i = 0; i < parts; ++i) converted += list[i];
    names.push_back(converted);
    XFreeStringList(list);
  }
  XFree(text.value);
  return names;
}

bool NameContains(Display* display, Window window, const char* part) {
  for (const std::string& name : WindowNames(display, window))
    if (name.find(part) != std::string::npos) return true;
  return false;
}

// A viewable window (top-level or a window manager's frame's child) named so.
Window FindShownWindow(Display* display, Window under, const char* part, int depth = 0) {
  Window root, parent, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, under, &root, &parent, &children, &count)) return 0;
  Window found = 0;
  for (unsigned i = 0; i < count && !found; ++i) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, children[i], &attributes)) continue;
    if (attributes.map_state != IsViewable) continue;
    if (NameContains(display, children[i], part))
      found = children[i];
    else if (depth < 2)
      found = FindShownWindow(display, children[i], part, depth + 1);
  }
  if (children) XFree(children);
  return found;
}

// More than one colour in a square in the middle of the window.
bool MiddleShowsAPicture(Display* display, Window window) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes)) return false;
  const int side = 24;
  if (attributes.width < side || attributes.height < side) return false;
  XImage* image = XGetImage(display, window, (attributes.width - side) / 2,
                            (attributes.height - side) / 2, side, side, AllPlanes, ZPixmap);
  if (!image) return false;
  std::set<unsigned long> colours;
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) colours.insert(XGetPixel(image, x, y));
  XDestroyImage(image);
  return colours.size() > 1;
}

std::string Ms(double ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%.0f ms", ms);
  return text;
}

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }  // windows come and go

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s WINDOW-NAME-PART COMMAND [ARGS...]\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "no X display\n");
    return 2;
  }
  XSetErrorHandler(IgnoreErrors);
  if (FindShownWindow(display, DefaultRootWindow(display), argv[1])) {
    std::fprintf(stderr, "a window named \"%s\" is already shown; close it first\n", argv[1]);
    return 2;
  }
  const Clock::time_point start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[2], argv + 2);
    _exit(127);
  }
  double mapped = -1, picture = -1;
  Window window = 0;
  bool exited = false;
  while (MsSince(start) < 30000 && picture < 0) {
    if (!window) {
      window = FindShownWindow(display, DefaultRootWindow(display), argv[1]);
      if (window) mapped = MsSince(start);
    } else if (MiddleShowsAPicture(display, window)) {
      picture = MsSince(start);
    }
    exited = waitpid(child, nullptr, WNOHANG) == child;
    if (exited) break;
    usleep(1000);
  }
  // A time never reached is "not found", so that no one reads it as a time.
  const auto shown = [](double ms) { return ms < 0 ? std::string("not found") : Ms(ms); };
  std::printf("window %s, first picture %s\n", shown(mapped).c_str(), shown(picture).c_str());
  std::fflush(stdout);
  if (!exited) {
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
  }
  // The server takes the window away a moment after its program ends; the
  // next round must not find this one's still shown.
  const Clock::time_point ended = Clock::now();
  while (MsSince(ended) < 5000 && FindShownWindow(display, DefaultRootWindow(display), argv[1]))
    usleep(1000);
  XCloseDisplay(display);
  return picture < 0 ? 1 : 0;
}
