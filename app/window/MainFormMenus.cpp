// The main menu and the button bar; each button runs the menu item with the
// same picture.
#include <utility>

#include "app/window/CommandIds.h"
#include "app/window/MainForm.h"
#include "app/toolkit/ProgramInfo.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"
#include "app/toolkit/Toolkit.h"

namespace {
wxString Text(const char* utf8) { return wxString::FromUTF8(utf8); }
}  // namespace

void TMainForm::BuildMenu() {
  MainMenu = new wxMenuBar();
  auto item = [this](wxMenu* menu, int id, const char* caption, int image) {
    auto* entry = new wxMenuItem(menu, id, Text(caption));
    if (image >= 0 && image < SmallImageList.GetImageCount()) {
      entry->SetBitmap(SmallImageList.GetBitmap(image));
    }
    menu->Append(entry);
    return entry;
  };

  auto* game = new wxMenu();
  item(game, kN4, "Начать заново", 0);
  item(game, kN5, "Стоп!", 3);
  game->AppendSeparator();
  item(game, kN7, "Открыть...", 1);
  item(game, kN8, "Сохранить", 2);
  item(game, kN9, "Сохранить как...", 2);
  game->AppendSeparator();
  item(game, kN11, "Настройки...", 4);
  game->AppendSeparator();
  UndoItem = item(game, kUndo, "Отменить ход\tCtrl+Z", 7);
  RedoItem = item(game, kRedo, "Повторить ход\tCtrl+Shift+Z", 8);
  RedoItem->AddExtraAccel(wxAcceleratorEntry(wxACCEL_CTRL, 'Y'));
  game->AppendSeparator();
  item(game, kRecords, "Рекорды...", -1);
  ContinueItem = item(game, kContinue, "Продолжить игру", -1);
  // Exit stays last, below its separator.
  game->AppendSeparator();
  item(game, kN13, "Выход", 6);
  MainMenu->Append(game, Text("Игра"));

  auto* view = new wxMenu();
  N14 = view->AppendCheckItem(kN14, Text("Кнопки"));
  N15 = view->AppendCheckItem(kN15, Text("Строка состояния"));
  N14->Check(true);
  N15->Check(true);
  view->AppendSeparator();
  item(view, kHomeView, "Исходный вид", -1);
  MainMenu->Append(view, Text("Вид"));

  auto* help = new wxMenu();
  item(help, kN16, "Справка", 5);
  help->AppendSeparator();
  item(help, kN18, "О программе...", -1);
  // A menu bar here cannot run a command from a top-level item, so the two
  // web pages close the Help menu, each captioned with its address.
  help->AppendSeparator();
  item(help, kSite, kWebPage, -1);
  item(help, kURL, kSiblingPage, -1);
  MainMenu->Append(help, Text("Помощь"));
  SetMenuBar(MainMenu);
  ShowMenuImages(*MainMenu);

  using Handler = void (TMainForm::*)();
  const std::pair<int, Handler> commands[] = {
      {kN4, &TMainForm::N4Click},   {kN5, &TMainForm::N5Click},   {kN7, &TMainForm::N7Click},
      {kN8, &TMainForm::N8Click},   {kN9, &TMainForm::N9Click},   {kN11, &TMainForm::N11Click},
      {kN13, &TMainForm::N13Click}, {kN16, &TMainForm::N16Click}, {kN18, &TMainForm::N18Click},
      {kSite, &TMainForm::SiteMenuItemClick}, {kURL, &TMainForm::URLClick},
      {kUndo, &TMainForm::UndoClick}, {kRedo, &TMainForm::RedoClick},
      {kRecords, &TMainForm::RecordsClick},
      {kContinue, &TMainForm::ContinueClick}, {kHomeView, &TMainForm::HomeViewClick},
  };
  for (const auto& [id, handler] : commands) {
    Bind(wxEVT_MENU, [this, handler = handler](wxCommandEvent&) { (this->*handler)(); }, id);
  }
  // The toolkit has already flipped the mark; the handlers flip it themselves.
  Bind(wxEVT_MENU, [this](wxCommandEvent& event) { N14->Check(!event.IsChecked()); N14Click(); }, kN14);
  Bind(wxEVT_MENU, [this](wxCommandEvent& event) { N15->Check(!event.IsChecked()); N15Click(); }, kN15);
  // Another copy of the game may have kept or continued a game meanwhile.
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(!scrambling_ && ResumeAvailable()); },
       kContinue);
}

void TMainForm::BuildToolBar() {
  ToolBarButton = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT | wxTB_NODIVIDER);
  ToolBarButton->SetToolBitmapSize(wxSize(32, 32));
  struct Button {
    int id;  // 0: a separator
    const char* hint;
    int image;
    void (TMainForm::*handler)();
  };
  const Button buttons[] = {
      {kToolButton1, "Начать заново", 0, &TMainForm::ToolButton1Click},
      {kToolButton2, "Открыть", 1, &TMainForm::ToolButton2Click},
      {kToolButton3, "Сохранить", 2, &TMainForm::ToolButton3Click},
      {kToolButton4, "Стоп!", 3, &TMainForm::ToolButton4Click},
      {0, nullptr, -1, nullptr},
      {kToolButton6, "Настройки", 4, &TMainForm::ToolButton6Click},
      {kToolButton7, "Справка", 5, &TMainForm::ToolButton7Click},
      {0, nullptr, -1, nullptr},
      {kToolButtonUndo, "Отменить ход", 7, &TMainForm::ToolButtonUndoClick},
      {kToolButtonRedo, "Повторить ход", 8, &TMainForm::ToolButtonRedoClick},
      {0, nullptr, -1, nullptr},
      {kToolButton9, "Выход", 6, &TMainForm::ToolButton9Click},
  };
  for (const Button& b : buttons) {
    if (b.id == 0) {
      ToolBarButton->AddSeparator();
      continue;
    }
    const wxBitmap bitmap =
        b.image < BigImageList.GetImageCount() ? BigImageList.GetBitmap(b.image) : wxBitmap(32, 32);
    ToolBarButton->AddTool(b.id, wxEmptyString, bitmap, Text(b.hint));
    Bind(wxEVT_TOOL, [this, handler = b.handler](wxCommandEvent&) { (this->*handler)(); }, b.id);
  }
  ToolBarButton->Realize();
  UpdateUndoRedo();
}

void TMainForm::SetScrambling(bool scrambling) {
  scrambling_ = scrambling;
  for (size_t m = 0; m < MainMenu->GetMenuCount(); ++m) {
    for (wxMenuItem* entry : MainMenu->GetMenu(m)->GetMenuItems()) {
      const int id = entry->GetId();
      if (!entry->IsSeparator() && !IsStopCommand(id) && !IsExitCommand(id)) entry->Enable(!scrambling);
    }
  }
  for (size_t t = 0; t < ToolBarButton->GetToolsCount(); ++t) {
    const wxToolBarToolBase* tool = ToolBarButton->GetToolByPos(static_cast<int>(t));
    const int id = tool->GetId();
    if (!tool->IsSeparator() && !IsStopCommand(id) && !IsExitCommand(id)) ToolBarButton->EnableTool(id, !scrambling);
  }
  // No count belongs to a cube being scrambled.
  if (scrambling) {
    MovesLabel->SetLabel(wxEmptyString);
  } else {
    ShowMoves();
  }
  UpdateUndoRedo();
  UpdateContinueItem();
}

void TMainForm::UpdateUndoRedo() {
  const bool undo = Renderer && !scrambling_ && Renderer->Cube->CanUndo();
  const bool redo = Renderer && !scrambling_ && Renderer->Cube->CanRedo();
  // Only changes: enabling a tool redraws the bar.
  if (UndoItem && UndoItem->IsEnabled() != undo) UndoItem->Enable(undo);
  if (RedoItem && RedoItem->IsEnabled() != redo) RedoItem->Enable(redo);
  if (ToolBarButton->GetToolEnabled(kToolButtonUndo) != undo) ToolBarButton->EnableTool(kToolButtonUndo, undo);
  if (ToolBarButton->GetToolEnabled(kToolButtonRedo) != redo) ToolBarButton->EnableTool(kToolButtonRedo, redo);
}

bool TMainForm::UndoEnabled() const {
  return UndoItem->IsEnabled() && ToolBarButton->GetToolEnabled(kToolButtonUndo);
}

bool TMainForm::RedoEnabled() const {
  return RedoItem->IsEnabled() && ToolBarButton->GetToolEnabled(kToolButtonRedo);
}

bool TMainForm::UndoDisabled() const {
  return !UndoItem->IsEnabled() && !ToolBarButton->GetToolEnabled(kToolButtonUndo);
}

bool TMainForm::RedoDisabled() const {
  return !RedoItem->IsEnabled() && !ToolBarButton->GetToolEnabled(kToolButtonRedo);
}
