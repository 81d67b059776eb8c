#include "app/settings/SettingsFile.h"

#include <algorithm>
#include <cerrno>

#include "app/settings/ColorText.h"
#include "app/settings/SettingsPath.h"
#include "game/GameRecords.h"
#include "puzzle/CubeSizes.h"
#include "texts/Language.h"
#include "texts/Texts.h"

namespace {

const char kSection[] = "Settings";

// Colours keep 24 bits, so system colours and clNone/clDefault map to plain RGB.
int32_t ReadColor(const IniFile& ini, const char* key, const std::string& def) {
  int32_t color = 0;
  if (!StringToColor(ini.ReadString(kSection, key, def), color)) StringToColor(def, color);
  return color & 0xFFFFFF;
}

// A turn of 90 degrees must end exactly on a frame.
bool DividesQuarterTurn(int32_t degrees) { return degrees > 0 && 90 % degrees == 0; }

}  // namespace

std::string SettingsPathForExecutable(const std::string& exePath) {
  const size_t slash = exePath.rfind('/');
  const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const size_t dot = exePath.rfind('.');
  if (dot != std::string::npos && dot > nameStart) return exePath.substr(0, dot) + ".ini";
  return exePath + ".ini";
}

GameSettings ReadSettings(const IniFile& ini) {
  GameSettings s;
  s.SpaceColor = ReadColor(ini, "SpaceColor", "15793151");
  s.BGColor = ReadColor(ini, "BGColor", "0x00000000");
  s.DrawQuality = std::clamp(ini.ReadInteger(kSection, "DrawQuality", 1), 1, 16);
  s.RotateSpeed = ini.ReadInteger(kSection, "RotateSpeed", 5);
  if (!DividesQuarterTurn(s.RotateSpeed)) s.RotateSpeed = 5;
  s.ShuffleRotateCount = std::clamp(ini.ReadInteger(kSection, "ShuffleRotateCount", 30), 0, 1000);
  // Only 0 turns it off; 1 and any value the game does not know read as on.
  s.ShowShuffle = ini.ReadInteger(kSection, "ShowShuffle", 1) != 0;
  s.RotateAntiAlias = ini.ReadInteger(kSection, "RotateAntiAlias", 0) != 0;
  s.TimeoutRotate = ini.ReadInteger(kSection, "TimeoutRotate", 10000);
  if (s.TimeoutRotate < 0) s.TimeoutRotate = 10000;
  s.CubeSize = ini.ReadInteger(kSection, "CubeSize", 3);
  if (!IsSupportedCubeSize(s.CubeSize)) s.CubeSize = 3;
  s.Language = texts::KnownLanguage(ini.ReadString(kSection, "Language", "ru"));
  s.Window = ReadWindowPlace(ini, kSection);
  return s;
}

bool WriteSettings(IniFile& ini, const GameSettings& s) {
  // The values are always writable text; only Save can fail.
  ini.WriteString(kSection, "SpaceColor", ColorToString(s.SpaceColor & 0xFFFFFF));
  ini.WriteString(kSection, "BGColor", ColorToString(s.BGColor & 0xFFFFFF));
  ini.WriteInteger(kSection, "DrawQuality", s.DrawQuality);
  ini.WriteInteger(kSection, "RotateAntiAlias", s.RotateAntiAlias ? 1 : 0);
  ini.WriteInteger(kSection, "RotateSpeed", s.RotateSpeed);
  ini.WriteInteger(kSection, "ShuffleRotateCount", s.ShuffleRotateCount);
  ini.WriteInteger(kSection, "ShowShuffle", s.ShowShuffle ? 1 : 0);
  ini.WriteInteger(kSection, "CubeSize", s.CubeSize);
  ini.WriteInteger(kSection, "TimeoutRotate", s.TimeoutRotate);
  ini.WriteString(kSection, "Language", texts::KnownLanguage(s.Language));
  WriteWindowPlace(ini, kSection, s.Window);
  return ini.Save();
}

GameSettings ReadSettingsFile(const std::string& path, GameRecords& records) {
  const IniFile ini(path);
  records = GameRecords::Read(ini);
  return ReadSettings(ini);
}

bool SaveSettingsFile(const std::string& path, const GameSettings& settings, const GameRecords& records) {
  CreateFolderOf(path);
  IniFile ini(path);
  records.Write(ini);  // saved with the settings, in the one replacement of the file
  return WriteSettings(ini, settings);
}

GameSettings SettingsFileKeeper::Read(const std::string& path, GameRecords& records) {
  path_ = path;
  const IniFile ini(path);
  readError_ = ini.ReadError();
  records = GameRecords::Read(ini);
  return ReadSettings(ini);
}

std::string SettingsFileKeeper::ReadFailure() const {
  return readError_ == 0 ? std::string() : texts::SettingsNotRead(readError_);
}

SettingsFileKeeper::Outcome SettingsFileKeeper::Write(const GameSettings& settings, const GameRecords& records) {
  writeFailure_.clear();
  // Its own values were never seen: ours would replace them.
  if (readError_ != 0) return Outcome::LeftAlone;
  if (SaveSettingsFile(path_, settings, records)) return Outcome::Written;
  writeFailure_ = texts::SettingsNotWritten(errno, path_);
  return Outcome::Failed;
}
