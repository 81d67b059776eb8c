// Tessaro 3D: the application object and the program's entry point.
#include <wx/app.h>

#include <cfenv>
#include <cstdlib>

#include "app/MainForm.h"
#include "app/Toolkit.h"

namespace {
class TessaroApp : public wxApp {
 public:
  bool OnInit() override {
    AskToolkitForRussian();
    auto* form = new TMainForm();
    // The canvas takes an OpenGL context only once it is on screen.
    form->Show();
    form->FormCreate();
    form->CreateDialogs();
    return true;
  }
};
}  // namespace

wxIMPLEMENT_APP_NO_MAIN(TessaroApp);

int main(int argc, char** argv) {
#ifdef FE_ALL_EXCEPT
  fedisableexcept(FE_ALL_EXCEPT);
#endif
  // The accumulation buffer comes with GLX visuals: run on X11 (XWayland on a
  // Wayland desktop) unless the player chose otherwise.
  setenv("GDK_BACKEND", "x11", 0);
  return wxEntry(argc, argv);
}
