#include "app/settings/ColorText.h"

#include <cstdio>

#include "files/IniFile.h"

namespace {

constexpr int32_t SystemColor(int index) { return -0x01000000 + index; }  // 0xFF000000 + index

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

template <size_t N>
bool Lookup(const std::array<ColorName, N>& list, const std::string& text, int32_t& color) {
  for (const ColorName& entry : list) {
    if (SameText(entry.name, text)) {
      color = entry.value;
      return true;
    }
  }
  return false;
}

}  // namespace

const std::array<ColorName, 20> kPlainColors = {{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
}};

const std::array<ColorName, 30> kSystemColors = {{
    {"clScrollBar", SystemColor(0)},
    {"clBackground", SystemColor(1)},
    {"clActiveCaption", SystemColor(2)},
    {"clInactiveCaption", SystemColor(3)},
    {"clMenu", SystemColor(4)},
    {"clWindow", SystemColor(5)},
    {"clWindowFrame", SystemColor(6)},
    {"clMenuText", SystemColor(7)},
    {"clWindowText", SystemColor(8)},
    {"clCaptionText", SystemColor(9)},
    {"clActiveBorder", SystemColor(10)},
    {"clInactiveBorder", SystemColor(11)},
    {"clAppWorkSpace", SystemColor(12)},
    {"clHighlight", SystemColor(13)},
    {"clHighlightText", SystemColor(14)},
    {"clBtnFace", SystemColor(15)},
    {"clBtnShadow", SystemColor(16)},
    {"clGrayText", SystemColor(17)},
    {"clBtnText", SystemColor(18)},
    {"clInactiveCaptionText", SystemColor(19)},
    {"clBtnHighlight", SystemColor(20)},
    {"cl3DDkShadow", SystemColor(21)},
    {"cl3DLight", SystemColor(22)},
    {"clInfoText", SystemColor(23)},
    {"clInfoBk", SystemColor(24)},
    {"clHotLight", SystemColor(26)},
    {"clGradientActiveCaption", SystemColor(27)},
    {"clGradientInactiveCaption", SystemColor(28)},
    {"clMenuHighlight", SystemColor(29)},
    {"clMenuBar", SystemColor(30)},
}};

const std::array<ColorName, 2> kSpecialColors = {{
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
}};

bool IdentToColor(const std::string& text, int32_t& color) {
  return Lookup(kPlainColors, text, color) || Lookup(kSystemColors, text, color) ||
         Lookup(kSpecialColors, text, color);
}

bool ColorToIdent(int32_t color, std::string& ident) {
  for (const ColorName& entry : kPlainColors) {
    if (entry.value == color) {
      ident = entry.name;
      return true;
    }
  }
  return false;
}

std::string ColorToString(int32_t color) {
  std::string ident;
  if (ColorToIdent(color, ident)) return ident;
  char text[16];
  std::snprintf(text, sizeof text, "0x%08x", static_cast<unsigned>(static_cast<uint32_t>(color)));
  return text;
}

bool StringToColor(const std::string& text, int32_t& color) {
  return IdentToColor(text, color) || ParseIniInteger(text, color);
}
