// One pass while the layers move, unless the player asked for full quality
// during turns; the passes as they were once the turns are done.
#pragma once

#include "puzzle/VekCube.h"
#include "render/VekGL.h"

class TurnQuality {
 public:
  explicit TurnQuality(VEKGL& gl) : gl_(gl), passes_(gl.Passes) {
    if (!gl.Cube->RotateAntiAlias) gl.Passes = 1;
  }
  ~TurnQuality() { gl_.Passes = passes_; }
  TurnQuality(const TurnQuality&) = delete;
  TurnQuality& operator=(const TurnQuality&) = delete;

 private:
  VEKGL& gl_;
  int32_t passes_;
};
