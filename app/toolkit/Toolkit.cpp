#include "app/toolkit/Toolkit.h"

#include <gtk/gtk.h>
#include <wx/toolbar.h>
#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/translation.h>
#include <wx/window.h>

#include <clocale>
#include <functional>
#include <utility>

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

void CompactToolButtons(wxToolBar& bar) {
  GtkWidget* widget = bar.GetHandle();
  if (!widget) return;
  gtk_widget_set_name(widget, "tessaro-commands");
  static GtkCssProvider* const provider = [] {
    GtkCssProvider* css = gtk_css_provider_new();
    gtk_css_provider_load_from_data(
        css, "#tessaro-commands button { padding-left: 2px; padding-right: 2px; }", -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(css),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    return css;
  }();
  (void)provider;
}

namespace {
constexpr char kCoveredKey[] = "tessaro-fully-covered";

gboolean OnVisibility(GtkWidget* widget, GdkEventVisibility* event, gpointer changed) {
  const bool covered = event->state == GDK_VISIBILITY_FULLY_OBSCURED;
  g_object_set_data(G_OBJECT(widget), kCoveredKey, GINT_TO_POINTER(covered ? 1 : 0));
  (*static_cast<std::function<void()>*>(changed))();
  return FALSE;
}
}  // namespace

namespace {
// Owned by the signal's closure: freed with the widget.
void ConnectCallback(GtkWidget* widget, const char* signal, GCallback handler,
                     std::function<void()> callback) {
  g_signal_connect_data(
      widget, signal, handler, new std::function<void()>(std::move(callback)),
      [](gpointer data, GClosure*) { delete static_cast<std::function<void()>*>(data); },
      GConnectFlags(0));
}

void OnScaleFactor(GtkWidget*, GParamSpec*, gpointer changed) {
  (*static_cast<std::function<void()>*>(changed))();
}
}  // namespace

void WatchContentScale(wxWindow& window, std::function<void()> changed) {
  if (GtkWidget* widget = window.GetHandle()) {
    ConnectCallback(widget, "notify::scale-factor", G_CALLBACK(OnScaleFactor), std::move(changed));
  }
}

void WatchCovering(wxWindow& window, std::function<void()> changed) {
  GtkWidget* widget = window.GetHandle();
  if (!widget) return;
  G_GNUC_BEGIN_IGNORE_DEPRECATIONS
  gtk_widget_add_events(widget, GDK_VISIBILITY_NOTIFY_MASK);
  G_GNUC_END_IGNORE_DEPRECATIONS
  ConnectCallback(widget, "visibility-notify-event", G_CALLBACK(OnVisibility), std::move(changed));
}

bool WindowCanBeSeen(wxWindow& window) {
  GtkWidget* widget = window.GetHandle();
  GdkWindow* gdk = widget ? gtk_widget_get_window(widget) : nullptr;
  if (!gdk || !gdk_window_is_viewable(gdk)) return false;
  if (g_object_get_data(G_OBJECT(widget), kCoveredKey)) return false;
  const GdkWindowState state = gdk_window_get_state(gdk_window_get_toplevel(gdk));
  return (state & (GDK_WINDOW_STATE_ICONIFIED | GDK_WINDOW_STATE_WITHDRAWN)) == 0;
}
