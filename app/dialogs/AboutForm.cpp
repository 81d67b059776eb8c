#include "app/dialogs/AboutForm.h"

#include <wx/sizer.h>

#include <string>

#include "app/toolkit/Fonts.h"
#include "app/toolkit/ProgramInfo.h"
#include "app/toolkit/Shell.h"
#include "app/toolkit/Text.h"

namespace {

// GTK measures a label in its new font only once it is on screen, too late
// for a dialog of fixed size: reserve the room the text takes in that font.
void ReserveTextWidth(wxStaticText& label) {
  // A pixel or two more than measured: Pango rounds each glyph run.
  label.SetMinSize(label.GetTextExtent(label.GetLabel()) + label.FromDIP(wxSize(2, 0)));
}

// Blue, bold and underlined, with the hand cursor, so that it reads as a link.
void MakeLink(wxStaticText& label) {
  label.SetForegroundColour(*wxBLUE);
  label.SetFont(label.GetFont().Bold().Underlined());
  label.SetCursor(wxCursor(wxCURSOR_HAND));
  ReserveTextWidth(label);
}

}  // namespace

TAboutForm::TAboutForm(wxWindow* parent, Shell& shell) : shell_(shell) {
  Create(parent, wxID_ANY, Text(TextId::AboutCaption), wxDefaultPosition, wxDefaultSize,
         wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
  UseDialogFont(*this);  // before the children, which inherit it

  // The name and version come with FormShow; until then the label holds
  // them already, so that the layout reserves their width.
  Label1 = new wxStaticText(this, wxID_ANY, Text(kProgramName) + " " + Text(kProgramVersion));
  Label1->SetFont(Label1->GetFont().Bold());
  ReserveTextWidth(*Label1);
  Label5 = new wxStaticText(this, wxID_ANY, Text(TextId::AboutDescription));
  Label2 = new wxStaticText(this, wxID_ANY, Text(kWebPage));
  Label3 = new wxStaticText(this, wxID_ANY, Text(kMailAddress));
  MakeLink(*Label2);
  MakeLink(*Label3);
  // "ОК" in Cyrillic letters.
  Button1 = new wxButton(this, wxID_OK, Text(TextId::AboutOk));
  Button1->SetDefault();

  const int gap = FromDIP(6);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(Label1, wxSizerFlags().CentreHorizontal().Border(wxLEFT | wxRIGHT | wxTOP, gap * 2));
  top->Add(Label5, wxSizerFlags().CentreHorizontal().Border(wxLEFT | wxRIGHT | wxTOP, gap));
  top->Add(Label2, wxSizerFlags().CentreHorizontal().Border(wxLEFT | wxRIGHT | wxTOP, gap * 2));
  top->Add(Label3, wxSizerFlags().CentreHorizontal().Border(wxLEFT | wxRIGHT | wxTOP, gap));
  top->AddStretchSpacer();
  top->Add(Button1, wxSizerFlags().Right().Border(wxALL, gap));
  SetSizer(top);
  // At least the design's client area of 240 x 143, wider for long addresses.
  wxSize client = top->ComputeFittingClientSize(this);
  client.IncTo(FromDIP(wxSize(240, 143)));
  SetClientSize(client);
  SetMinSize(GetSize());
  SetMaxSize(GetSize());

  Label2->Bind(wxEVT_LEFT_UP, [this](wxMouseEvent&) { Label2Click(); });
  Label3->Bind(wxEVT_LEFT_UP, [this](wxMouseEvent&) { Label3Click(); });
  Button1->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Button1Click(); });
}

void TAboutForm::FormShow() { Label1->SetLabel(Text(kProgramName) + " " + Text(kProgramVersion)); }

bool TAboutForm::Show(bool show) {
  if (show && !IsShown()) {
    FormShow();
    CentreOnParent();
  }
  return wxDialog::Show(show);
}

// The shell's answer is not checked: without a browser or mail program
// nothing visible happens.
void TAboutForm::Label2Click() { shell_.OpenAddress(kWebPage); }

void TAboutForm::Label3Click() { shell_.OpenAddress(std::string("mailto:") + kMailAddress); }

void TAboutForm::Button1Click() {
  if (IsModal())
    EndModal(wxID_OK);
  else
    Hide();
}
