// The window tests run inside one wx application, on the display in DISPLAY.
// Listing the tests needs no display.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>

#include <cstdio>

#include "app/toolkit/Languages.h"
#include "app/toolkit/Toolkit.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();

  wxApp::SetInstance(new wxApp());
  if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
    std::fprintf(stderr, "gui_tests: the toolkit could not start (is DISPLAY set?)\n");
    return 1;
  }
  // As the game does: the toolkit's own dialogs in Russian.
  AskToolkitForRussian();
  // A window whose settings say English finds its catalogue in the build.
  AddCatalogueFolder(TESSARO_BUILD_LOCALE);
  const int result = RUN_ALL_TESTS();
  wxTheApp->OnExit();
  wxEntryCleanup();
  return result;
}
