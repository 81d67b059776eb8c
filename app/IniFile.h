#pragma once

#include <cstdint>
#include <string>

// A Windows-style INI file accessed one key at a time, with the rules of the
// Win32 private-profile functions so that settings files stay interchangeable
// with the Windows build: names compare case-insensitively, names and values
// are trimmed, and a write changes only the one line it concerns.
//
// Every call goes to the disk; nothing is cached. A write replaces the file
// atomically (temporary file + rename), so a failed write leaves the old file
// untouched.
class IniFile {
public:
  explicit IniFile(std::string path);

  const std::string& Path() const { return path_; }

  // A missing or unreadable file reads as empty: the default is returned.
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& def) const;
  // Text that ParseIniInteger rejects gives the default.
  int ReadInteger(const std::string& section, const std::string& key, int def) const;

  // False when the file cannot be read or written, or when the names or the
  // value could not be read back (line breaks, '=' in a key, ']' in a section).
  bool WriteString(const std::string& section, const std::string& key, const std::string& value);
  bool WriteInteger(const std::string& section, const std::string& key, int value);

private:
  std::string path_;
};

// Integer text as the Windows build reads it: decimal with an optional sign,
// hexadecimal after "$", or after "0x"/"0X" when at least one digit follows.
// Hexadecimal accepts up to 0xFFFFFFFF and wraps into int32 (0xFFFFFFFF = -1).
bool ParseIniInteger(const std::string& text, int32_t& value);
