// What the main window uses from outside; tests put in their own.
#pragma once

#include <wx/string.h>

#include <functional>
#include <optional>
#include <string>

#include "app/dialogs/MovesDialog.h"
#include "game/SolveEntry.h"

class FileChooser;
class Shell;
class wxWindow;
struct KeptGamesChoice;

struct MainFormServices {
  std::string SettingsPath;  // empty: beside the executable
  FileChooser* Chooser = nullptr;  // null: the toolkit's dialogs
  Shell* Desktop = nullptr;        // null: the desktop's "open"
  std::string ExecutableFolder;    // empty: the folder of the running executable
  // Told every text the status line shows, in order.
  std::function<void(const wxString&)> StatusObserver;
  // Shows an error of the window's own (the settings file that cannot be
  // written); empty: a message box.
  std::function<void(const wxString&)> ShowError;
  // Asks the player a yes/no question; true for yes. Empty: a message box
  // with the buttons "Да" and "Нет".
  std::function<bool(const wxString&)> Ask;
  // Asks for moves under Caption, the box holding Moves with Selection
  // selected; false when cancelled. Empty: a dialog with a text box and OK /
  // Cancel.
  std::function<bool(const wxString& caption, wxString& moves, TextSelection selection)> AskMoves;
  // Shows a text the player can read and copy (the moves of the game) under
  // Caption, offering to review the game when asked; true when the player
  // chose to. Empty: a dialog with the text in a read-only box.
  std::function<bool(const wxString& caption, const wxString& text, bool offerReview)> ShowText;
  // The statistics of the history, the page of size shown first; the game
  // the player chose to replay, or none. Empty: the statistics box.
  std::function<std::optional<SolveEntry>(SolveLog& history, int size)> ShowStatistics;
  // The folder of the kept games in progress; empty: the player's data folder.
  std::string ResumeFolder;
  // Lets the player choose among the kept games (continue one, delete any);
  // the path to continue, or empty. Empty: the list box.
  std::function<std::string(const KeptGamesChoice&)> ChooseKeptGame;
};

// The services with every empty one filled in with the desktop's own; the
// message boxes are modal over parent.
MainFormServices CompleteServices(MainFormServices services, wxWindow& parent);
