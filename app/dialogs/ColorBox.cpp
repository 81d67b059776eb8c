#include "app/dialogs/ColorBox.h"

#include <gtk/gtk.h>
#include <wx/colordlg.h>
#include <wx/image.h>
#include <wx/settings.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "app/settings/ColorText.h"

namespace {

constexpr uint32_t kColorMask = 0x00FFFFFF;

wxColour ToColour(uint32_t colorRef) {
  return wxColour(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

uint32_t FromColour(const wxColour& colour) {
  return static_cast<uint32_t>(colour.Red()) | static_cast<uint32_t>(colour.Green()) << 8 |
         static_cast<uint32_t>(colour.Blue()) << 16;
}

// "clMoneyGreen" -> "Money Green", "cl3DDkShadow" -> "3D Dk Shadow": a word
// starts at a capital after a small letter, or at the last capital of a run
// that a small letter follows.
wxString ReadableName(std::string_view ident) {
  if (ident.substr(0, 2) == "cl") ident.remove_prefix(2);
  const auto upper = [](char c) { return c >= 'A' && c <= 'Z'; };
  const auto lower = [](char c) { return c >= 'a' && c <= 'z'; };
  std::string name;
  for (size_t i = 0; i < ident.size(); ++i) {
    const char c = ident[i];
    if (i > 0 && upper(c)) {
      const char before = ident[i - 1];
      const bool nextLower = i + 1 < ident.size() && lower(ident[i + 1]);
      if (lower(before) || (upper(before) && nextLower)) name += ' ';
    }
    name += c;
  }
  return wxString::FromUTF8(name.c_str());
}

wxString CustomName(uint32_t colorRef) {
  const wxColour colour = ToColour(colorRef);
  return wxString::Format("#%02X%02X%02X", colour.Red(), colour.Green(), colour.Blue());
}

// A filled rectangle with a dark frame, so that white and the dialog's own
// grey still show as a swatch, and a clear strip between it and the name.
wxBitmap Swatch(const wxWindow& window, uint32_t colorRef) {
  const wxSize swatch = window.FromDIP(wxSize(22, 12));
  const int gap = window.FromDIP(4);
  wxImage image(swatch.x + gap, swatch.y);
  image.InitAlpha();
  const wxColour fill = ToColour(colorRef);
  for (int y = 0; y < swatch.y; ++y) {
    for (int x = 0; x < swatch.x + gap; ++x) {
      const bool frame = x == 0 || y == 0 || x == swatch.x - 1 || y == swatch.y - 1;
      if (x >= swatch.x)
        image.SetAlpha(x, y, wxIMAGE_ALPHA_TRANSPARENT);
      else if (frame)
        image.SetRGB(x, y, 64, 64, 64);
      else
        image.SetRGB(x, y, fill.Red(), fill.Green(), fill.Blue());
    }
  }
  return wxBitmap(image);
}

// The colour the desktop uses for a system colour (its index is the low byte
// of the identifier's value, which wxWidgets numbers the same way).
uint32_t DesktopColor(int32_t systemColorValue) {
  const auto index = static_cast<wxSystemColour>(systemColorValue & 0xFF);
  return FromColour(wxSystemSettings::GetColour(index));
}

bool ToolkitColourDialog(wxWindow* parent, const wxColour& initial, wxColour& chosen) {
  wxColourData data;
  data.SetChooseFull(true);
  data.SetColour(initial);
  wxColourDialog dialog(parent, &data);
  if (dialog.ShowModal() != wxID_OK) return false;
  chosen = dialog.GetColourData().GetColour();
  return true;
}

}  // namespace

ColorBox::ColorBox(wxWindow* parent, wxWindowID id) : ChooseColour(ToolkitColourDialog) {
  Create(parent, id, wxEmptyString, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxCB_READONLY);
  Insert("Custom...", wxBitmapBundle(), kCustomEntry);
  colors_.push_back(0);
  for (const ColorName& entry : kPlainColors)
    InsertEntry(GetCount(), ReadableName(entry.name), static_cast<uint32_t>(entry.value) & kColorMask);
  // A system colour is shown, and chosen, as the colour the desktop uses.
  for (const ColorName& entry : kSystemColors)
    InsertEntry(GetCount(), ReadableName(entry.name), DesktopColor(entry.value));
  SetSelectedColor(0);
  Bind(wxEVT_COMBOBOX, &ColorBox::OnSelect, this);
  // GTK draws the box no narrower than its longest name, whatever room the
  // sizer gives it: ask for that room, or a narrow dialog cuts its left edge.
  gint minimum = 0;
  if (GtkWidget* widget = GetHandle()) gtk_widget_get_preferred_width(widget, &minimum, nullptr);
  SetMinSize(wxSize(std::max(minimum, GetBestSize().x), -1));
}

void ColorBox::InsertEntry(unsigned int pos, const wxString& name, uint32_t colorRef) {
  Insert(name, Swatch(*this, colorRef), pos);
  colors_.insert(colors_.begin() + pos, colorRef);
}

void ColorBox::SetSelectedColor(uint32_t colorRef) {
  colorRef &= kColorMask;
  int index = FindColor(colorRef);
  if (index == wxNOT_FOUND) index = AddCustom(colorRef);
  SetSelection(index);
  lastSelection_ = index;
}

uint32_t ColorBox::SelectedColor() const {
  const int selection = GetSelection();
  if (selection != wxNOT_FOUND && selection != kCustomEntry) return ColorAt(selection);
  // "Custom..." shows only while its chooser is about to open.
  return lastSelection_ == wxNOT_FOUND ? 0 : ColorAt(lastSelection_);
}

uint32_t ColorBox::ColorAt(int index) const {
  if (index < 0 || index >= static_cast<int>(colors_.size()) || index == kCustomEntry) return 0;
  return colors_[index];
}

int ColorBox::FindColor(uint32_t colorRef) const {
  colorRef &= kColorMask;
  for (size_t i = 0; i < colors_.size(); ++i) {
    if (static_cast<int>(i) != kCustomEntry && colors_[i] == colorRef) return static_cast<int>(i);
  }
  return wxNOT_FOUND;
}

int ColorBox::AddCustom(uint32_t colorRef) {
  // Custom colours sit right under "Custom...", in the order chosen.
  const int index = kCustomEntry + 1 + customCount_;
  InsertEntry(index, CustomName(colorRef), colorRef);
  ++customCount_;
  if (lastSelection_ >= index) ++lastSelection_;
  return index;
}

void ColorBox::OnSelect(wxCommandEvent& event) {
  const int selection = event.GetSelection();
  if (selection == kCustomEntry) {
    // Open the chooser once the drop-down has closed and its event is done.
    CallAfter(&ColorBox::PickCustom);
    return;
  }
  if (selection == wxNOT_FOUND) return;
  lastSelection_ = selection;
  if (OnChange) OnChange();
}

void ColorBox::PickCustom() {
  wxColour chosen;
  const bool accepted =
      ChooseColour && ChooseColour(this, ToColour(SelectedColor()), chosen) && chosen.IsOk();
  if (!accepted) {
    SetSelection(lastSelection_);
    return;
  }
  SetSelectedColor(FromColour(chosen));
  if (OnChange) OnChange();
}
