#include "DialogTestSupport.h"

#include <wx/app.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/utils.h>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

void ToolkitTest::SetUp() {
  std::fflush(stderr);
  capture_ = std::tmpfile();
  if (!capture_) return;
  savedStderr_ = dup(STDERR_FILENO);
  dup2(fileno(capture_), STDERR_FILENO);
}

void ToolkitTest::TearDown() {
  if (!capture_) return;
  std::fflush(stderr);
  dup2(savedStderr_, STDERR_FILENO);
  close(savedStderr_);
  std::string text;
  std::rewind(capture_);
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, capture_)) > 0;) text.append(buffer, n);
  std::fclose(capture_);
  capture_ = nullptr;
  std::fputs(text.c_str(), stderr);
  EXPECT_EQ(text.find("-CRITICAL **"), std::string::npos) << "the toolkit complained:\n" << text;
}

bool PumpUntil(const std::function<bool()>& done, int ms) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    wxTheApp->ProcessPendingEvents();
    wxTheApp->Yield(true);
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

void PumpEvents(int ms) {
  PumpUntil([] { return false; }, ms);
}

void SendCommand(wxWindow& control, wxEventType type, int value) {
  wxCommandEvent event(type, control.GetId());
  event.SetEventObject(&control);
  event.SetInt(value);
  control.GetEventHandler()->ProcessEvent(event);
}

void PickEntry(wxWindow& control, int index) {
  // A combo box first: on GTK it is a kind of wxChoice.
  if (auto* combo = dynamic_cast<wxComboBox*>(&control)) {
    combo->SetSelection(index);
    SendCommand(control, wxEVT_COMBOBOX, index);
  } else if (auto* choice = dynamic_cast<wxChoice*>(&control)) {
    choice->SetSelection(index);
    SendCommand(control, wxEVT_CHOICE, index);
  }
}

wxString Unwrapped(const wxString& text) {
  wxString result = text;
  result.Replace("\n", " ");
  return result;
}

std::vector<wxWindow*> ShownDescendants(const wxWindow& root) {
  std::vector<wxWindow*> result;
  for (wxWindow* child : root.GetChildren()) {
    if (!child->IsShown() || child->IsTopLevel()) continue;
    result.push_back(child);
    for (wxWindow* inner : ShownDescendants(*child)) result.push_back(inner);
  }
  return result;
}

std::string ScreenshotDirectory() {
  const char* dir = std::getenv("TESSARO_SCREENSHOT_DIR");
  return dir ? dir : "";
}

bool SaveScreenshot(const std::string& name) {
  std::string dir = ScreenshotDirectory();
  if (dir.empty()) dir = ".";
  PumpEvents(100);  // let the latest layout reach the screen
  const std::string command = "import -window root '" + dir + "/" + name + ".png' 2>/dev/null";
  return std::system(command.c_str()) == 0;
}
