#include "app/toolkit/Fonts.h"

#include <gtk/gtk.h>
#include <wx/arrstr.h>
#include <wx/fontenum.h>
#include <wx/settings.h>
#include <wx/window.h>

#include <algorithm>
#include <cmath>

double DesktopTextScale() {
  // GTK's font resolution: the desktop's DPI setting times GDK_DPI_SCALE,
  // already divided by the content scale (GDK_SCALE), which the toolkit
  // applies to every drawing alike.
  GdkScreen* screen = gdk_screen_get_default();
  const double dpi = screen ? gdk_screen_get_resolution(screen) : -1;
  return dpi > 0 ? dpi / 96.0 : 1.0;
}

int TextPixels(int pixels) {
  return std::max(1, static_cast<int>(std::lround(pixels * DesktopTextScale())));
}

wxFont WindowFont(int pixels) {
  // Pixel sizes do not follow the desktop's text scale by themselves.
  const wxSize size(0, TextPixels(pixels));
  wxFont font(wxFontInfo(size).FaceName("Tahoma"));
  if (!font.IsOk() || font.GetFaceName().CmpNoCase("Tahoma") != 0) {
    font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    font.SetPixelSize(size);
  }
  return font;
}

void UseDialogFont(wxWindow& window) {
  if (wxFontEnumerator::IsValidFacename("Tahoma")) window.SetFont(wxFont(wxFontInfo(8).FaceName("Tahoma")));
}

wxString WrapText(const wxWindow& window, const wxString& text, int width) {
  wxString result, line;
  for (const wxString& word : wxSplit(text, ' ', '\0')) {
    const wxString candidate = line.empty() ? word : line + ' ' + word;
    if (!line.empty() && window.GetTextExtent(candidate).x > width) {
      result += line + '\n';
      line = word;
    } else {
      line = candidate;
    }
  }
  return result + line;
}
