#include "app/settings/StartArguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(StartArgumentsTest, ReadsOneFileOrAskForHelpOrTheVersion) {
  const std::string usage = StartUsage();
  const std::string version = "tessaro3d (Tessaro 3D) 1.01";
  struct Case {
    std::vector<std::string> words;
    StartAction action;
    bool hasFile;
    std::string file, text;
  } cases[] = {
      {{}, StartAction::Play, false, "", ""},
      {{"game.cube"}, StartAction::Play, true, "/home/p/game.cube", ""},
      {{"saves/a b.cube"}, StartAction::Play, true, "/home/p/saves/a b.cube", ""},
      {{"/tmp/game.cube"}, StartAction::Play, true, "/tmp/game.cube", ""},
      {{"игра.cube"}, StartAction::Play, true, "/home/p/игра.cube", ""},
      // Any name goes after "--"; "-" is a name.
      {{"--", "--help"}, StartAction::Play, true, "/home/p/--help", ""},
      {{"-"}, StartAction::Play, true, "/home/p/-", ""},
      // An empty word is a file without a name, said at start as Open says it.
      {{""}, StartAction::Play, true, "", ""},
      {{"--help"}, StartAction::Help, false, "", usage},
      {{"-h"}, StartAction::Help, false, "", usage},
      {{"--version"}, StartAction::Version, false, "", version},
      {{"game.cube", "--version"}, StartAction::Version, true, "/home/p/game.cube", version},
      {{"--frobnicate"}, StartAction::Refused, false, "", "tessaro3d: unknown option --frobnicate\n" + usage},
      {{"--help", "-x"}, StartAction::Refused, false, "", "tessaro3d: unknown option -x\n" + usage},
      {{"--display=:1"}, StartAction::Refused, false, "", "tessaro3d: unknown option --display=:1\n" + usage},
      {{"a.cube", "b.cube"}, StartAction::Refused, false, "", "tessaro3d: more than one file\n" + usage},
      {{"a.cube", "--", "b.cube"}, StartAction::Refused, false, "", "tessaro3d: more than one file\n" + usage},
  };
  for (const Case& c : cases) {
    std::string shown;
    for (const std::string& w : c.words) shown += "[" + w + "]";
    const StartArguments read = ReadStartArguments(c.words, "/home/p");
    EXPECT_EQ(read.Action, c.action) << shown;
    EXPECT_EQ(read.HasFile, c.hasFile) << shown;
    EXPECT_EQ(read.File, c.file) << shown;
    EXPECT_EQ(read.Text, c.text) << shown;
  }
}

}  // namespace
