#include "game/ResumeStore.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace {
constexpr const char* kPrefix = "resume";
constexpr const char* kGameExtension = ".cube";
constexpr const char* kLockExtension = ".lock";

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// resume.cube (kept by earlier versions) and resume-<id>.cube.
bool IsKeptGameName(const std::string& name) {
  const std::string prefix = kPrefix;
  return name.compare(0, prefix.size(), prefix) == 0 && EndsWith(name, kGameExtension) &&
         (name.size() == prefix.size() + 5 || name[prefix.size()] == '-');
}

std::string LockOf(const std::string& game) {
  return game.substr(0, game.size() - std::char_traits<char>::length(kGameExtension)) + kLockExtension;
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// True when the lock file's name still leads to the file fd has open.
bool StillNamed(int fd, const std::string& lock) {
  struct stat held {}, named {};
  return ::fstat(fd, &held) == 0 && ::lstat(lock.c_str(), &named) == 0 && SameFile(held, named);
}

// The lock file's descriptor with the lock held, or -1 (errno EWOULDBLOCK
// when another process holds it).
int TakeLock(const std::string& lock) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    const int fd = ::open(lock.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int saved = errno;
      ::close(fd);
      errno = saved;
      return -1;
    }
    // A window removes its lock file as it lets go: a lock taken on a file
    // opened just before that holds a name no longer in the folder.
    if (StillNamed(fd, lock)) return fd;
    ::close(fd);
  }
  errno = EWOULDBLOCK;
  return -1;
}

bool HeldElsewhere(const std::string& game) {
  const int fd = ::open(LockOf(game).c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return false;  // never locked: a game kept by an earlier run
  const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  ::close(fd);
  return held;
}

// The data folder of an installed game exists only once something is kept
// there. False (errno set) when it cannot be made.
bool MakeFolder(const std::string& folder) {
  std::error_code error;
  if (std::filesystem::is_directory(folder, error)) return true;
  std::filesystem::create_directories(folder, error);
  if (!error && std::filesystem::is_directory(folder, error)) return true;
  errno = error ? error.value() : ENOTDIR;
  return false;
}

std::string NewOwnName(const std::string& folder) {
  static int counter = 0;
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  char id[80];
  std::snprintf(id, sizeof id, "-%lld-%ld-%d", static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::milliseconds>(now).count()),
                static_cast<long>(::getpid()), ++counter);
  return folder + "/" + kPrefix + id + kGameExtension;
}
}  // namespace

ResumeStore::ResumeStore(std::string folder) : folder_(std::move(folder)) {}

ResumeStore::~ResumeStore() { Release(); }

void ResumeStore::Release() {
  if (lockFd_ >= 0) {
    // Removed while still held, and only while the name is this lock's: a
    // copy that opened it meanwhile finds, once it holds it, that the name
    // has gone, and tries again.
    const std::string lock = LockOf(own_);
    if (StillNamed(lockFd_, lock)) ::unlink(lock.c_str());
    ::close(lockFd_);
  }
  lockFd_ = -1;
  own_.clear();
}

std::vector<ResumeStore::KeptFile> ResumeStore::Free() const {
  std::vector<KeptFile> found;
  if (folder_.empty()) return found;
  DIR* dir = ::opendir(folder_.c_str());
  if (!dir) return found;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (!IsKeptGameName(name)) continue;
    const std::string path = folder_ + "/" + name;
    struct stat st {};
    // A link, a folder or a FIFO is never offered; loading it would be refused anyway.
    if (path == own_ || ::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    if (HeldElsewhere(path)) continue;
    found.push_back({path, st.st_mtim});
  }
  ::closedir(dir);
  std::sort(found.begin(), found.end(), [](const KeptFile& a, const KeptFile& b) {
    if (a.modified.tv_sec != b.modified.tv_sec) return a.modified.tv_sec > b.modified.tv_sec;
    if (a.modified.tv_nsec != b.modified.tv_nsec) return a.modified.tv_nsec > b.modified.tv_nsec;
    return a.path < b.path;
  });
  return found;
}

std::string ResumeStore::Latest() const {
  const std::vector<KeptFile> free = Free();
  return free.empty() ? std::string() : free.front().path;
}

std::vector<KeptGame> ResumeStore::Waiting() const {
  std::vector<KeptGame> games;
  for (const KeptFile& file : Free()) {
    games.push_back({file.path, file.modified.tv_sec, ReadSavedGameSummary(file.path)});
  }
  return games;
}

bool ResumeStore::Remove(const std::string& path) {
  // Only a kept game of this folder, by its name, that reads as a saved
  // game: nothing else is this program's to delete.
  const std::string name = path.substr(path.rfind('/') + 1);
  struct stat st {};
  if (folder_.empty() || path != folder_ + "/" + name || !IsKeptGameName(name) || path == own_ ||
      ::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || !ReadSavedGameSummary(path)) {
    errno = EINVAL;
    return false;
  }
  // Held while it goes, so that no copy of the game continues it meanwhile;
  // a running copy holds it already, and it stays.
  const std::string lock = LockOf(path);
  const int fd = TakeLock(lock);
  if (fd < 0) return false;
  const bool removed = ::unlink(path.c_str()) == 0;
  const int error = errno;
  // A lock file left by a copy that was killed goes too.
  ::unlink(lock.c_str());
  ::close(fd);
  errno = error;
  return removed;
}

bool ResumeStore::Keep(const std::function<bool(const std::string& path)>& write) {
  if (folder_.empty()) {
    errno = ENOENT;
    return false;
  }
  if (own_.empty()) {
    if (!MakeFolder(folder_)) return false;
    for (int attempt = 0; attempt < 10 && own_.empty(); ++attempt) {
      const std::string name = NewOwnName(folder_);
      struct stat st {};
      if (::lstat(name.c_str(), &st) == 0) continue;
      const int fd = TakeLock(LockOf(name));
      if (fd < 0 && errno == EWOULDBLOCK) continue;
      if (fd < 0) return false;
      own_ = name;
      lockFd_ = fd;
    }
    if (own_.empty()) {
      errno = EEXIST;
      return false;
    }
  }
  return write(own_);
}

bool ResumeStore::Adopt(const std::string& path) {
  if (path == own_) return true;
  const int fd = TakeLock(LockOf(path));
  if (fd < 0) return false;
  Release();
  own_ = path;
  lockFd_ = fd;
  return true;
}

void ResumeStore::Discard() {
  if (own_.empty()) return;
  ::unlink(own_.c_str());
  Release();  // and the lock
}

bool ResumeStore::SetAside(const std::string& path) {
  if (path == own_) Release();
  // A link and an unlink rather than a rename: an earlier .bad is never replaced.
  for (int n = 1; n < 100; ++n) {
    const std::string aside = path + ".bad" + (n == 1 ? "" : "-" + std::to_string(n));
    if (::link(path.c_str(), aside.c_str()) == 0) return ::unlink(path.c_str()) == 0;
    if (errno != EEXIST) return false;
  }
  return false;
}
