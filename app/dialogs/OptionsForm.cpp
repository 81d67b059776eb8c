#include "app/dialogs/OptionsForm.h"

#include <wx/sizer.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>

#include "app/dialogs/ColorBox.h"
#include "app/toolkit/Fonts.h"
#include "app/toolkit/Text.h"
#include "app/toolkit/Timer.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"
#include "texts/Language.h"

namespace {

// Slider position p (1-based) stands for entry p - 1; the same tables serve
// both directions.
constexpr int32_t kQualityPasses[] = {1, 2, 3, 4, 5, 6, 8, 9, 12, 16};
constexpr int32_t kSpeedDegrees[] = {1, 2, 3, 5, 6, 9, 10, 30, 45};

constexpr int kMinSize = kMinCubeSize;
wxString SizeName(int n) { return wxString::Format("%dx%dx%d", n, n, n); }

// Positions the controls take before the live values fill them, and keep
// when a live value is none of their table's.
constexpr int kDefaultShuffle = 25;
constexpr int kDefaultQualityPosition = 1;
constexpr int kDefaultSpeedPosition = 5;


template <size_t N>
int PositionOf(const int32_t (&table)[N], int32_t value) {
  const auto* found = std::find(std::begin(table), std::end(table), value);
  return found == std::end(table) ? 0 : static_cast<int>(found - std::begin(table)) + 1;
}

template <size_t N>
int32_t ValueAt(const int32_t (&table)[N], int position) {
  return table[std::clamp(position, 1, static_cast<int>(N)) - 1];
}

}  // namespace

TOptionsForm::TOptionsForm(wxWindow* parent, const Targets& targets)
    : targets_(targets) {
  Create(parent, wxID_ANY, Text(TextId::OptionsCaption), wxDefaultPosition, wxDefaultSize,
         wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
  UseDialogFont(*this);  // before the children, which inherit it
  CreateControls();
  FitTexts();
  BindHandlers();
  // The first opening shows "Вращение"; later ones keep the page last used.
  PageControl1->ChangeSelection(2);
  FormCreate();
}

void TOptionsForm::CreateControls() {
  const int gap = FromDIP(6);
  PageControl1 = new wxNotebook(this, wxID_ANY);

  // "Игра"
  TabSheet1 = new wxPanel(PageControl1);
  Label1 = new wxStaticText(TabSheet1, wxID_ANY, Text(TextId::OptionsShuffleBefore));
  UpDownShuffle = new wxSpinCtrl(TabSheet1, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                 wxDefaultSize, wxSP_ARROW_KEYS, 1, 1000, kDefaultShuffle);
  EditShuffle = UpDownShuffle;
  Label2 = new wxStaticText(TabSheet1, wxID_ANY, Text(TextId::OptionsShuffleAfter));
  ShowShuffleCheckBox = new wxCheckBox(TabSheet1, wxID_ANY, Text(TextId::OptionsShowShuffle));
  ShowShuffleCheckBox->SetValue(true);
  GroupBox3 = new wxStaticBox(TabSheet1, wxID_ANY, Text(TextId::OptionsQuality));
  TrackBarQuality = new wxSlider(GroupBox3, wxID_ANY, kDefaultQualityPosition, 1, 10,
                                 wxDefaultPosition, wxDefaultSize,
                                 wxSL_HORIZONTAL | wxSL_AUTOTICKS);
  TrackBarQuality->SetTickFreq(1);
  Label11 = new wxStaticText(GroupBox3, wxID_ANY, Text(TextId::OptionsQualityLow));
  Label12 = new wxStaticText(GroupBox3, wxID_ANY, Text(TextId::OptionsQualityHigh));
  // Labelled once the dialog knows how wide the text may be (FitTexts).
  HQRCheckBox = new wxCheckBox(GroupBox3, wxID_ANY, wxEmptyString);
  Label13 = new wxStaticText(TabSheet1, wxID_ANY, Text(TextId::OptionsCubeSize));
  ComboBoxSize = new wxChoice(TabSheet1, wxID_ANY);
  for (int n = kMinSize; n <= kMaxCubeSize; ++n) ComboBoxSize->Append(SizeName(n));
  ComboBoxSize->SetSelection(3 - kMinSize);
  LabelLanguage = new wxStaticText(TabSheet1, wxID_ANY, Text(TextId::OptionsLanguage));
  ComboBoxLanguage = new wxChoice(TabSheet1, wxID_ANY);
  for (const texts::LanguageName& language : texts::kLanguages) ComboBoxLanguage->Append(Text(language.Name));
  ComboBoxLanguage->SetSelection(0);
  // Wrapped by FitTexts.
  LanguageNote = new wxStaticText(TabSheet1, wxID_ANY, wxEmptyString);

  auto* shuffleRow = new wxBoxSizer(wxHORIZONTAL);
  shuffleRow->Add(Label1, wxSizerFlags().CentreVertical());
  shuffleRow->Add(UpDownShuffle, wxSizerFlags().CentreVertical().Border(wxLEFT | wxRIGHT, gap));
  shuffleRow->Add(Label2, wxSizerFlags().CentreVertical());
  auto* qualityEnds = new wxBoxSizer(wxHORIZONTAL);
  qualityEnds->Add(Label11);
  qualityEnds->AddStretchSpacer();
  qualityEnds->Add(Label12, wxSizerFlags().Border(wxLEFT, gap));
  auto* quality = new wxStaticBoxSizer(GroupBox3, wxVERTICAL);
  quality->Add(TrackBarQuality, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, gap));
  quality->Add(qualityEnds, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, gap));
  quality->Add(HQRCheckBox, wxSizerFlags().Expand().Border(wxALL, gap));
  auto* sizeRow = new wxBoxSizer(wxHORIZONTAL);
  sizeRow->Add(Label13, wxSizerFlags().CentreVertical());
  sizeRow->Add(ComboBoxSize, wxSizerFlags().CentreVertical().Border(wxLEFT, gap));
  auto* languageRow = new wxBoxSizer(wxHORIZONTAL);
  languageRow->Add(LabelLanguage, wxSizerFlags().CentreVertical());
  languageRow->Add(ComboBoxLanguage, wxSizerFlags().CentreVertical().Border(wxLEFT, gap));
  auto* game = new wxBoxSizer(wxVERTICAL);
  game->Add(shuffleRow, wxSizerFlags().Border(wxALL, gap));
  game->Add(ShowShuffleCheckBox, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxBOTTOM, gap));
  game->Add(quality, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, gap));
  game->Add(sizeRow, wxSizerFlags().Border(wxALL, gap));
  game->Add(languageRow, wxSizerFlags().Border(wxLEFT | wxRIGHT, gap));
  game->Add(LanguageNote, wxSizerFlags().Border(wxALL, gap));
  TabSheet1->SetSizer(game);

  // "Цвета"
  TabSheet2 = new wxPanel(PageControl1);
  Label9 = new wxStaticText(TabSheet2, wxID_ANY, Text(TextId::OptionsBody));
  ColorBoxSpace = new ColorBox(TabSheet2);
  Label10 = new wxStaticText(TabSheet2, wxID_ANY, Text(TextId::OptionsBackground));
  ColorBoxBG = new ColorBox(TabSheet2);
  auto* colours = new wxFlexGridSizer(2, gap, gap);
  colours->AddGrowableCol(1);
  colours->Add(Label9, wxSizerFlags().CentreVertical());
  colours->Add(ColorBoxSpace, wxSizerFlags().Expand());
  colours->Add(Label10, wxSizerFlags().CentreVertical());
  colours->Add(ColorBoxBG, wxSizerFlags().Expand());
  auto* coloursPage = new wxBoxSizer(wxVERTICAL);
  coloursPage->Add(colours, wxSizerFlags().Expand().Border(wxALL, gap * 2));
  TabSheet2->SetSizer(coloursPage);

  // "Вращение"
  TabSheet3 = new wxPanel(PageControl1);
  GroupBox2 = new wxStaticBox(TabSheet3, wxID_ANY, Text(TextId::OptionsTurnSpeed));
  TrackBarRSpeed = new wxSlider(GroupBox2, wxID_ANY, kDefaultSpeedPosition, 1, 9,
                                wxDefaultPosition, wxDefaultSize,
                                wxSL_HORIZONTAL | wxSL_AUTOTICKS);
  TrackBarRSpeed->SetTickFreq(1);
  GroupBox1 = new wxStaticBox(TabSheet3, wxID_ANY, Text(TextId::OptionsIdleTurn));
  FRUpDown = new wxSpinCtrl(GroupBox1, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                            wxSP_ARROW_KEYS, 0, 1000, 0);
  FREdit = FRUpDown;
  Label15 = new wxStaticText(GroupBox1, wxID_ANY, Text(TextId::OptionsSeconds));
  auto* speed = new wxStaticBoxSizer(GroupBox2, wxVERTICAL);
  speed->Add(TrackBarRSpeed, wxSizerFlags().Expand().Border(wxALL, gap));
  auto* idle = new wxStaticBoxSizer(GroupBox1, wxHORIZONTAL);
  idle->Add(FRUpDown, wxSizerFlags().CentreVertical().Border(wxALL, gap));
  idle->Add(Label15, wxSizerFlags().CentreVertical().Border(wxRIGHT, gap));
  auto* rotation = new wxBoxSizer(wxVERTICAL);
  rotation->Add(speed, wxSizerFlags().Expand().Border(wxALL, gap));
  rotation->Add(idle, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, gap));
  TabSheet3->SetSizer(rotation);

  PageControl1->AddPage(TabSheet1, Text(TextId::OptionsGamePage));
  PageControl1->AddPage(TabSheet2, Text(TextId::OptionsColorsPage));
  PageControl1->AddPage(TabSheet3, Text(TextId::OptionsTurningPage));

  // Filled in by FitTexts, like the check box.
  Label14 = new wxStaticText(this, wxID_ANY, wxEmptyString);
  ButtonOK = new wxButton(this, wxID_ANY, "OK");
  ButtonOK->SetDefault();

  auto* bottom = new wxBoxSizer(wxHORIZONTAL);
  bottom->Add(Label14, wxSizerFlags(1).CentreVertical());
  bottom->Add(ButtonOK, wxSizerFlags().Bottom().Border(wxLEFT, gap));
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(PageControl1, wxSizerFlags(1).Expand().Border(wxALL, gap));
  top->Add(bottom, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, gap));
  SetSizer(top);
}

// The two long texts wrap to the width the rest of the dialog needs, but at
// least the design's client area of 287 x 285. Widths come from the sizers'
// minimum sizes, since nothing is allocated before the dialog is shown.
void TOptionsForm::FitTexts() {
  // Measured afresh: without the wrapped texts, at no fixed size.
  HQRCheckBox->SetLabel(wxEmptyString);
  Label14->SetLabel(wxEmptyString);
  LanguageNote->SetLabel(wxEmptyString);
  SetMinSize(wxDefaultSize);
  SetMaxSize(wxDefaultSize);
  wxSizer* top = GetSizer();
  const wxSize design = FromDIP(wxSize(287, 285));
  const int width = std::max(design.x, top->GetMinSize().x);

  // What the dialog adds around a control: make the control wider than
  // anything else and see how much wider the dialog gets.
  const auto widthFor = [&](wxWindow& control) {
    const int probe = width * 4;
    control.SetMinSize(wxSize(probe, -1));
    control.InvalidateBestSize();
    const int overhead = top->GetMinSize().x - probe;
    control.SetMinSize(wxDefaultSize);
    control.InvalidateBestSize();
    return width - overhead;
  };

  const int indicator = HQRCheckBox->GetBestSize().x;  // the box, with no label yet
  HQRCheckBox->SetLabel(WrapText(*HQRCheckBox, Text(TextId::OptionsSmoothTurns), widthFor(*HQRCheckBox) - indicator));
  const int noteWidth = widthFor(*Label14);
  Label14->SetLabel(Text(TextId::OptionsNextGameNote));
  Label14->Wrap(noteWidth);
  const int languageNoteWidth = widthFor(*LanguageNote);
  LanguageNote->SetLabel(Text(TextId::OptionsLanguageNote));
  LanguageNote->Wrap(languageNoteWidth);

  wxSize client = top->GetMinSize();
  client.IncTo(design);
  SetClientSize(client);
  Layout();
  // The pages get their size from the notebook only once shown; until then
  // the check box would keep the size of its empty label, which GTK rejects.
  for (size_t page = 0; page < PageControl1->GetPageCount(); ++page) {
    wxWindow* sheet = PageControl1->GetPage(page);
    sheet->SetSize(sheet->GetBestSize());
    sheet->Layout();
  }
  // Fixed size: the dialog has no resize border, and the window manager
  // gets no room either.
  SetMinSize(GetSize());
  SetMaxSize(GetSize());
}

void TOptionsForm::BindHandlers() {
  // The spin controls report both arrow steps and typing; the value used is
  // always the control's position, which stays within its range.
  UpDownShuffle->Bind(wxEVT_SPINCTRL, [this](wxSpinEvent&) { EditShuffleChange(); });
  UpDownShuffle->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { EditShuffleChange(); });
  ShowShuffleCheckBox->Bind(wxEVT_CHECKBOX,
                            [this](wxCommandEvent&) { ShowShuffleCheckBoxClick(); });
  TrackBarQuality->Bind(wxEVT_SLIDER, [this](wxCommandEvent&) { TrackBarQualityChange(); });
  HQRCheckBox->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { HQRCheckBoxClick(); });
  ComboBoxSize->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { ComboBoxSizeChange(); });
  ColorBoxSpace->OnChange = [this] { ColorBoxSpaceChange(); };
  ColorBoxBG->OnChange = [this] { ColorBoxBGChange(); };
  TrackBarRSpeed->Bind(wxEVT_SLIDER, [this](wxCommandEvent&) { TrackBarRSpeedChange(); });
  FRUpDown->Bind(wxEVT_SPINCTRL, [this](wxSpinEvent&) { FREditChange(); });
  FRUpDown->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { FREditChange(); });
  ComboBoxLanguage->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { ComboBoxLanguageChange(); });
  ButtonOK->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ButtonOKClick(); });
  // Escape acts as OK, since there is no Cancel; the title bar's close box
  // still leaves the cubies' colour alone.
  Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_ESCAPE) {
      ButtonOKClick();
    } else {
      event.Skip();
    }
  });
}

void TOptionsForm::FormCreate() {
  filling_ = true;
  FillShared();
  if (const VEKBigCube* cube = targets_.Renderer->Cube) HQRCheckBox->SetValue(cube->RotateAntiAlias);
  FRUpDown->SetValue(targets_.FRTimer->Interval() / 1000);
  filling_ = false;
}

void TOptionsForm::FormShow() {
  filling_ = true;
  FillShared();
  filling_ = false;
}

// What FormCreate and FormShow both fill. A live value that none of a
// slider's positions stands for leaves the slider where it is.
void TOptionsForm::FillShared() {
  const VEKGL& renderer = *targets_.Renderer;
  if (const VEKBigCube* cube = renderer.Cube) {
    UpDownShuffle->SetValue(cube->ShuffleRotateCount);
    ShowShuffleCheckBox->SetValue(cube->ShowShuffle);
    ColorBoxSpace->SetSelectedColor(cube->BodyColor.ToColorRef());
    if (const int position = PositionOf(kSpeedDegrees, cube->RotateSpeed)) TrackBarRSpeed->SetValue(position);
  }
  const int sizeIndex = *targets_.CubeSize - kMinSize;
  if (sizeIndex >= 0 && sizeIndex < static_cast<int>(ComboBoxSize->GetCount()))
    ComboBoxSize->SetSelection(sizeIndex);
  ColorBoxBG->SetSelectedColor(renderer.ClearColor.ToColorRef());
  for (std::size_t i = 0; i < std::size(texts::kLanguages); ++i) {
    if (texts::CurrentLanguage() == std::string(texts::kLanguages[i].Code)) ComboBoxLanguage->SetSelection(static_cast<int>(i));
  }
  if (const int position = PositionOf(kQualityPasses, renderer.DrawQuality)) TrackBarQuality->SetValue(position);
}

bool TOptionsForm::Show(bool show) {
  if (show && !IsShown()) {
    FormShow();
    CentreOnParent();
  }
  return wxDialog::Show(show);
}

void TOptionsForm::EditShuffleChange() {
  if (filling_ || !targets_.Renderer->Cube) return;
  targets_.Renderer->Cube->ShuffleRotateCount = UpDownShuffle->GetValue();
}

// Takes effect with the next New game.
void TOptionsForm::ShowShuffleCheckBoxClick() {
  if (filling_ || !targets_.Renderer->Cube) return;
  targets_.Renderer->Cube->ShowShuffle = ShowShuffleCheckBox->GetValue();
}

void TOptionsForm::TrackBarQualityChange() {
  if (filling_) return;
  targets_.Renderer->DrawQuality = ValueAt(kQualityPasses, TrackBarQuality->GetValue());
}

void TOptionsForm::HQRCheckBoxClick() {
  if (filling_ || !targets_.Renderer->Cube) return;
  targets_.Renderer->Cube->RotateAntiAlias = HQRCheckBox->GetValue();
}

void TOptionsForm::ComboBoxSizeChange() {
  if (filling_ || ComboBoxSize->GetSelection() == wxNOT_FOUND) return;
  *targets_.CubeSize = ComboBoxSize->GetSelection() + kMinSize;
}

// The cubies keep their colour until OK (ButtonOKClick).
void TOptionsForm::ColorBoxSpaceChange() {
  if (filling_ || !targets_.Renderer->Cube) return;
  targets_.Renderer->Cube->BodyColor = VEKColor::FromColorRef(ColorBoxSpace->SelectedColor());
}

void TOptionsForm::ColorBoxBGChange() {
  if (filling_) return;
  targets_.Renderer->SetClearColor(VEKColor::FromColorRef(ColorBoxBG->SelectedColor()));
}

void TOptionsForm::TrackBarRSpeedChange() {
  if (filling_ || !targets_.Renderer->Cube) return;
  targets_.Renderer->Cube->RotateSpeed = ValueAt(kSpeedDegrees, TrackBarRSpeed->GetValue());
}

// A new interval restarts a running idle countdown; 0 makes it never end.
void TOptionsForm::FREditChange() {
  if (filling_) return;
  targets_.FRTimer->SetInterval(FRUpDown->GetValue() * 1000);
}

void TOptionsForm::ComboBoxLanguageChange() {
  const int chosen = ComboBoxLanguage->GetSelection();
  if (filling_ || chosen < 0 || chosen >= static_cast<int>(std::size(texts::kLanguages)) || !targets_.ChangeLanguage) return;
  targets_.ChangeLanguage(texts::kLanguages[chosen].Code);
  Relabel();
  FormShow();  // the choice shows the language in use: Russian when a catalogue was missing
}

void TOptionsForm::Relabel() {
  SetTitle(Text(TextId::OptionsCaption));
  const std::pair<wxWindow*, TextId> labels[] = {
      {Label1, TextId::OptionsShuffleBefore},   {Label2, TextId::OptionsShuffleAfter},
      {ShowShuffleCheckBox, TextId::OptionsShowShuffle}, {GroupBox3, TextId::OptionsQuality},
      {Label11, TextId::OptionsQualityLow},     {Label12, TextId::OptionsQualityHigh},
      {Label13, TextId::OptionsCubeSize},       {LabelLanguage, TextId::OptionsLanguage},
      {Label9, TextId::OptionsBody},            {Label10, TextId::OptionsBackground},
      {GroupBox2, TextId::OptionsTurnSpeed},    {GroupBox1, TextId::OptionsIdleTurn},
      {Label15, TextId::OptionsSeconds},
  };
  for (const auto& [control, text] : labels) control->SetLabel(Text(text));
  const TextId pages[] = {TextId::OptionsGamePage, TextId::OptionsColorsPage, TextId::OptionsTurningPage};
  for (std::size_t page = 0; page < std::size(pages); ++page) PageControl1->SetPageText(page, Text(pages[page]));
  FitTexts();
}

void TOptionsForm::ButtonOKClick() {
  if (VEKBigCube* cube = targets_.Renderer->Cube) cube->ApplyBodyColor();
  if (IsModal())
    EndModal(wxID_OK);
  else
    Hide();
}
