// The games in progress, kept in the player's data folder so that a crash,
// a kill or a closed window loses at most the turn being made. Each window
// keeps its game in a file of its own (resume-<id>.cube), held by a lock on
// resume-<id>.lock while the window lives, so that two copies of the game
// never write or remove each other's game. Continue offers the newest kept
// game that no running copy holds.
#pragma once

#include <functional>
#include <string>

class ResumeStore {
 public:
  // folder empty: nothing is kept (no usable data folder).
  explicit ResumeStore(std::string folder = {});
  ~ResumeStore();
  ResumeStore(const ResumeStore&) = delete;
  ResumeStore& operator=(const ResumeStore&) = delete;

  const std::string& Folder() const { return folder_; }
  // This window's kept game; empty until the first Keep or Adopt.
  const std::string& Own() const { return own_; }

  // The newest kept game that neither this window nor a running copy of the
  // game holds; empty when there is none.
  std::string Latest() const;

  // Writes this window's game through write(path), which must replace the
  // file whole or leave it as it was; the file and its lock are made at the
  // first call. False (errno set) when nothing could be kept.
  bool Keep(const std::function<bool(const std::string& path)>& write);
  // This window goes on with a kept game it has loaded: the file is held and
  // kept from now on. The window's earlier kept game stays, for a later
  // Continue. False when another copy of the game took it meanwhile.
  bool Adopt(const std::string& path);
  // The window's game is over (solved, or a new one starts): its file goes.
  void Discard();
  // A kept game that cannot be loaded is renamed to <name>.bad, so that it is
  // no longer offered and nothing is deleted. False when it could not be moved.
  bool SetAside(const std::string& path);
  // The window goes: its kept game stays and is free for any copy to continue.
  void Release();

 private:

  std::string folder_;
  std::string own_;
  int lockFd_ = -1;
};
