#include "app/toolkit/Shell.h"

#include <wx/utils.h>

namespace {
class ToolkitShell : public Shell {
 public:
  bool OpenDocument(const std::string& path) override {
    return wxLaunchDefaultApplication(wxString::FromUTF8(path));
  }
  bool OpenAddress(const std::string& address) override {
    return wxLaunchDefaultBrowser(wxString::FromUTF8(address));
  }
};
}  // namespace

Shell& DesktopShell() {
  static ToolkitShell shell;
  return shell;
}
