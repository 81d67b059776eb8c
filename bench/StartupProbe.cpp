// How long a cube game takes to start: from exec to its window on screen,
// and to the first picture in it (the middle of the window no longer one
// flat colour). Runs the command given, polls the X server every
// millisecond, prints both times in milliseconds and ends the program.
// Usage: startup_probe WINDOW-NAME-PART COMMAND [ARGS...]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool NameContains(Display* display, Window window, const char* part) {
  XTextProperty text;
  if (!XGetWMName(display, window, &text) || !text.value) return false;
  const bool found = std::strstr(reinterpret_cast<const char*>(text.value), part) != nullptr;
  XFree(text.value);
  return found;
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
  while (MsSince(start) < 30000 && picture < 0) {
    if (!window) {
      window = FindShownWindow(display, DefaultRootWindow(display), argv[1]);
      if (window) mapped = MsSince(start);
    } else if (MiddleShowsAPicture(display, window)) {
      picture = MsSince(start);
    }
    if (waitpid(child, nullptr, WNOHANG) == child) break;
    usleep(1000);
  }
  std::printf("window %.0f ms, first picture %.0f ms\n", mapped, picture);
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  XCloseDisplay(display);
  return picture < 0 ? 1 : 0;
}
