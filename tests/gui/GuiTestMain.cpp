// The window tests run inside one wx application, on the display in DISPLAY.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  wxApp::SetInstance(new wxApp());
  if (!wxEntryStart(argc, argv)) {
    fprintf(stderr, "cannot start the toolkit: is DISPLAY set?\n");
    return 1;
  }
  wxTheApp->CallOnInit();
  const int result = RUN_ALL_TESTS();
  wxTheApp->OnExit();
  wxEntryCleanup();
  return result;
}
