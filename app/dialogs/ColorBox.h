// A read-only colour drop-down: the twenty plain colours of the game, the
// system colours, a "Custom..." entry that asks the player for any colour,
// and the custom colours chosen so far, each with a swatch and a name.
// Colours go in and out as 0x00BBGGRR (red in the low byte); a system colour
// entry stands for the colour the desktop uses for it.
#pragma once

#include <wx/bmpcbox.h>
#include <wx/colour.h>

#include <cstdint>
#include <functional>
#include <vector>

class ColorBox : public wxBitmapComboBox {
 public:
  // The entry that opens the colour chooser; custom colours follow it.
  static constexpr int kCustomEntry = 0;

  explicit ColorBox(wxWindow* parent, wxWindowID id = wxID_ANY);

  // Selects the entry of that colour (low 24 bits), adding it as a custom
  // colour when the list has none. Never fires OnChange.
  void SetSelectedColor(uint32_t colorRef);
  uint32_t SelectedColor() const;

  // The colour an entry stands for; 0 for the "Custom..." entry.
  uint32_t ColorAt(int index) const;
  // The first entry of that colour (low 24 bits), or wxNOT_FOUND.
  int FindColor(uint32_t colorRef) const;

  // Runs when the player has picked a colour (from the list or the chooser).
  std::function<void()> OnChange;

  // How "Custom..." asks for a colour: true and `chosen` set when the player
  // accepted one. The toolkit's colour dialog unless replaced (tests do).
  std::function<bool(wxWindow* parent, const wxColour& initial, wxColour& chosen)> ChooseColour;

 private:
  void OnSelect(wxCommandEvent& event);
  void PickCustom();
  int AddCustom(uint32_t colorRef);
  void InsertEntry(unsigned int pos, const wxString& name, uint32_t colorRef);

  std::vector<uint32_t> colors_;  // one per entry, index as in the list
  int customCount_ = 0;
  // What to show again when the chooser is cancelled.
  int lastSelection_ = wxNOT_FOUND;
};
