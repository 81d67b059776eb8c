// Tessaro 3D: the application object and the program's entry point.
#include <glib-unix.h>
#include <wx/app.h>

#include <cfenv>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/settings/StartArguments.h"
#include "app/window/MainForm.h"
#include "app/window/OpenGameFile.h"
#include "app/toolkit/Toolkit.h"

namespace {
StartArguments startArguments;

// A logout, a kill or Ctrl+C in a terminal closes the window as its close
// box does, so that settings, records and the game in play are kept. GLib
// runs this from the event loop (also between the frames of an animation),
// not from the signal itself.
gboolean CloseOnSignal(gpointer) {
  if (wxWindow* top = wxTheApp ? wxTheApp->GetTopWindow() : nullptr) top->Close();
  // No toolkit event follows a signal: idle time, where the closed window is
  // deleted and the program ends, must be asked for.
  wxWakeUpIdle();
  return G_SOURCE_CONTINUE;
}

class TessaroApp : public wxApp {
 public:
  bool OnInit() override {
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) g_unix_signal_add(signal, CloseOnSignal, nullptr);
    AskToolkitForRussian();
    auto* form = new TMainForm();
    // The canvas takes an OpenGL context only once it is on screen.
    form->Show();
    form->FormCreate();
    if (startArguments.HasFile) OpenGameFile(*form, startArguments.File);
    return true;
  }
};
}  // namespace

wxIMPLEMENT_APP_NO_MAIN(TessaroApp);

namespace {
std::string WorkingFolder() {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::current_path(error);
  return error ? std::string(".") : folder.string();  // a folder gone: the name is taken as given
}
}  // namespace

int main(int argc, char** argv) {
#ifdef FE_ALL_EXCEPT
  fedisableexcept(FE_ALL_EXCEPT);
#endif
  startArguments = ReadStartArguments(std::vector<std::string>(argv + 1, argv + argc), WorkingFolder());
  switch (startArguments.Action) {
    case StartAction::Play: break;
    case StartAction::Help:
    case StartAction::Version: return std::printf("%s\n", startArguments.Text.c_str()) < 0 ? 1 : 0;
    case StartAction::Refused: std::fprintf(stderr, "%s\n", startArguments.Text.c_str()); return 2;
  }
  // The accumulation buffer comes with GLX visuals: run on X11 (XWayland on a
  // Wayland desktop) unless the player chose otherwise.
  setenv("GDK_BACKEND", "x11", 0);
  // The toolkit sees no word of the command line: GTK would take some of
  // them (--display) and refuse others.
  char* toolkitArgv[] = {argv[0], nullptr};
  int toolkitArgc = 1;
  return wxEntry(toolkitArgc, toolkitArgv);
}
