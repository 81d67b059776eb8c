// What the dialog tests share: running the event loop, acting as the player
// would, and keeping screenshots.
#pragma once

#include <gtest/gtest.h>

#include <wx/event.h>
#include <wx/string.h>
#include <wx/window.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// Base of the dialog tests: GTK reports misuse (a widget given less room
// than it needs, say) only as a critical message on stderr, so a test fails
// when one appears between SetUp and TearDown. The text still reaches stderr.
class ToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override;
  // Derived fixtures call this last, once their windows are gone.
  void TearDown() override;

 private:
  int savedStderr_ = -1;
  std::FILE* capture_ = nullptr;
};

// Runs the toolkit's event loop for about `ms` milliseconds, so that windows
// are mapped, laid out and painted and queued calls run.
void PumpEvents(int ms = 50);
// Runs the event loop until `done` holds or `ms` milliseconds have passed;
// returns `done`'s last answer.
bool PumpUntil(const std::function<bool()>& done, int ms);

// Sends `control` the command event the toolkit sends when the player changes
// it, carrying `value` as its integer (slider position, choice index...).
void SendCommand(wxWindow& control, wxEventType type, int value = 0);
// The player picks the entry `index` of a drop-down.
void PickEntry(wxWindow& control, int index);

// Text with the line breaks of wrapping replaced by spaces.
wxString Unwrapped(const wxString& text);

// Every descendant window of `root` that is shown.
std::vector<wxWindow*> ShownDescendants(const wxWindow& root);

// Saves the whole screen as <dir>/<name>.png, dir being TESSARO_SCREENSHOT_DIR
// or the working directory; false when no picture could be taken.
bool SaveScreenshot(const std::string& name);
// The directory named by TESSARO_SCREENSHOT_DIR, or empty.
std::string ScreenshotDirectory();
