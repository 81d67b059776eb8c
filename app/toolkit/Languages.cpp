#include "app/toolkit/Languages.h"

#include <wx/translation.h>

#include <clocale>
#include <cstdlib>
#include <memory>
#include <utility>

// Set by the build from the install folders.
#ifndef TESSARO_LOCALE_FROM_BIN
#define TESSARO_LOCALE_FROM_BIN "../share/locale"
#endif

void AddCatalogueFolder(const std::string& folder) {
  wxFileTranslationsLoader::AddCatalogLookupPathPrefix(wxString::FromUTF8(folder.c_str()));
}

void AddCatalogueFolders(const std::string& executableFolder) {
  if (executableFolder.empty()) return;
  AddCatalogueFolder(executableFolder + "/locale");
  AddCatalogueFolder(executableFolder + "/" TESSARO_LOCALE_FROM_BIN);
}

std::optional<texts::Translation> ReadTranslation(const std::string& code, std::vector<TextId>* missing) {
  // A catalogue of its own, apart from the toolkit's: the word forms look
  // it up for as long as the translation is in use.
  auto catalogue = std::make_shared<wxTranslations>();
  catalogue->SetLanguage(wxString::FromUTF8(code.c_str()));
  if (!catalogue->AddCatalog(kCatalogueDomain, wxLANGUAGE_RUSSIAN) || !catalogue->IsLoaded(kCatalogueDomain))
    return std::nullopt;

  texts::Translation translation;
  translation.Code = code;
  translation.WordAfter = [catalogue](TextId one, uint32_t number) {
    const wxString source = wxString::FromUTF8(texts::kRussian.Texts[static_cast<std::size_t>(one)].Text);
    const wxString* found = catalogue->GetTranslatedString(source, number, kCatalogueDomain);
    return found ? std::string(found->utf8_str()) : std::string(source.utf8_str());
  };
  // A word's forms for the catalogue's plural: one, a few and many of the source.
  constexpr uint32_t kFormNumbers[] = {1, 2, 5};
  for (std::size_t i = 0; i < kTextCount; ++i) {
    const auto id = static_cast<TextId>(i);
    const wxString source = wxString::FromUTF8(texts::kRussian.Texts[i].Text);
    const wxString* found = nullptr;
    if (id >= TextId::MovesWordOne && id <= TextId::MovesWordMany) {
      found = catalogue->GetTranslatedString(wxString::FromUTF8(texts::kRussian.Texts[int(TextId::MovesWordOne)].Text),
                                             kFormNumbers[i - int(TextId::MovesWordOne)], kCatalogueDomain);
    } else {
      found = catalogue->GetTranslatedString(source, kCatalogueDomain);
    }
    if ((!found || found->empty()) && missing) missing->push_back(id);
    translation.Texts.push_back(found && !found->empty() ? std::string(found->utf8_str())
                                                         : std::string(source.utf8_str()));
  }
  return translation;
}

namespace {

// What the toolkit was last asked for; Russian at start, which
// AskToolkitForRussian has set up (or found impossible).
std::string& ToolkitLanguage() {
  static std::string language = texts::kRussian.Code;
  return language;
}

// The locale and LANGUAGE as the first change away from Russian found them.
struct FoundLocale {
  std::string Messages, Time;
  std::optional<std::string> Language;
};
const FoundLocale& Found() {
  static const FoundLocale found = [] {
    FoundLocale f;
    if (const char* messages = std::setlocale(LC_MESSAGES, nullptr)) f.Messages = messages;
    if (const char* time = std::setlocale(LC_TIME, nullptr)) f.Time = time;
    if (const char* language = std::getenv("LANGUAGE")) f.Language = language;
    return f;
  }();
  return found;
}

}  // namespace

void AskToolkitFor(const std::string& code) {
  if (code == ToolkitLanguage()) return;
  const FoundLocale& found = Found();
  ToolkitLanguage() = code;
  auto translations = std::make_unique<wxTranslations>();
  translations->SetLanguage(wxString::FromUTF8(code.c_str()));
  translations->AddStdCatalog();  // wxWidgets' own texts; its source is English
  if (code == texts::kRussian.Code) {
    std::setlocale(LC_MESSAGES, found.Messages.c_str());
    std::setlocale(LC_TIME, found.Time.c_str());
    if (found.Language) setenv("LANGUAGE", found.Language->c_str(), 1);
    else unsetenv("LANGUAGE");
  } else {
    // GTK's source is English, and gettext honours LANGUAGE in C.UTF-8 (not
    // in plain C), so no locale of the language need be installed. Dates
    // too, so that the file chooser names no month in Russian.
    std::setlocale(LC_MESSAGES, "C.UTF-8");
    std::setlocale(LC_TIME, "C.UTF-8");
    setenv("LANGUAGE", code.c_str(), 1);
  }
  wxTranslations::Set(translations.release());
}

std::string UseLanguage(const std::string& code) {
  std::string chosen = texts::KnownLanguage(code);
  if (chosen == texts::kRussian.Code) {
    texts::UseSourceLanguage();
  } else if (std::optional<texts::Translation> translation = ReadTranslation(chosen);
             !translation || !texts::UseTranslation(std::move(*translation))) {
    chosen = texts::kRussian.Code;
    texts::UseSourceLanguage();
  }
  AskToolkitFor(chosen);
  return chosen;
}
