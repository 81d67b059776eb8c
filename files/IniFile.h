#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct IniLine {
  std::string text;  // without the line terminator
  std::string eol;   // "\n", "\r\n", or empty for a last line without one
};

struct IniDocument {
  std::string bom;  // kept so that an editor's UTF-8 mark survives a write
  std::vector<IniLine> lines;
};

// A Windows-style INI file with the rules of the Win32 private-profile
// functions, so that settings files stay interchangeable with the Windows
// build: names compare case-insensitively, names and values are trimmed, and
// a write changes only the one line it concerns.
//
// The file is read once, at the first read, and kept in memory with every
// line of every section. Writes change that copy; Save writes them all at
// once: it applies this object's writes, in order, to the file as it is on
// the disk at that moment (so that lines others changed meanwhile survive)
// and replaces the file atomically (temporary file + rename), so that the
// file is at every moment either the old or the new complete file.
class IniFile {
public:
  explicit IniFile(std::string path);

  const std::string& Path() const { return path_; }

  // Reads the file (again); writes not yet saved stay in effect. A missing
  // file reads as empty; false when it exists but cannot be read (it then
  // reads as empty too, and errno says why: EILSEQ for one that holds NUL
  // bytes, which is no INI text).
  bool Load();
  // The errno of the last read (the first, if none was asked for yet) when
  // the file exists but could not be read; 0 when it was read or is missing.
  // Save never writes over such a file.
  int ReadError() const;

  // A missing or unreadable file reads as empty: the default is returned.
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& def) const;
  // Text that ParseIniInteger rejects gives the default.
  int ReadInteger(const std::string& section, const std::string& key, int def) const;

  // In memory until Save. False, changing nothing, when the names or the
  // value could not be read back (line breaks, '=' in a key, ']' in a section).
  bool WriteString(const std::string& section, const std::string& key, const std::string& value);
  bool WriteInteger(const std::string& section, const std::string& key, int value);

  // False when the file cannot be read (see Load) or written; it then keeps its old
  // contents, the writes stay pending for another Save, and errno says why
  // (as for safefile::Replace).
  bool Save();

private:
  struct Write {
    std::string section, key, value;
  };
  // Reads happen on const objects; the copy in memory is filled at the first.
  bool LoadNow() const;

  std::string path_;
  mutable bool loaded_ = false;
  mutable IniDocument doc_;
  mutable int readError_ = 0;
  std::vector<Write> pending_;
};

// Integer text as the Windows build reads it: decimal with an optional sign,
// hexadecimal after "$", or after "0x"/"0X" when at least one digit follows.
// Hexadecimal accepts up to 0xFFFFFFFF and wraps into int32 (0xFFFFFFFF = -1).
bool ParseIniInteger(const std::string& text, int32_t& value);
