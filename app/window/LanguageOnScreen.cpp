#include "app/window/LanguageOnScreen.h"

#include <optional>

#include "app/dialogs/AboutForm.h"
#include "app/toolkit/Languages.h"
#include "app/toolkit/Text.h"
#include "app/window/MainForm.h"
#include "app/window/ReplayBar.h"

void StartInLanguage(const MainFormServices& services, const std::string& code) {
  AddCatalogueFolders(services.ExecutableFolder);
  UseLanguage(code);
}

namespace {
// The plain text (no figures) the status line shows, if it is one.
std::optional<TextId> PlainTextShown(const wxString& shown) {
  for (std::size_t i = 0; i < kTextCount; ++i) {
    if (Text(static_cast<TextId>(i)) == shown) return static_cast<TextId>(i);
  }
  return std::nullopt;
}
}  // namespace

void ShowInLanguage(TMainForm& form, const std::string& code) {
  if (code == texts::CurrentLanguage()) return;
  const std::optional<TextId> status = PlainTextShown(form.StatusText());
  UseLanguage(code);
  if (form.Bars) form.Bars->Relabel();
  for (ReplayBar* bar : {form.ReplayControls, form.SolutionControls}) {
    if (bar) bar->Relabel();
  }
  if (status) form.SetStatus(Text(*status));
  // Made anew when next asked for.
  if (form.AboutForm) form.AboutForm->Destroy();
  form.AboutForm = nullptr;
  if (!form.HasGame()) return;
  const Game& game = form.CurrentGame();
  form.TimerPanel->ShowFigures(game.Seconds(), game.MovesShown());
  PicturePanel& picture = *form.DrawPanel;
  if (picture.Banner->IsShown()) picture.Banner->ShowFor(game, picture.GetClientSize());
  if (picture.CoverShown()) picture.ShowCover(Text(TextId::Paused));
}
