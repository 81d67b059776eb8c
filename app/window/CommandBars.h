// The main menu and the button bar of the main window; each button shows the
// picture of the menu item it runs.
#pragma once

#include <wx/bmpbndl.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

#include <functional>
#include <utility>
#include <vector>

#include "texts/TextId.h"

class CommandBars {
 public:
  // Puts the menu bar and the button bar on frame; the images are the
  // command pictures (16 and 32 pixels, each also at twice the size).
  CommandBars(wxFrame& frame, const std::vector<wxBitmapBundle>& small,
              const std::vector<wxBitmapBundle>& big);

  // Every caption and tip again, in the language the game speaks now.
  void Relabel();

  // Runs command when its menu item, or the button with its picture, is chosen.
  void BindCommand(wxEvtHandler& frame, int menuId, std::function<void()> command);
  // Greys (or brings back) every command but Stop and Exit.
  void EnableAllButStopAndExit(bool enable);
  // Undo and redo, menu item and button alike.
  void EnableUndoRedo(bool undo, bool redo);
  bool UndoEnabled() const;
  bool RedoEnabled() const;
  bool UndoDisabled() const;
  bool RedoDisabled() const;
  // A View menu check item and the bar it shows: both change, and the frame
  // lays out the picture again.
  static void ToggleShown(wxMenuItem& item, wxWindow& bar, wxFrame& frame);
  // The menu, button bar and status line go with the frame, and come back as they were.
  void ToggleFullScreen(wxFrame& frame);
  // Escape: leaves full screen; false when the frame was not full screen.
  bool LeaveFullScreen(wxFrame& frame);

  wxMenuBar* MainMenu = nullptr;
  wxToolBar* ToolBarButton = nullptr;
  wxMenuItem* UndoItem = nullptr;
  wxMenuItem* RedoItem = nullptr;
  wxMenuItem* ContinueItem = nullptr;
  wxMenuItem* N14 = nullptr;  // the button bar shown
  wxMenuItem* N15 = nullptr;  // the status line shown
  wxMenuItem* FullScreenItem = nullptr;  // the window fills the screen

 private:
  struct Caption {
    wxMenuItem* Item;
    TextId Id;
    const char* Keys;  // after the caption: "\tCtrl+N"
  };
  std::vector<Caption> captions_;
  std::vector<std::pair<int, TextId>> tips_;  // the buttons' ids and tips
};
