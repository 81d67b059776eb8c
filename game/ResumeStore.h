// The games in progress, kept in the player's data folder so that a crash,
// a kill or a closed window loses at most the turn being made. Each window
// keeps its game in a file of its own (resume-<id>.cube), held by a lock on
// resume-<id>.lock while the window lives, so that two copies of the game
// never write or remove each other's game. Continue offers the newest kept
// game that no running copy holds, or lists them all.
#pragma once

#include <sys/stat.h>

#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "puzzle/GameTrailer.h"

// A kept game that waits to be continued.
struct KeptGame {
  std::string Path;
  std::time_t Modified = 0;  // when it was last kept
  std::optional<SavedGameSummary> Summary;  // none: the file is no saved game
};

class ResumeStore {
 public:
  // folder empty: no usable data folder; Keep fails (errno ENOENT).
  explicit ResumeStore(std::string folder = {});
  ~ResumeStore();
  ResumeStore(const ResumeStore&) = delete;
  ResumeStore& operator=(const ResumeStore&) = delete;

  const std::string& Folder() const { return folder_; }
  // This window's kept game; empty until the first Keep or Adopt.
  const std::string& Own() const { return own_; }
  // Where a failed Keep wrote: Own(), or the folder before the first file.
  const std::string& Where() const { return own_.empty() ? folder_ : own_; }

  // The newest kept game that neither this window nor a running copy of the
  // game holds; empty when there is none.
  std::string Latest() const;
  // All of them, newest first, with what each file holds.
  std::vector<KeptGame> Waiting() const;
  // Deletes a kept game this store offers (never this window's own) with
  // its lock file. False, changing nothing, when a running copy holds it
  // (errno EWOULDBLOCK), when it is no kept game of this folder that reads
  // as a saved game (EINVAL), or when it cannot be removed (errno says why).
  bool Remove(const std::string& path);

  // Writes this window's game through write(path), which must replace the
  // file whole or leave it as it was; the file and its lock are made at the
  // first call. False (errno set) when nothing could be kept.
  bool Keep(const std::function<bool(const std::string& path)>& write);
  // This window goes on with a kept game it has loaded: the file is held and
  // kept from now on. The window's earlier kept game stays, for a later
  // Continue; its lock file goes. False when another copy of the game took it meanwhile.
  bool Adopt(const std::string& path);
  // The window's game is over (solved, or a new one starts): its file goes.
  void Discard();
  // A kept game that cannot be loaded is renamed to <name>.bad, so that it is
  // no longer offered and nothing is deleted. False when it could not be moved.
  bool SetAside(const std::string& path);
  // The window goes: its kept game stays and is free for any copy to
  // continue; its lock file goes.
  void Release();

 private:
  struct KeptFile {
    std::string path;
    struct timespec modified;
  };
  // The kept games no window holds, newest first.
  std::vector<KeptFile> Free() const;

  std::string folder_;
  std::string own_;
  int lockFd_ = -1;
};
