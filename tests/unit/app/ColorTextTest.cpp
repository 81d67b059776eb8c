// Colour identifiers and numbers as the settings file spells them.

#include <gtest/gtest.h>

#include <set>

#include "app/settings/ColorText.h"

namespace {

constexpr int32_t System(int index) { return -0x01000000 + index; }  // 0xFF000000 + index

int32_t Color(const std::string& text) {
  int32_t color = 0x7777777;
  EXPECT_TRUE(StringToColor(text, color)) << text;
  return color;
}

TEST(ColorTextTest, PlainColorsHaveTheirBgrValues) {
  EXPECT_EQ(Color("clBlack"), 0x000000);
  EXPECT_EQ(Color("clMaroon"), 0x000080);
  EXPECT_EQ(Color("clRed"), 0x0000FF);
  EXPECT_EQ(Color("clLime"), 0x00FF00);
  EXPECT_EQ(Color("clBlue"), 0xFF0000);
  EXPECT_EQ(Color("clNavy"), 0x800000);
  EXPECT_EQ(Color("clSkyBlue"), 0xF0CAA6);
  EXPECT_EQ(Color("clCream"), 0xF0FBFF);
  EXPECT_EQ(Color("clMedGray"), 0xA4A0A0);
  EXPECT_EQ(Color("clMoneyGreen"), 0xC0DCC0);
}

TEST(ColorTextTest, EveryPlainColorRoundTripsThroughItsIdentifier) {
  std::set<int32_t> values;
  for (const ColorName& entry : kPlainColors) {
    values.insert(entry.value);
    EXPECT_EQ(ColorToString(entry.value), entry.name);
    EXPECT_EQ(Color(ColorToString(entry.value)), entry.value);
  }
  EXPECT_EQ(values.size(), kPlainColors.size()) << "two identifiers share a value";
}

TEST(ColorTextTest, IdentifiersAreCaseInsensitive) {
  EXPECT_EQ(Color("CLRED"), 0x0000FF);
  EXPECT_EQ(Color("clcream"), 0xF0FBFF);
  EXPECT_EQ(Color("ClBtnFace"), System(15));
  int32_t color = 0;
  EXPECT_FALSE(IdentToColor("clRedd", color));
  EXPECT_FALSE(IdentToColor("Red", color));
  EXPECT_FALSE(IdentToColor("", color));
}

TEST(ColorTextTest, SystemAndSpecialColorsAreReadButNeverWritten) {
  EXPECT_EQ(Color("clScrollBar"), System(0));
  EXPECT_EQ(Color("clBtnFace"), System(15));
  EXPECT_EQ(Color("clInfoBk"), System(24));
  EXPECT_EQ(Color("clHotLight"), System(26));  // index 25 has no name
  EXPECT_EQ(Color("clMenuBar"), System(30));
  EXPECT_EQ(Color("clNone"), 0x1FFFFFFF);
  EXPECT_EQ(Color("clDefault"), 0x20000000);

  std::string ident;
  for (const ColorName& entry : kSystemColors) EXPECT_FALSE(ColorToIdent(entry.value, ident)) << entry.name;
  for (const ColorName& entry : kSpecialColors) EXPECT_FALSE(ColorToIdent(entry.value, ident)) << entry.name;
  EXPECT_EQ(ColorToString(System(15)), "0xff00000f");
  EXPECT_EQ(ColorToString(0x1FFFFFFF), "0x1fffffff");
}

TEST(ColorTextTest, SystemColorListHasDistinctNamesAndIndexValues) {
  std::set<std::string_view> names;
  for (const ColorName& entry : kSystemColors) {
    names.insert(entry.name);
    const int index = entry.value - System(0);
    EXPECT_TRUE(index >= 0 && index <= 30 && index != 25) << entry.name;
  }
  EXPECT_EQ(names.size(), kSystemColors.size());
}

TEST(ColorTextTest, OtherValuesAreWrittenAsZeroPaddedLowerCaseHex) {
  EXPECT_EQ(ColorToString(0x483535), "0x00483535");
  EXPECT_EQ(ColorToString(0xABCDEF), "0x00abcdef");
  EXPECT_EQ(ColorToString(0x000001), "0x00000001");
  EXPECT_EQ(ColorToString(-1), "0xffffffff");
}

TEST(ColorTextTest, NumbersFollowTheIntegerRules) {
  EXPECT_EQ(Color("255"), 0x0000FF);
  EXPECT_EQ(Color("15793151"), 0xF0FBFF);
  EXPECT_EQ(Color("0x00483535"), 0x483535);
  EXPECT_EQ(Color("0XfF"), 0xFF);
  EXPECT_EQ(Color("$FF0000"), 0xFF0000);
  EXPECT_EQ(Color("-1"), -1);
  int32_t color = 99;
  EXPECT_FALSE(StringToColor("", color));
  EXPECT_FALSE(StringToColor("cream", color));
  EXPECT_FALSE(StringToColor("0x", color));
  EXPECT_FALSE(StringToColor("#FF0000", color));
  EXPECT_EQ(color, 99);
}

}  // namespace
