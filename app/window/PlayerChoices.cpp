#include "app/window/PlayerChoices.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>

#include <cerrno>

#include "app/dialogs/KeptGamesForm.h"
#include "app/toolkit/Text.h"
#include "game/Game.h"
#include "game/ResumeStore.h"
#include "puzzle/ViewFaces.h"
#include "render/Vekcamera.h"
#include "texts/Texts.h"

std::optional<std::vector<notation::Move>> AskForMoves(const MainFormServices& services, const wxString& caption,
                                                       int size) {
  wxString typed;
  TextSelection bad;
  while (services.AskMoves(caption, typed, bad)) {
    const std::string utf8 = typed.ToStdString(wxConvUTF8);
    const notation::Parsed parsed = notation::Parse(utf8, size);
    if (parsed.Ok()) return parsed.Moves;
    services.ShowError(Text(texts::BadMoves(parsed, size)));
    // The box comes back with what was typed, the bad move selected.
    bad.From = static_cast<long>(wxString::FromUTF8(utf8.data(), parsed.Offset).length());
    bad.To = bad.From + static_cast<long>(wxString::FromUTF8(utf8.data() + parsed.Offset, parsed.Length).length());
  }
  return std::nullopt;
}

wxString GameMovesText(const Game& game, const VEKCamera& camera) {
  const FaceFrame view = FacesSeenFrom(camera.Eye, camera.Up);
  return Text(texts::GameMoves(game.ScrambleText(view), game.MovesText(view), game.SolutionText(view),
                               game.MovesAfterSolutionText(view)));
}

bool ConfirmAbandon(const Game& game, const MainFormServices& services) {
  return !game.HasPlayerMoves() || services.Ask(Text(TextId::AbandonQuestion));
}

void KeepAtClose(Game& game, const MainFormServices& services, const std::string& keptWhere,
                 const std::function<void()>& saveAs) {
  if (!game.Keep()) {
    const int error = errno;
    if (services.Ask(Text(texts::KeepFailedAtCloseQuestion(error, keptWhere)))) saveAs();
  }
  // Kept (or offered): nothing more to keep when the window goes.
  game.Leave(false);
}

std::string ChooseGameToContinue(Game& game, const MainFormServices& services) {
  const std::vector<KeptGame> waiting = game.KeptGamesWaiting();
  if (waiting.size() <= 1) return waiting.empty() ? std::string() : waiting[0].Path;
  KeptGamesChoice choice;
  choice.List = [&game] { return game.KeptGamesWaiting(); };
  choice.Delete = [&](const KeptGame& kept, GameStatus& why) {
    return services.Ask(Text(texts::DeleteKeptQuestion(kept))) && game.DeleteKept(kept.Path, why);
  };
  return services.ChooseKeptGame(choice);
}

void CopyGameMovesText(const Game& game, const VEKCamera& camera) {
  if (!wxTheClipboard->Open()) return;
  wxTheClipboard->SetData(new wxTextDataObject(GameMovesText(game, camera)));
  wxTheClipboard->Close();
}
