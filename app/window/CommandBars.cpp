#include "app/window/CommandBars.h"

#include "app/toolkit/ProgramInfo.h"
#include "app/toolkit/Text.h"
#include "app/toolkit/Toolkit.h"
#include "app/window/CommandIds.h"

#include <iterator>

namespace {
// The menus of the bar, left to right.
constexpr TextId kMenus[] = {TextId::MenuGame, TextId::MenuView, TextId::MenuHelp};
}  // namespace

CommandBars::CommandBars(wxFrame& frame, const std::vector<wxBitmapBundle>& small,
                         const std::vector<wxBitmapBundle>& big) {
  MainMenu = new wxMenuBar();
  // The caption, then the keys that run it (no text to translate).
  auto item = [&](wxMenu* menu, int id, TextId caption, const char* keys, int image) {
    auto* entry = new wxMenuItem(menu, id, Text(caption) + keys);
    if (image >= 0 && image < static_cast<int>(small.size())) entry->SetBitmap(small[image]);
    menu->Append(entry);
    captions_.push_back({entry, caption, keys});
    return entry;
  };
  auto check = [&](wxMenu* menu, int id, TextId caption, const char* keys) {
    wxMenuItem* entry = menu->AppendCheckItem(id, Text(caption) + keys);
    captions_.push_back({entry, caption, keys});
    return entry;
  };

  auto* game = new wxMenu();
  item(game, kN4, TextId::MenuNewGame, "\tCtrl+N", 0);
  item(game, kN5, TextId::MenuStop, "", 3);
  game->AppendSeparator();
  item(game, kN7, TextId::MenuOpen, "\tCtrl+O", 1);
  item(game, kN8, TextId::MenuSave, "\tCtrl+S", 2);
  item(game, kN9, TextId::MenuSaveAs, "\tCtrl+Shift+S", 2);
  game->AppendSeparator();
  item(game, kN11, TextId::MenuOptions, "", 4);
  game->AppendSeparator();
  UndoItem = item(game, kUndo, TextId::MenuUndo, "\tCtrl+Z", 7);
  RedoItem = item(game, kRedo, TextId::MenuRedo, "\tCtrl+Shift+Z", 8);
  RedoItem->AddExtraAccel(wxAcceleratorEntry(wxACCEL_CTRL, 'Y'));
  game->AppendSeparator();
  item(game, kRecords, TextId::MenuRecords, "", -1);
  ContinueItem = item(game, kContinue, TextId::MenuContinue, "", -1);
  game->AppendSeparator();
  item(game, kPause, TextId::MenuPause, "\tP", -1);
  item(game, kTypeMoves, TextId::MenuTypeMoves, "", -1);
  item(game, kTypedScramble, TextId::MenuTypedScramble, "", -1);
  item(game, kGameMoves, TextId::MenuGameMoves, "", -1);
  item(game, kHint, TextId::MenuHint, "\tH", 9);
  item(game, kSolve, TextId::MenuSolve, "", -1);
  item(game, kStatistics, TextId::MenuStatistics, "", -1);
  item(game, kExport, TextId::MenuExport, "", -1);
  // Exit stays last, below its separator.
  game->AppendSeparator();
  item(game, kN13, TextId::MenuExit, "", 6);
  MainMenu->Append(game, Text(kMenus[0]));

  auto* view = new wxMenu();
  N14 = check(view, kN14, TextId::MenuButtons, "");
  N15 = check(view, kN15, TextId::MenuStatusBar, "");
  FullScreenItem = check(view, kFullScreen, TextId::MenuFullScreen, "\tF11");
  N14->Check(true);
  N15->Check(true);
  view->AppendSeparator();
  item(view, kHomeView, TextId::MenuHomeView, "", -1);
  MainMenu->Append(view, Text(kMenus[1]));

  auto* help = new wxMenu();
  item(help, kN16, TextId::MenuHelpPage, "\tF1", 5);
  help->AppendSeparator();
  item(help, kN18, TextId::MenuAbout, "", -1);
  // A menu bar here cannot run a command from a top-level item, so the two
  // web pages close the Help menu, each captioned with its address.
  help->AppendSeparator();
  help->Append(kSite, Text(kWebPage));
  help->Append(kURL, Text(kSiblingPage));
  MainMenu->Append(help, Text(kMenus[2]));
  frame.SetMenuBar(MainMenu);
  ShowMenuImages(*MainMenu);

  ToolBarButton = frame.CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT | wxTB_NODIVIDER);
  ToolBarButton->SetToolBitmapSize(wxSize(32, 32));
  CompactToolButtons(*ToolBarButton);
  struct Button {
    int id;  // 0: a separator
    TextId hint;
    int image;
  };
  const Button buttons[] = {
      {kToolButton1, TextId::TipNewGame, 0},  {kToolButton2, TextId::TipOpen, 1},    {kToolButton3, TextId::TipSave, 2},
      {kToolButton4, TextId::TipStop, 3},     {0, TextId::Count, -1},                {kToolButton6, TextId::TipOptions, 4},
      {kToolButton7, TextId::TipHelp, 5},     {0, TextId::Count, -1},                {kToolButtonUndo, TextId::TipUndo, 7},
      {kToolButtonRedo, TextId::TipRedo, 8},  {kToolButtonHint, TextId::TipHint, 9}, {0, TextId::Count, -1},
      {kToolButton9, TextId::TipExit, 6},
  };
  for (const Button& b : buttons) {
    if (b.id == 0) {
      ToolBarButton->AddSeparator();
      continue;
    }
    const wxBitmapBundle bitmap =
        b.image < static_cast<int>(big.size()) ? big[b.image] : wxBitmapBundle(wxBitmap(32, 32));
    ToolBarButton->AddTool(b.id, wxEmptyString, bitmap, Text(b.hint));
    tips_.emplace_back(b.id, b.hint);
  }
  ToolBarButton->Realize();
  EnableUndoRedo(false, false);
}

void CommandBars::Relabel() {
  for (const Caption& c : captions_) c.Item->SetItemLabel(Text(c.Id) + c.Keys);
  for (size_t m = 0; m < MainMenu->GetMenuCount() && m < std::size(kMenus); ++m)
    MainMenu->SetMenuLabel(m, Text(kMenus[m]));
  for (const auto& [id, tip] : tips_) ToolBarButton->SetToolShortHelp(id, Text(tip));
}

void CommandBars::BindCommand(wxEvtHandler& frame, int menuId, std::function<void()> command) {
  static const std::pair<int, int> kButtonOfItem[] = {
      {kN4, kToolButton1}, {kN7, kToolButton2}, {kN8, kToolButton3},      {kN5, kToolButton4},      {kN11, kToolButton6},
      {kN16, kToolButton7}, {kN13, kToolButton9}, {kUndo, kToolButtonUndo}, {kRedo, kToolButtonRedo},
      {kHint, kToolButtonHint},
  };
  frame.Bind(wxEVT_MENU, [command](wxCommandEvent&) { command(); }, menuId);
  for (const auto& [item, button] : kButtonOfItem) {
    if (item == menuId) frame.Bind(wxEVT_TOOL, [command](wxCommandEvent&) { command(); }, button);
  }
}

void CommandBars::EnableAllButStopAndExit(bool enable) {
  for (size_t m = 0; m < MainMenu->GetMenuCount(); ++m) {
    for (wxMenuItem* entry : MainMenu->GetMenu(m)->GetMenuItems()) {
      const int id = entry->GetId();
      if (!entry->IsSeparator() && !IsStopCommand(id) && !IsExitCommand(id)) entry->Enable(enable);
    }
  }
  for (size_t t = 0; t < ToolBarButton->GetToolsCount(); ++t) {
    const wxToolBarToolBase* tool = ToolBarButton->GetToolByPos(static_cast<int>(t));
    const int id = tool->GetId();
    if (!tool->IsSeparator() && !IsStopCommand(id) && !IsExitCommand(id)) ToolBarButton->EnableTool(id, enable);
  }
}

void CommandBars::EnableUndoRedo(bool undo, bool redo) {
  // Only changes: enabling a tool redraws the bar.
  if (UndoItem->IsEnabled() != undo) UndoItem->Enable(undo);
  if (RedoItem->IsEnabled() != redo) RedoItem->Enable(redo);
  if (ToolBarButton->GetToolEnabled(kToolButtonUndo) != undo) ToolBarButton->EnableTool(kToolButtonUndo, undo);
  if (ToolBarButton->GetToolEnabled(kToolButtonRedo) != redo) ToolBarButton->EnableTool(kToolButtonRedo, redo);
}

bool CommandBars::UndoEnabled() const {
  return UndoItem->IsEnabled() && ToolBarButton->GetToolEnabled(kToolButtonUndo);
}

bool CommandBars::RedoEnabled() const {
  return RedoItem->IsEnabled() && ToolBarButton->GetToolEnabled(kToolButtonRedo);
}

bool CommandBars::UndoDisabled() const {
  return !UndoItem->IsEnabled() && !ToolBarButton->GetToolEnabled(kToolButtonUndo);
}

bool CommandBars::RedoDisabled() const {
  return !RedoItem->IsEnabled() && !ToolBarButton->GetToolEnabled(kToolButtonRedo);
}

void CommandBars::ToggleShown(wxMenuItem& item, wxWindow& bar, wxFrame& frame) {
  item.Check(!item.IsChecked());
  bar.Show(item.IsChecked());
  frame.SendSizeEvent();
}

void CommandBars::ToggleFullScreen(wxFrame& frame) {
  frame.ShowFullScreen(!frame.IsFullScreen());
  FullScreenItem->Check(frame.IsFullScreen());
}

bool CommandBars::LeaveFullScreen(wxFrame& frame) {
  if (!frame.IsFullScreen()) return false;
  ToggleFullScreen(frame);
  return true;
}
