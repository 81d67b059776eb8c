// Whole-file reads and writes for the saved games and the settings file: reads
// never block on a FIFO or a device, and a write replaces the old contents
// completely or leaves them as they were.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace safefile {

enum class ReadResult {
  Ok,
  Missing,     // no file of that name (errno is ENOENT)
  CannotOpen,  // it exists but cannot be opened or read; errno says why
  NotRegular,  // a folder, FIFO, device or socket: never read
};

// Reads at most maxBytes from the start of the regular file at path.
ReadResult ReadRegular(const std::string& path, std::size_t maxBytes, std::string& content);

// Replaces the contents of the file at path, following symbolic links to the
// file they name. The new contents are written to a temporary file beside the
// target and renamed over it, which keeps the old file intact whatever fails;
// the target's mode (and, where allowed, its owner) carries over. Where no
// temporary file can be made (a folder without write permission), an existing
// writable file is rewritten in place instead. False when the target is no
// regular file, has no write permission, or could not be written completely.
// Only the temporary file of this call is ever removed: one left by an
// interrupted write may be some other program's file of a similar name.
bool Replace(const std::string& path, std::string_view content);

}  // namespace safefile
