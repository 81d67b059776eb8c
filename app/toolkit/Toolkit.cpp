#include "app/toolkit/Toolkit.h"

#include <gtk/gtk.h>
#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/translation.h>
#include <wx/window.h>

#include <clocale>

bool AskToolkitForRussian() {
  if (!wxLocale::IsAvailable(wxLANGUAGE_RUSSIAN)) return false;
  // Lives for the whole run, as the toolkit's texts do.
  static wxLocale locale;
  if (!locale.Init(wxLANGUAGE_RUSSIAN, wxLOCALE_DONT_LOAD_DEFAULT)) return false;
  // wxWidgets' own texts ("wxstd"); GTK translates through the C locale that
  // Init has set.
  if (wxTranslations* translations = wxTranslations::Get()) translations->AddStdCatalog();
  std::setlocale(LC_NUMERIC, "C");
  return true;
}

namespace {
void ShowImages(wxMenu& menu) {
  for (wxMenuItem* item : menu.GetMenuItems()) {
    if (item->GetSubMenu()) ShowImages(*item->GetSubMenu());
    GtkWidget* widget = item->GetMenuItem();
    if (!widget) continue;
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    if (GTK_IS_IMAGE_MENU_ITEM(widget)) {
      gtk_image_menu_item_set_always_show_image(GTK_IMAGE_MENU_ITEM(widget), TRUE);
    }
    G_GNUC_END_IGNORE_DEPRECATIONS
  }
}
}  // namespace

void ShowMenuImages(wxMenuBar& bar) {
  for (size_t i = 0; i < bar.GetMenuCount(); ++i) ShowImages(*bar.GetMenu(i));
}

bool WindowCanBeSeen(wxWindow& window) {
  GtkWidget* widget = window.GetHandle();
  GdkWindow* gdk = widget ? gtk_widget_get_window(widget) : nullptr;
  if (!gdk || !gdk_window_is_viewable(gdk)) return false;
  const GdkWindowState state = gdk_window_get_state(gdk_window_get_toplevel(gdk));
  return (state & (GDK_WINDOW_STATE_ICONIFIED | GDK_WINDOW_STATE_WITHDRAWN)) == 0;
}
