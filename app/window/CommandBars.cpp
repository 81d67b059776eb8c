#include "app/window/CommandBars.h"

#include "app/toolkit/ProgramInfo.h"
#include "app/toolkit/Text.h"
#include "app/toolkit/Toolkit.h"
#include "app/window/CommandIds.h"

CommandBars::CommandBars(wxFrame& frame, const std::vector<wxBitmapBundle>& small,
                         const std::vector<wxBitmapBundle>& big) {
  MainMenu = new wxMenuBar();
  auto item = [&](wxMenu* menu, int id, const char* caption, int image) {
    auto* entry = new wxMenuItem(menu, id, Text(caption));
    if (image >= 0 && image < static_cast<int>(small.size())) entry->SetBitmap(small[image]);
    menu->Append(entry);
    return entry;
  };

  auto* game = new wxMenu();
  item(game, kN4, "Начать заново\tCtrl+N", 0);
  item(game, kN5, "Стоп!", 3);
  game->AppendSeparator();
  item(game, kN7, "Открыть...\tCtrl+O", 1);
  item(game, kN8, "Сохранить\tCtrl+S", 2);
  item(game, kN9, "Сохранить как...\tCtrl+Shift+S", 2);
  game->AppendSeparator();
  item(game, kN11, "Настройки...", 4);
  game->AppendSeparator();
  UndoItem = item(game, kUndo, "Отменить ход\tCtrl+Z", 7);
  RedoItem = item(game, kRedo, "Повторить ход\tCtrl+Shift+Z", 8);
  RedoItem->AddExtraAccel(wxAcceleratorEntry(wxACCEL_CTRL, 'Y'));
  game->AppendSeparator();
  item(game, kRecords, "Рекорды...", -1);
  ContinueItem = item(game, kContinue, "Продолжить игру...", -1);
  game->AppendSeparator();
  item(game, kPause, "Пауза\tP", -1);
  item(game, kTypeMoves, "Ввести ходы...", -1);
  item(game, kTypedScramble, "Начать с перемешивания...", -1);
  item(game, kGameMoves, "Ходы игры", -1);
  item(game, kHint, "Подсказка\tH", 9);
  item(game, kSolve, "Решить", -1);
  // Exit stays last, below its separator.
  game->AppendSeparator();
  item(game, kN13, "Выход", 6);
  MainMenu->Append(game, Text("Игра"));

  auto* view = new wxMenu();
  N14 = view->AppendCheckItem(kN14, Text("Кнопки"));
  N15 = view->AppendCheckItem(kN15, Text("Строка состояния"));
  FullScreenItem = view->AppendCheckItem(kFullScreen, Text("Во весь экран\tF11"));
  N14->Check(true);
  N15->Check(true);
  view->AppendSeparator();
  item(view, kHomeView, "Исходный вид", -1);
  MainMenu->Append(view, Text("Вид"));

  auto* help = new wxMenu();
  item(help, kN16, "Справка\tF1", 5);
  help->AppendSeparator();
  item(help, kN18, "О программе...", -1);
  // A menu bar here cannot run a command from a top-level item, so the two
  // web pages close the Help menu, each captioned with its address.
  help->AppendSeparator();
  item(help, kSite, kWebPage, -1);
  item(help, kURL, kSiblingPage, -1);
  MainMenu->Append(help, Text("Помощь"));
  frame.SetMenuBar(MainMenu);
  ShowMenuImages(*MainMenu);

  ToolBarButton = frame.CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT | wxTB_NODIVIDER);
  ToolBarButton->SetToolBitmapSize(wxSize(32, 32));
  CompactToolButtons(*ToolBarButton);
  struct Button {
    int id;  // 0: a separator
    const char* hint;
    int image;
  };
  const Button buttons[] = {
      {kToolButton1, "Начать заново", 0}, {kToolButton2, "Открыть", 1},       {kToolButton3, "Сохранить", 2},
      {kToolButton4, "Стоп!", 3},         {0, nullptr, -1},                   {kToolButton6, "Настройки", 4},
      {kToolButton7, "Справка", 5},       {0, nullptr, -1},                   {kToolButtonUndo, "Отменить ход", 7},
      {kToolButtonRedo, "Повторить ход", 8}, {kToolButtonHint, "Подсказка", 9}, {0, nullptr, -1},
      {kToolButton9, "Выход", 6},
  };
  for (const Button& b : buttons) {
    if (b.id == 0) {
      ToolBarButton->AddSeparator();
      continue;
    }
    const wxBitmapBundle bitmap =
        b.image < static_cast<int>(big.size()) ? big[b.image] : wxBitmapBundle(wxBitmap(32, 32));
    ToolBarButton->AddTool(b.id, wxEmptyString, bitmap, Text(b.hint));
  }
  ToolBarButton->Realize();
  EnableUndoRedo(false, false);
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
