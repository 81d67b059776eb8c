#include "app/settings/RendererSettings.h"

#include "puzzle/VekCube.h"
#include "render/VekGL.h"
#include "texts/Language.h"

void ApplySettings(const GameSettings& settings, VEKGL& gl) {
  gl.Cube->BodyColor = VEKColor::FromColorRef(static_cast<uint32_t>(settings.SpaceColor));
  gl.ClearColor = VEKColor::FromColorRef(static_cast<uint32_t>(settings.BGColor));
  gl.DrawQuality = settings.DrawQuality;
  gl.Cube->RotateSpeed = settings.RotateSpeed;
  gl.Cube->ShuffleRotateCount = settings.ShuffleRotateCount;
  gl.Cube->ShowShuffle = settings.ShowShuffle;
  gl.Cube->RotateAntiAlias = settings.RotateAntiAlias;
}

GameSettings SettingsOf(const VEKGL& gl) {
  GameSettings settings;
  settings.SpaceColor = static_cast<int32_t>(gl.Cube->BodyColor.ToColorRef());
  settings.BGColor = static_cast<int32_t>(gl.ClearColor.ToColorRef());
  settings.DrawQuality = gl.DrawQuality;
  settings.RotateAntiAlias = gl.Cube->RotateAntiAlias;
  settings.RotateSpeed = gl.Cube->RotateSpeed;
  settings.ShuffleRotateCount = gl.Cube->ShuffleRotateCount;
  settings.ShowShuffle = gl.Cube->ShowShuffle;
  settings.Language = texts::CurrentLanguage();  // held by the texts, which speak it
  return settings;
}
