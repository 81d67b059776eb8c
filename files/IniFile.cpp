#include "files/IniFile.h"

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "files/SafeFile.h"

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

using Line = IniLine;
using Document = IniDocument;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

// "[name]"; a missing ']' still opens a section, as on Windows.
bool SectionHeader(std::string_view line, std::string_view& name) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return false;
  line.remove_prefix(1);
  name = Trim(line.substr(0, line.find(']')));
  return true;
}

// "key=value"; comment lines never hold keys.
bool KeyLine(std::string_view line, std::string_view& key, size_t& eq) {
  const std::string_view t = Trim(line);
  if (t.empty() || t.front() == ';' || t.front() == '#' || t.front() == '[') return false;
  eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  key = Trim(line.substr(0, eq));
  return !key.empty();
}

struct Location {
  bool sectionFound = false;
  size_t insertAt = 0;  // after the section's last key line, or after its header
  bool keyFound = false;
  size_t keyLine = 0;
  size_t eq = 0;
};

// Only the first section with the name counts, and in it the first key.
Location Find(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
  Location loc;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string_view name;
    size_t eq = 0;
    if (SectionHeader(lines[i].text, name)) {
      if (loc.sectionFound) break;
      if (SameText(name, section)) {
        loc.sectionFound = true;
        loc.insertAt = i + 1;
      }
    } else if (loc.sectionFound && KeyLine(lines[i].text, name, eq)) {
      loc.insertAt = i + 1;
      if (SameText(name, key)) {
        loc.keyFound = true;
        loc.keyLine = i;
        loc.eq = eq;
        break;
      }
    }
  }
  return loc;
}

Document Split(std::string_view rest) {
  Document doc;
  if (rest.substr(0, kBom.size()) == kBom) {
    doc.bom = kBom;
    rest.remove_prefix(kBom.size());
  }
  while (!rest.empty()) {
    const size_t nl = rest.find('\n');
    if (nl == std::string_view::npos) {
      doc.lines.push_back({std::string(rest), ""});
      break;
    }
    const size_t end = nl > 0 && rest[nl - 1] == '\r' ? nl - 1 : nl;
    doc.lines.push_back({std::string(rest.substr(0, end)), std::string(rest.substr(end, nl + 1 - end))});
    rest.remove_prefix(nl + 1);
  }
  return doc;
}

std::string Join(const Document& doc) {
  std::string out = doc.bom;
  for (const Line& line : doc.lines) out += line.text + line.eol;
  return out;
}

// New lines follow the file's own line ending; a new file gets LF.
std::string FileEol(const Document& doc) {
  for (const Line& line : doc.lines)
    if (!line.eol.empty()) return line.eol;
  return "\n";
}

void SetValue(Document& doc, std::string_view section, std::string_view key, const std::string& value) {
  std::vector<Line>& lines = doc.lines;
  Location loc = Find(lines, section, key);
  if (loc.keyFound) {
    // Keep the indentation and the spelling of the key as the user wrote them.
    std::string_view before(lines[loc.keyLine].text.data(), loc.eq);
    while (!before.empty() && IsBlank(before.back())) before.remove_suffix(1);
    lines[loc.keyLine].text = std::string(before) + "=" + value;
    return;
  }
  const std::string eol = FileEol(doc);
  std::vector<Line> added;
  if (!loc.sectionFound) {
    loc.insertAt = lines.size();
    added.push_back({"[" + std::string(section) + "]", eol});
  }
  added.push_back({std::string(key) + "=" + value, eol});
  if (loc.insertAt > 0 && lines[loc.insertAt - 1].eol.empty()) lines[loc.insertAt - 1].eol = eol;
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(loc.insertAt), added.begin(), added.end());
}

enum class Load { Ok, Missing, Failed };

// error: the errno of a file that exists but cannot be read, else 0.
Load LoadFile(const std::string& path, Document& doc, int& error) {
  std::string content;
  // Never blocks: a FIFO or a device at the path is no settings file.
  safefile::ReadResult result = safefile::ReadRegular(path, SIZE_MAX, content);
  // A file where a folder of the path should be: no settings file there.
  if (result == safefile::ReadResult::CannotOpen && errno == ENOTDIR) result = safefile::ReadResult::Missing;
  error = result == safefile::ReadResult::Ok || result == safefile::ReadResult::Missing ? 0 : errno;
  // NUL bytes are no INI text (a UTF-16 file from Notepad, a binary file
  // given the name): writing lines into it would damage it.
  if (result == safefile::ReadResult::Ok && content.find('\0') != std::string::npos) {
    content.clear();
    error = EILSEQ;
  }
  doc = Split(content);
  if (error != 0) {
    errno = error;
    return Load::Failed;
  }
  return result == safefile::ReadResult::Missing ? Load::Missing : Load::Ok;
}

bool ParseHex(std::string_view digits, int32_t& value) {
  if (digits.empty()) return false;
  uint64_t acc = 0;
  for (char c : digits) {
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else return false;
    acc = acc * 16 + static_cast<uint64_t>(d);
    if (acc > 0xFFFFFFFFu) return false;
  }
  const int64_t wide = static_cast<int64_t>(acc);
  value = static_cast<int32_t>(wide > INT32_MAX ? wide - (int64_t{1} << 32) : wide);
  return true;
}

bool ParseDecimal(std::string_view text, int32_t& value) {
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  if (text.empty()) return false;
  int64_t acc = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    acc = acc * 10 + (c - '0');
    if (acc > int64_t{INT32_MAX} + 1) return false;
  }
  if (negative) acc = -acc;
  if (acc > INT32_MAX || acc < INT32_MIN) return false;
  value = static_cast<int32_t>(acc);
  return true;
}

// Text that could not be read back as written is refused.
bool Writable(std::string_view section, std::string_view key, std::string_view value) {
  const auto hasBreak = [](std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; };
  if (section.empty() || key.empty() || hasBreak(section) || hasBreak(key) || hasBreak(value)) return false;
  if (section.find(']') != std::string_view::npos || key.find('=') != std::string_view::npos) return false;
  return key.front() != ';' && key.front() != '#' && key.front() != '[';
}

}  // namespace

bool ParseIniInteger(const std::string& text, int32_t& value) {
  const std::string_view t = text;
  if (t.size() >= 3 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) return ParseHex(t.substr(2), value);
  if (!t.empty() && t[0] == '$') return ParseHex(t.substr(1), value);
  return ParseDecimal(t, value);
}

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

bool IniFile::Load() { return LoadNow(); }

bool IniFile::LoadNow() const {
  const bool ok = LoadFile(path_, doc_, readError_) != Load::Failed;
  for (const Write& w : pending_) SetValue(doc_, w.section, w.key, w.value);
  loaded_ = true;
  if (!ok) errno = readError_;
  return ok;
}

int IniFile::ReadError() const {
  if (!loaded_) LoadNow();
  return readError_;
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& def) const {
  if (!loaded_) LoadNow();
  const IniDocument& doc = doc_;
  const Location loc = Find(doc.lines, Trim(section), Trim(key));
  if (!loc.keyFound) return def;
  std::string_view value = Trim(std::string_view(doc.lines[loc.keyLine].text).substr(loc.eq + 1));
  // Like Windows, one pair of matching quotes around the value is removed.
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
  int32_t value = 0;
  return ParseIniInteger(ReadString(section, key, ""), value) ? value : def;
}

bool IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  const std::string_view s = Trim(section), k = Trim(key);
  if (!Writable(s, k, value)) return false;
  pending_.push_back({std::string(s), std::string(k), value});
  if (loaded_) SetValue(doc_, s, k, value);
  return true;
}

bool IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  return WriteString(section, key, std::to_string(value));
}

bool IniFile::Save() {
  Document onDisk;
  int error = 0;
  // A file that exists but cannot be read must not be replaced by our keys alone.
  if (LoadFile(path_, onDisk, error) == Load::Failed) return false;
  for (const Write& w : pending_) SetValue(onDisk, w.section, w.key, w.value);
  if (!safefile::Replace(path_, Join(onDisk))) return false;
  doc_ = std::move(onDisk);
  loaded_ = true;
  pending_.clear();
  return true;
}
