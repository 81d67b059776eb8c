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
  NotRegular,  // a folder (errno EISDIR), FIFO, device or socket (EINVAL): never read
};

// Reads at most maxBytes from the start of the regular file at path.
ReadResult ReadRegular(const std::string& path, std::size_t maxBytes, std::string& content);

// Replaces the contents of the file at path, following symbolic links to the
// file they name. The new contents are written to a temporary file beside the
// target and renamed over it; the target's mode (and, where allowed, its
// owner) carries over. Whatever fails, the old file keeps its bytes: a save
// that cannot make its temporary file (a read-only folder, a full disk) fails
// and never rewrites the file in place. Only the temporary file of this call
// is ever removed: one left by an interrupted write may be some other
// program's file of a similar name.
//
// On false, errno says why, among others:
//   ENOSPC, EDQUOT, EFBIG  no room for the new contents (disk, quota, size limit)
//   EACCES, EPERM          the file is read-only, or its folder may not be written
//   EROFS                  a read-only file system
//   ENAMETOOLONG           a name too long for the file system
//   EISDIR, EINVAL         the target is a folder, or no regular file (FIFO, device)
//   ELOOP, ENOENT, ENOTDIR links without end, a missing folder, a file taken for one
bool Replace(const std::string& path, std::string_view content);

// What kept a file from being written or read, for the player to be told
// (texts/ puts it in words).
enum class FileProblem {
  NoSpace,           // disk or quota full
  NameTooLong,
  FolderNotWritable, // also a read-only file system
  NoSuchFolder,
  FileForFolder,     // a file stands where a folder of the path should
  ReadOnlyFile,
  WriteFailed,       // any other write error
  NoReadPermission,
  FolderForFile,     // a folder stands where the file should
  NotRegular,        // a FIFO, a device or a socket
  NotText,           // EILSEQ
  LinkLoop,
  ReadFailed,        // any other read error
};

// Why Replace(path, ...) failed with errno `error`. EACCES is the same for a
// file and its folder: the file at path is looked at to tell them apart.
FileProblem WriteProblem(int error, const std::string& path);

// Why a file that exists could not be read (errno `error`).
FileProblem ReadProblem(int error);

}  // namespace safefile
