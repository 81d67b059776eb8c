// The English catalogue as the game reads it: built from po/en.po into the
// build folder, it translates every Russian text, keeps each text's figures,
// and its plural forms give the word after a number.

#include <gtest/gtest.h>
#include <wx/init.h>

#include <set>
#include <string>
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

bool HasCyrillic(const std::string& utf8) {
  // U+0400...U+04FF are 0xD0 0x80 ... 0xD3 0xBF in UTF-8.
  for (unsigned char c : utf8) {
    if (c >= 0xD0 && c <= 0xD3) return true;
  }
  return false;
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
}

TEST_F(CatalogueTest, NoCatalogueNoTranslation) { EXPECT_FALSE(ReadTranslation("xx")); }

TEST_F(CatalogueTest, TheWordAfterANumberFollowsEachLanguage) {
  const struct {
    uint32_t moves;
    const char *russian, *english;
  } cases[] = {{0, "0 ходов", "0 moves"}, {1, "1 ход", "1 move"}, {2, "2 хода", "2 moves"},
               {5, "5 ходов", "5 moves"}, {21, "21 ход", "21 moves"}};
  for (const auto& c : cases) {
    EXPECT_EQ(texts::SolvedBanner(117, c.moves), std::string("Собрано за 00:01:57, ") + c.russian);
  }
  ASSERT_EQ(UseLanguage("en"), "en");
  for (const auto& c : cases) {
    EXPECT_EQ(texts::SolvedBanner(117, c.moves), std::string("Solved in 00:01:57, ") + c.english);
  }
  EXPECT_EQ(UseLanguage("de"), "ru") << "a language without a catalogue";
  EXPECT_EQ(texts::SolvedBanner(117, 21), "Собрано за 00:01:57, 21 ход");
}

}  // namespace
