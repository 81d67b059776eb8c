// The main menu and the button bar; each button runs the menu item with the
// same picture.
#include "app/MainForm.h"
#include "app/ProgramInfo.h"

namespace {
enum CommandId {
  kN4 = wxID_HIGHEST + 1, kN5, kN7, kN8, kN9, kN11, kN13, kN14, kN15, kN16, kN18, kSite, kURL,
  kToolButton1, kToolButton2, kToolButton3, kToolButton4, kToolButton6, kToolButton7, kToolButton9,
};

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
  item(game, kN13, "Выход", 6);
  MainMenu->Append(game, Text("Игра"));

  auto* view = new wxMenu();
  N14 = view->AppendCheckItem(kN14, Text("Кнопки"));
  N15 = view->AppendCheckItem(kN15, Text("Строка состояния"));
  N14->Check(true);
  N15->Check(true);
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

  Bind(wxEVT_MENU, [this](wxCommandEvent&) { N4Click(); }, kN4);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { N5Click(); }, kN5);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { N7Click(); }, kN7);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { N8Click(); }, kN8);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { N9Click(); }, kN9);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { N11Click(); }, kN11);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { N13Click(); }, kN13);
  // The toolkit has already flipped the mark; the handlers flip it themselves.
  Bind(wxEVT_MENU, [this](wxCommandEvent& event) { N14->Check(!event.IsChecked()); N14Click(); }, kN14);
  Bind(wxEVT_MENU, [this](wxCommandEvent& event) { N15->Check(!event.IsChecked()); N15Click(); }, kN15);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { N16Click(); }, kN16);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { N18Click(); }, kN18);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { SiteMenuItemClick(); }, kSite);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { URLClick(); }, kURL);
}

void TMainForm::BuildToolBar() {
  ToolBarButton = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT | wxTB_NODIVIDER);
  ToolBarButton->SetToolBitmapSize(wxSize(32, 32));
  auto button = [this](int id, const char* hint, int image) {
    const wxBitmap bitmap =
        image < BigImageList.GetImageCount() ? BigImageList.GetBitmap(image) : wxBitmap(32, 32);
    ToolBarButton->AddTool(id, wxEmptyString, bitmap, Text(hint));
  };
  button(kToolButton1, "Начать заново", 0);
  button(kToolButton2, "Открыть", 1);
  button(kToolButton3, "Сохранить", 2);
  button(kToolButton4, "Стоп!", 3);
  ToolBarButton->AddSeparator();
  button(kToolButton6, "Настройки", 4);
  button(kToolButton7, "Справка", 5);
  ToolBarButton->AddSeparator();
  button(kToolButton9, "Выход", 6);
  ToolBarButton->Realize();

  Bind(wxEVT_TOOL, [this](wxCommandEvent&) { ToolButton1Click(); }, kToolButton1);
  Bind(wxEVT_TOOL, [this](wxCommandEvent&) { ToolButton2Click(); }, kToolButton2);
  Bind(wxEVT_TOOL, [this](wxCommandEvent&) { ToolButton3Click(); }, kToolButton3);
  Bind(wxEVT_TOOL, [this](wxCommandEvent&) { ToolButton4Click(); }, kToolButton4);
  Bind(wxEVT_TOOL, [this](wxCommandEvent&) { ToolButton6Click(); }, kToolButton6);
  Bind(wxEVT_TOOL, [this](wxCommandEvent&) { ToolButton7Click(); }, kToolButton7);
  Bind(wxEVT_TOOL, [this](wxCommandEvent&) { ToolButton9Click(); }, kToolButton9);
}
