#include "app/settings/StartArguments.h"

#include <gtest/gtest.h>

TEST(StartArgumentsTest, ReadsOneFileOrAskForHelpOrTheVersion) {
  const std::string usage = StartUsage();
  const struct {
    std::vector<std::string> words;
    StartAction action;
    std::string file, text;
  } cases[] = {
      {{}, StartAction::Play, "", ""},
      {{"saves/a b.cube"}, StartAction::Play, "/home/p/saves/a b.cube", ""},
      {{"/tmp/game.cube"}, StartAction::Play, "/tmp/game.cube", ""},
      {{"--", "--help"}, StartAction::Play, "/home/p/--help", ""},  // any name after "--"
      {{"--help"}, StartAction::Help, "", usage},
      {{"game.cube", "--version"}, StartAction::Version, "/home/p/game.cube", "tessaro3d (Tessaro 3D) 1.01"},
      {{"--help", "--display=:1"}, StartAction::Refused, "", "tessaro3d: unknown option --display=:1\n" + usage},
      {{"a.cube", "--", "b.cube"}, StartAction::Refused, "", "tessaro3d: more than one file\n" + usage},
  };
  for (const auto& c : cases) {
    const StartArguments read = ReadStartArguments(c.words, "/home/p");
    EXPECT_EQ(read.Action, c.action) << ::testing::PrintToString(c.words);
    EXPECT_EQ(read.HasFile ? read.File : "", c.file) << ::testing::PrintToString(c.words);
    EXPECT_EQ(read.Text, c.text) << ::testing::PrintToString(c.words);
  }
}
