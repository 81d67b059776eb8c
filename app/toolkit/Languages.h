// The player's language for the game's texts and the toolkit's own (the
// buttons and dialogs of wxWidgets and GTK). Russian, the source language,
// is compiled in; every other language is read from its catalogue,
// <folder>/<code>/LC_MESSAGES/tessaro3d.mo, compiled from po/<code>.po.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "texts/Language.h"

inline constexpr char kCatalogueDomain[] = "tessaro3d";

// Where the catalogues are looked for besides the toolkit's own places:
// "locale" beside the executable (the build folder) and the installed
// share/locale, found relative to the executable's folder.
void AddCatalogueFolders(const std::string& executableFolder);
void AddCatalogueFolder(const std::string& folder);

// The texts of the language with that code from its catalogue, the word
// forms after a number by the catalogue's Plural-Forms; none when no
// catalogue of it is found. Texts the catalogue lacks stay in Russian and
// are listed in missing.
std::optional<texts::Translation> ReadTranslation(const std::string& code,
                                                  std::vector<TextId>* missing = nullptr);

// The game and the toolkit speak the language of code from now on (an
// unknown code, or one whose catalogue is missing, gives Russian); returns
// the code in use. The toolkit's dialogs made afterwards follow at once.
std::string UseLanguage(const std::string& code);

// The toolkit alone: GTK's texts through the C library's messages (and
// dates') locale and LANGUAGE, wxWidgets' through its translations. Russian
// gives back the state the first call found (the Russian locale asked for at
// start, or the desktop's when there is none).
void AskToolkitFor(const std::string& code);
