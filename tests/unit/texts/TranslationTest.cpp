// A translation handed to the texts replaces the Russian ones whole, until
// the game goes back to its source language.

#include <gtest/gtest.h>

#include <string>

#include "texts/Language.h"
#include "texts/Texts.h"

namespace {

texts::Translation Echo(std::size_t count) {
  texts::Translation t;
  t.Code = "en";
  for (std::size_t i = 0; i < count; ++i) t.Texts.push_back(texts::kRussian.Texts[i].Text);
  t.WordAfter = [](TextId one, uint32_t n) { return std::to_string(static_cast<int>(one)) + "/" + std::to_string(n); };
  return t;
}

TEST(TranslationTest, TakenWholeOrNotAtAll) {
  EXPECT_FALSE(texts::UseTranslation(Echo(kTextCount - 1)));
  texts::Translation noWords = Echo(kTextCount);
  noWords.WordAfter = nullptr;
  EXPECT_FALSE(texts::UseTranslation(noWords));
  EXPECT_STREQ(texts::CurrentLanguage(), "ru");
  EXPECT_EQ(texts::MovesCaption(3), "Ходов: 3");
}

TEST(TranslationTest, PatternsAndWordsComeFromTheTranslationUntilTheSourceIsBack) {
  texts::Translation english = Echo(kTextCount);
  english.Texts[static_cast<int>(TextId::MovesCaptionPattern)] = "Moves: {1}";
  english.Texts[static_cast<int>(TextId::SolvedBannerPattern)] = "{3} {2} in {1}";
  ASSERT_TRUE(texts::UseTranslation(english));
  EXPECT_STREQ(texts::CurrentLanguage(), "en");
  EXPECT_EQ(texts::MovesCaption(3), "Moves: 3");
  EXPECT_EQ(texts::SolvedBanner(5, 21),
            std::to_string(static_cast<int>(TextId::MovesWordOne)) + "/21 21 in 00:00:05");
  texts::UseSourceLanguage();
  EXPECT_STREQ(texts::CurrentLanguage(), "ru");
  EXPECT_EQ(texts::SolvedBanner(5, 21), "Собрано за 00:00:05, 21 ход");
}

TEST(TranslationTest, OnlyTheListedCodesAreLanguages) {
  const struct {
    const char *setting, *language;
  } cases[] = {{"ru", "ru"}, {"en", "en"}, {"", "ru"}, {"fr", "ru"}, {"en ", "ru"}};
  for (const auto& c : cases) EXPECT_EQ(texts::KnownLanguage(c.setting), c.language) << c.setting;
}

}  // namespace
