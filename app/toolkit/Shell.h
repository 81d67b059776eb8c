// The desktop's "open": a document with its default application, a web or
// mailto: address with the browser or mail program. Tests put their own in.
#pragma once

#include <string>

class Shell {
 public:
  virtual ~Shell() = default;
  virtual bool OpenDocument(const std::string& path) = 0;
  virtual bool OpenAddress(const std::string& address) = 0;
};

// The real one, through the toolkit.
Shell& DesktopShell();
