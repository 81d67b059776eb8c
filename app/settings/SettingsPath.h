// Where the settings file lives. A game run from its build or unpacked folder
// keeps the file beside the executable; an installed game never writes there
// (not even as root, so that removing the package leaves nothing behind) and
// keeps it in the player's configuration folder.
#pragma once

#include <functional>
#include <string>

// True when this process may create or replace files in the folder or write
// the file (access(2) with W_OK).
bool IsWritable(const std::string& path);

// True when folder is, as a real path, the bin folder the game was built to
// be installed to (installBindir), or lies under /usr.
bool IsInstalledFolder(const std::string& folder, const std::string& installBindir);

// The executable's path with ".ini" when the game is not installed and the
// executable's folder is writable: a save replaces the file through a
// temporary one beside it, so a writable file alone is not enough. Otherwise
// $XDG_CONFIG_HOME/tessaro3d/tessaro3d.ini, or ~/.config/tessaro3d/tessaro3d.ini
// when XDG_CONFIG_HOME is unset, empty or not absolute. Without a usable HOME
// either, the path beside the executable, or none (empty) for an installed
// game. xdgConfigHome and home are the environment values (null when unset).
std::string ChooseSettingsPath(const std::string& executable, const char* xdgConfigHome,
                               const char* home, bool installed,
                               const std::function<bool(const std::string&)>& writable = IsWritable);

// A base folder of the XDG rules: xdgValue (e.g. $XDG_DATA_HOME) when it is
// absolute, else home/homeRelative when home is absolute, else empty.
std::string XdgUserFolder(const char* xdgValue, const char* home, const char* homeRelative);

// The same with this process's environment and install folder.
std::string SettingsPathFromEnvironment(const std::string& executable);

// Creates the folders above a file the game keeps (the configuration and data
// folders of an installed game exist only once something is kept there).
// False when they cannot be made; the write that follows then reports it.
bool CreateFolderOf(const std::string& path);
