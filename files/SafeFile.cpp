#include "files/SafeFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>

namespace safefile {
namespace {

// The kernel's own limit on links followed in one path.
constexpr int kMaxLinkHops = 40;

bool Fail(int error) {
  errno = error;
  return false;
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return Fail(EIO);
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::string DirectoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

// Follows symbolic links to the file they name, which need not exist yet (a
// dangling link is saved through, as opening it for writing would).
bool ResolveLinks(std::string path, std::string& target) {
  for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
      if (errno != ENOENT) return false;
      target = path;
      return true;
    }
    if (!S_ISLNK(st.st_mode)) {
      target = path;
      return true;
    }
    char link[4096];
    const ssize_t n = ::readlink(path.c_str(), link, sizeof link);
    if (n < 0) return false;
    if (n == 0 || static_cast<std::size_t>(n) >= sizeof link) return Fail(ENAMETOOLONG);
    const std::string next(link, static_cast<std::size_t>(n));
    path = next.front() == '/' ? next : DirectoryOf(path) + next;
  }
  errno = ELOOP;
  return false;
}

// Root may write anything, but a file whose owner made it read-only stays so.
bool MayWrite(const std::string& path, const struct stat& st) {
  if ((st.st_mode & 0222) == 0) return Fail(EACCES);
  return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

std::string Hex(uint64_t value, int digits) {
  std::string out(static_cast<std::size_t>(digits), '0');
  for (int i = digits - 1; i >= 0; --i, value >>= 4) out[static_cast<std::size_t>(i)] = "0123456789abcdef"[value & 15];
  return out;
}

// FNV-1a: ties a temporary name to its target without the target's (possibly
// 255-byte) name in it.
uint64_t NameHash(std::string_view name) {
  uint64_t h = 14695981039346656037ull;
  for (char c : name) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return h;
}

uint64_t NextRandom() {
  static std::atomic<uint64_t> counter{0};
  uint64_t x = (static_cast<uint64_t>(::getpid()) << 32) ^ counter.fetch_add(1) ^
               static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  // splitmix64 finaliser
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
  return x ^ (x >> 31);
}

constexpr std::size_t kRandomDigits = 8;

std::string TemporaryPrefix(const std::string& base) { return ".tessaro-" + Hex(NameHash(base), 16) + "-"; }

// The file stays locked until it is renamed or removed: earlier versions of
// the game removed unlocked temporary files of the same target after a save.
int CreateTemporary(const std::string& dir, const std::string& prefix, std::string& temp) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = dir + prefix + Hex(NextRandom(), kRandomDigits);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return -1;
    }
    (void)::flock(fd, LOCK_EX);
    struct stat st {};
    // Removed by such a clean-up between creation and lock: take another name.
    if (::fstat(fd, &st) == 0 && st.st_nlink > 0) return fd;
    ::close(fd);
  }
  errno = EEXIST;
  return -1;
}

// Only the file this save made goes: the name is checked to still be ours,
// not a file put in its place meanwhile.
void RemoveOwnTemporary(int fd, const std::string& temp) {
  struct stat mine {}, there {};
  if (::fstat(fd, &mine) == 0 && ::lstat(temp.c_str(), &there) == 0 && mine.st_dev == there.st_dev &&
      mine.st_ino == there.st_ino)
    ::unlink(temp.c_str());
}

}  // namespace

ReadResult ReadRegular(const std::string& path, std::size_t maxBytes, std::string& content) {
  content.clear();
  // O_NONBLOCK: opening a FIFO without a writer would otherwise wait for one.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? ReadResult::Missing : ReadResult::CannotOpen;
  struct stat st {};
  ReadResult result = ReadResult::Ok;
  if (::fstat(fd, &st) != 0)
    result = ReadResult::CannotOpen;
  else if (!S_ISREG(st.st_mode)) {
    result = ReadResult::NotRegular;
    errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
  }
  else if (st.st_size > 0)
    content.reserve(std::min(maxBytes, static_cast<std::size_t>(st.st_size)));
  char buffer[65536];
  while (result == ReadResult::Ok && content.size() < maxBytes) {
    const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, maxBytes - content.size()));
    if (n > 0)
      content.append(buffer, static_cast<std::size_t>(n));
    else if (n == 0)
      break;
    else if (errno != EINTR)
      result = ReadResult::CannotOpen;
  }
  const int saved = errno;
  ::close(fd);
  errno = saved;
  return result;
}

bool Replace(const std::string& path, std::string_view content) {
  if (path.empty()) return Fail(ENOENT);
  std::string target;
  if (!ResolveLinks(path, target)) return false;
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (!exists && errno != ENOENT) return false;
  if (exists && !S_ISREG(st.st_mode)) return Fail(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
  if (exists && !MayWrite(target, st)) return false;
  const std::string dir = DirectoryOf(target);
  const std::string base = target.substr(dir.size());
  if (base.empty()) return Fail(EISDIR);

  // No temporary file, no save: rewriting the file in place would leave a
  // torn game behind on a full disk or when the game is killed meanwhile.
  std::string temp;
  const int fd = CreateTemporary(dir, TemporaryPrefix(base), temp);
  if (fd < 0) return false;
  if (exists) {
    // Owner first: changing it may clear set-id bits that the mode restores.
    if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
      // Only root may give a file away; the new file then stays the writer's.
    }
    (void)::fchmod(fd, st.st_mode & 07777);
  }
  if (!WriteAll(fd, content) || ::fsync(fd) != 0 || ::rename(temp.c_str(), target.c_str()) != 0) {
    const int error = errno;
    RemoveOwnTemporary(fd, temp);
    ::close(fd);
    return Fail(error);
  }
  ::close(fd);  // after fsync a failing close loses nothing

  const int dirFd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    (void)::fsync(dirFd);  // makes the rename itself durable
    ::close(dirFd);
  }
  return true;
}

FileProblem WriteProblem(int error, const std::string& path) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
      return FileProblem::NoSpace;
    case ENAMETOOLONG:
      return FileProblem::NameTooLong;
    case EROFS:
      return FileProblem::FolderNotWritable;
    case ENOENT:
      return FileProblem::NoSuchFolder;
    case ENOTDIR:
      return FileProblem::FileForFolder;
    case EACCES:
    case EPERM: {
      // The same error for the file and for its folder: look which it was.
      std::string target;
      struct stat st {};
      if (ResolveLinks(path, target) && ::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
          !MayWrite(target, st))
        return FileProblem::ReadOnlyFile;
      return FileProblem::FolderNotWritable;
    }
    default:
      return FileProblem::WriteFailed;
  }
}

FileProblem ReadProblem(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return FileProblem::NoReadPermission;
    case EISDIR:
      return FileProblem::FolderForFile;
    case EINVAL:
      return FileProblem::NotRegular;
    case EILSEQ:
      return FileProblem::NotText;
    case ELOOP:
      return FileProblem::LinkLoop;
    case ENOTDIR:
      return FileProblem::FileForFolder;
    case ENAMETOOLONG:
      return FileProblem::NameTooLong;
    default:
      return FileProblem::ReadFailed;
  }
}

}  // namespace safefile
