// The English catalogue as the game reads it: built from po/en.po into the
// build folder, it translates every Russian text, keeps each text's figures,
// and its plural forms give the word after a number.

#include <gtest/gtest.h>
#include <wx/init.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/toolkit/Languages.h"
#include "texts/Texts.h"

namespace {

// The {1}...{9} of a pattern, each as often as it stands there.
std::multiset<char> Figures(const std::string& text) {
  std::multiset<char> figures;
  for (std::size_t i = 0; i + 2 < text.size(); ++i) {
    if (text[i] == '{' && text[i + 1] >= '1' && text[i + 1] <= '9' && text[i + 2] == '}') figures.insert(text[i + 1]);
  }
  return figures;
}

// U+0400...U+04FF lead with 0xD0...0xD3 in UTF-8.
bool HasCyrillic(const std::string& utf8) {
  return std::any_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0xFC) == 0xD0; });
}

class CatalogueTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { AddCatalogueFolder(TESSARO_BUILD_LOCALE); }
  void TearDown() override { texts::UseSourceLanguage(); }
  wxInitializer toolkit_;
};

TEST_F(CatalogueTest, EnglishTranslatesEveryTextAndKeepsItsFigures) {
  std::vector<TextId> missing;
  const auto english = ReadTranslation("en", &missing);
  ASSERT_TRUE(english);
  ASSERT_EQ(english->Texts.size(), kTextCount);
  for (TextId id : missing) ADD_FAILURE() << "no English for " << texts::kRussian.Texts[static_cast<int>(id)].Text;
  for (std::size_t i = 0; i < kTextCount; ++i) {
    const std::string russian = texts::kRussian.Texts[i].Text, text = english->Texts[i];
    EXPECT_EQ(Figures(text), Figures(russian)) << russian << " -> " << text;
    EXPECT_FALSE(HasCyrillic(text)) << russian << " -> " << text;
  }
  texts::Translation short_of_one = *english;
  short_of_one.Texts.pop_back();
  EXPECT_FALSE(texts::UseTranslation(short_of_one));
  EXPECT_STREQ(texts::CurrentLanguage(), "ru");
}

// Russian's forms are TextsTest's; English's come from the catalogue's Plural-Forms.
TEST_F(CatalogueTest, TheWordAfterANumberFollowsTheLanguage) {
  ASSERT_EQ(UseLanguage("en"), "en");
  const std::pair<uint32_t, const char*> cases[] = {{0, "0 moves"}, {1, "1 move"}, {2, "2 moves"}, {5, "5 moves"}, {21, "21 moves"}};
  for (const auto& [moves, words] : cases) EXPECT_EQ(texts::SolvedBanner(117, moves), std::string("Solved in 00:01:57, ") + words);
  EXPECT_EQ(UseLanguage("de"), "ru") << "a language without a catalogue";
  EXPECT_EQ(texts::SolvedBanner(117, 21), "Собрано за 00:01:57, 21 ход");
}

}  // namespace
