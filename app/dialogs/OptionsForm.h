// The Options dialog "Параметры...": every control edits a live value of the
// renderer, the cube or the main window the moment the player changes it.
// There is no Cancel; closing the dialog in any way keeps every change, and
// Escape is its OK button.
#pragma once

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <cstdint>
#include <functional>
#include <string>

class VEKGL;
class TTimer;
class ColorBox;

class TOptionsForm : public wxDialog {
 public:
  // The live values the dialog edits; all owned by the main window.
  struct Targets {
    VEKGL* Renderer;  // DrawQuality, ClearColor, and through Cube the cube's settings
    int32_t* CubeSize;
    TTimer* FRTimer;  // the idle countdown; its interval is the idle time
    // Puts the game in the language of the code; the language in use is
    // the texts' (texts::CurrentLanguage).
    std::function<void(const std::string& code)> ChangeLanguage = {};
  };

  TOptionsForm(wxWindow* parent, const Targets& targets);

  // Fills every control from the live values; run by the constructor.
  void FormCreate();
  // Fills the controls again, all but HQRCheckBox and FRUpDown (nothing but
  // this dialog changes those; ShowShuffleCheckBox is refilled all the same).
  // The dialog runs it itself whenever it is about to appear, through Show(),
  // which ShowModal() goes through as well.
  void FormShow();

  bool Show(bool show = true) override;

  // Handlers: each writes the value of its control to the live value.
  void EditShuffleChange();
  void ShowShuffleCheckBoxClick();
  void TrackBarQualityChange();
  void HQRCheckBoxClick();
  void ComboBoxSizeChange();
  void ColorBoxSpaceChange();
  void ColorBoxBGChange();
  void TrackBarRSpeedChange();
  void FREditChange();
  void ComboBoxLanguageChange();
  // Every text of the dialog again, in the language the game speaks now.
  void Relabel();
  void ButtonOKClick();

  // Components. A wxSpinCtrl is both the edit and its up-down control, so
  // EditShuffle and UpDownShuffle (FREdit and FRUpDown) are the same control.
  wxNotebook* PageControl1 = nullptr;
  wxPanel* TabSheet1 = nullptr;
  wxPanel* TabSheet2 = nullptr;
  wxPanel* TabSheet3 = nullptr;
  // "Игра"
  wxStaticText* Label1 = nullptr;
  wxSpinCtrl* EditShuffle = nullptr;
  wxSpinCtrl* UpDownShuffle = nullptr;
  wxStaticText* Label2 = nullptr;
  wxCheckBox* ShowShuffleCheckBox = nullptr;
  wxStaticBox* GroupBox3 = nullptr;
  wxStaticText* Label11 = nullptr;
  wxStaticText* Label12 = nullptr;
  wxSlider* TrackBarQuality = nullptr;
  wxCheckBox* HQRCheckBox = nullptr;
  wxStaticText* Label13 = nullptr;
  wxChoice* ComboBoxSize = nullptr;
  wxStaticText* LabelLanguage = nullptr;
  wxChoice* ComboBoxLanguage = nullptr;  // texts::kLanguages, in order
  wxStaticText* LanguageNote = nullptr;  // when a new language shows
  // "Цвета"
  wxStaticText* Label9 = nullptr;
  ColorBox* ColorBoxSpace = nullptr;
  wxStaticText* Label10 = nullptr;
  ColorBox* ColorBoxBG = nullptr;
  // "Вращение"
  wxStaticBox* GroupBox2 = nullptr;
  wxSlider* TrackBarRSpeed = nullptr;
  wxStaticBox* GroupBox1 = nullptr;
  wxSpinCtrl* FREdit = nullptr;
  wxSpinCtrl* FRUpDown = nullptr;
  wxStaticText* Label15 = nullptr;
  // Below the pages.
  wxStaticText* Label14 = nullptr;
  wxButton* ButtonOK = nullptr;

 private:
  void CreateControls();
  void BindHandlers();
  void FitTexts();
  void FillShared();

  Targets targets_;
  // Set while the controls are being filled: a control set by the program
  // must never write back into a live value, since the control's range may
  // have changed what it shows (a stored shuffle count of 0 shows as 1).
  bool filling_ = false;
};
