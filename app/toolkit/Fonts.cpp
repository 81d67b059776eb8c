#include "app/toolkit/Fonts.h"

#include <wx/fontenum.h>
#include <wx/arrstr.h>
#include <wx/settings.h>
#include <wx/window.h>

wxFont WindowFont(int pixels) {
  wxFont font(wxFontInfo(wxSize(0, pixels)).FaceName("Tahoma"));
  if (!font.IsOk() || font.GetFaceName().CmpNoCase("Tahoma") != 0) {
    font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    font.SetPixelSize(wxSize(0, pixels));
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
