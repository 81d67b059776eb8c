// Selection mode reports, for each named primitive that survives clipping to
// the pick frustum, the least and greatest window depth of its clipped
// vertices. The same is computed here: every polygon of every cubie is
// carried into the pick region's clip space, clipped against its six planes,
// and the depths of what is left are scaled to 32 bits as the driver does.
#include "interaction/PickHits.h"

#include <cmath>

#include "puzzle/CubieShape.h"
#include "puzzle/VekCube.h"
#include "render/Vekcamera.h"

namespace {

struct Clip {
  double x, y, z, w;
};

// The pick projection: gluPickMatrix (1x1 pixel) * gluPerspective(30, 1, 1,
// 100) * gluLookAt(eye, origin, up), as four rows acting on (x, y, z, 1).
struct PickProjection {
  double row[4][4];

  Clip Apply(const VEKVector& p) const {
    auto dot = [&](int r) { return row[r][0] * p.X + row[r][1] * p.Y + row[r][2] * p.Z + row[r][3]; };
    return {dot(0), dot(1), dot(2), dot(3)};
  }
};

bool Finite(const Clip& c) {
  return std::isfinite(c.x) && std::isfinite(c.y) && std::isfinite(c.z) && std::isfinite(c.w);
}

PickProjection MakeProjection(const VEKCamera& camera, const PickRegion& region) {
  const double eye[3] = {camera.Eye.X, camera.Eye.Y, camera.Eye.Z};
  double forward[3] = {-eye[0], -eye[1], -eye[2]};
  const double up[3] = {camera.Up.X, camera.Up.Y, camera.Up.Z};
  auto normalize = [](double v[3]) {
    const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (length == 0.0) return;
    for (int i = 0; i < 3; ++i) v[i] /= length;
  };
  auto cross = [](const double a[3], const double b[3], double out[3]) {
    out[0] = a[1] * b[2] - a[2] * b[1];
    out[1] = a[2] * b[0] - a[0] * b[2];
    out[2] = a[0] * b[1] - a[1] * b[0];
  };
  normalize(forward);
  double side[3], trueUp[3];
  cross(forward, up, side);
  normalize(side);
  cross(side, forward, trueUp);
  // Eye space: rows side, up, -forward, after moving the eye to the origin.
  double view[3][4];
  for (int i = 0; i < 3; ++i) {
    view[0][i] = side[i];
    view[1][i] = trueUp[i];
    view[2][i] = -forward[i];
  }
  for (int r = 0; r < 3; ++r)
    view[r][3] = -(view[r][0] * eye[0] + view[r][1] * eye[1] + view[r][2] * eye[2]);

  const double nearPlane = 1.0, farPlane = 100.0;
  const double half = 30.0 / 2.0 * M_PI / 180.0;
  const double cotangent = std::cos(half) / std::sin(half);
  const double depthScale = -(farPlane + nearPlane) / (farPlane - nearPlane);
  const double depthOffset = -2.0 * nearPlane * farPlane / (farPlane - nearPlane);

  const int* vp = region.Viewport;
  const double scaleX = vp[2], scaleY = vp[3];
  const double shiftX = vp[2] - 2.0 * (region.WindowX - vp[0]);
  const double shiftY = vp[3] - 2.0 * (region.WindowY - vp[1]);

  PickProjection m{};
  for (int c = 0; c < 4; ++c) {
    const double ex = view[0][c], ey = view[1][c], ez = view[2][c];
    const double clipX = cotangent * ex, clipY = cotangent * ey;
    const double clipZ = depthScale * ez + (c == 3 ? depthOffset : 0.0);
    const double clipW = -ez;
    m.row[0][c] = scaleX * clipX + shiftX * clipW;
    m.row[1][c] = scaleY * clipY + shiftY * clipW;
    m.row[2][c] = clipZ;
    m.row[3][c] = clipW;
  }
  return m;
}

// Signed distances to the six clip planes (inside where not negative).
double PlaneDistance(const Clip& c, int plane) {
  switch (plane) {
    case 0: return c.w + c.x;
    case 1: return c.w - c.x;
    case 2: return c.w + c.y;
    case 3: return c.w - c.y;
    case 4: return c.w + c.z;
    default: return c.w - c.z;
  }
}

int OutCode(const Clip& c) {
  int code = 0;
  for (int plane = 0; plane < 6; ++plane)
    if (PlaneDistance(c, plane) < 0.0) code |= 1 << plane;
  return code;
}

constexpr int kMaxClipped = 6 + 6;  // each plane adds at most one vertex

// Clips the polygon in place; returns the number of vertices left.
int ClipPolygon(Clip* poly, int count, int planes) {
  Clip scratch[kMaxClipped + 1];
  for (int plane = 0; plane < 6 && count > 0; ++plane) {
    if (!(planes & (1 << plane))) continue;
    int out = 0;
    for (int i = 0; i < count; ++i) {
      const Clip& a = poly[i];
      const Clip& b = poly[(i + 1) % count];
      const double da = PlaneDistance(a, plane), db = PlaneDistance(b, plane);
      if (da >= 0.0) scratch[out++] = a;
      if ((da >= 0.0) != (db >= 0.0)) {
        const double t = da / (da - db);
        scratch[out++] = {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z),
                          a.w + t * (b.w - a.w)};
      }
    }
    count = out;
    for (int i = 0; i < count; ++i) poly[i] = scratch[i];
  }
  return count;
}

// Window depth in 0..1 to the unsigned 32-bit value of a hit record; the
// driver scales in single precision, and so do we, so ties fall alike.
uint32_t ScaledDepth(double windowDepth) {
  const float scaled = 4294967296.0f * static_cast<float>(windowDepth);
  if (!(scaled > 0.0f)) return 0;
  if (scaled >= 4294967295.0f) return 0xffffffffu;
  return static_cast<uint32_t>(scaled);
}

class HitWriter {
 public:
  HitWriter(uint32_t* buffer, int words) : buffer_(buffer), words_(words) {}

  // Adds the record of one polygon, given by its clip-space vertices.
  void Polygon(const Clip* vertices, const int* outcodes, int count, uint32_t name) {
    int all = ~0, any = 0;
    for (int i = 0; i < count; ++i) {
      all &= outcodes[i];
      any |= outcodes[i];
    }
    if (all != 0) return;  // wholly outside one plane
    Clip poly[kMaxClipped + 1];
    for (int i = 0; i < count; ++i) poly[i] = vertices[i];
    if (any != 0) count = ClipPolygon(poly, count, any);
    if (count == 0) return;
    double least = 1.0, greatest = 0.0;
    for (int i = 0; i < count; ++i) {
      const double depth = poly[i].z / poly[i].w * 0.5 + 0.5;
      if (depth < least) least = depth;
      if (depth > greatest) greatest = depth;
    }
    Write(ScaledDepth(least), ScaledDepth(greatest), name);
  }

  int Result() const { return overflowed_ ? -1 : records_; }

 private:
  void Write(uint32_t least, uint32_t greatest, uint32_t name) {
    if (overflowed_) return;
    if (4 * (records_ + 1) > words_) {
      overflowed_ = true;
      return;
    }
    uint32_t* record = buffer_ + 4 * records_;
    record[0] = 1;
    record[1] = least;
    record[2] = greatest;
    record[3] = name;
    ++records_;
  }

  uint32_t* buffer_;
  int words_;
  int records_ = 0;
  bool overflowed_ = false;
};

}  // namespace

int CollectPickHits(const VEKBigCube& Cube, const VEKCamera& Camera, const PickRegion& Region,
                    uint32_t* Buffer, int BufferWords) {
  if (Region.Viewport[2] <= 0 || Region.Viewport[3] <= 0 || !Cube.Cubies) return 0;
  const PickProjection projection = MakeProjection(Camera, Region);
  HitWriter hits(Buffer, BufferWords);
  Clip clip[kPointsPerCubie];
  int outcode[kPointsPerCubie];
  bool finite[kPointsPerCubie];
  for (int b = 0; b < Cube.CubieCount; ++b) {
    const VEKSmallCube& cubie = Cube.Cubies[b];
    for (int p = 0; p < kPointsPerCubie; ++p) {
      clip[p] = projection.Apply(cubie.Points[p]);
      finite[p] = Finite(clip[p]);
      outcode[p] = OutCode(clip[p]);
    }
    Clip vertices[kFacePoints];
    int codes[kFacePoints];
    // A polygon with a point at infinity (an absurd saved game, a broken
    // camera) cannot be placed on screen; it is left out rather than guessed.
    auto gather = [&](const int* indices, int count) {
      for (int k = 0; k < count; ++k) {
        if (!finite[indices[k]]) return false;
        vertices[k] = clip[indices[k]];
        codes[k] = outcode[indices[k]];
      }
      return true;
    };
    for (int f = 0; f < kCubieFaces; ++f) {
      int indices[kFacePoints];
      for (int k = 0; k < kFacePoints; ++k) indices[k] = kFacePoints * f + 1 + k;
      if (gather(indices, kFacePoints))
        hits.Polygon(vertices, codes, kFacePoints, static_cast<uint32_t>(cubie.Id + 11 + 10 * f));
    }
    for (const BevelPolygon& bevel : kBevels) {
      if (gather(bevel.vertices, bevel.count))
        hits.Polygon(vertices, codes, bevel.count, static_cast<uint32_t>(cubie.Id));
    }
  }
  return hits.Result();
}

bool NearestFacelet(int HitCount, const uint32_t* Buffer, int CubieCount, int& CubieNumber,
                    int& FaceNumber) {
  if (HitCount <= 0) return false;
  const int maxHits = kPickBufferWords / kPickWordsPerHit;
  if (HitCount > maxHits) HitCount = maxHits;
  uint32_t nearestDepth = Buffer[1];
  uint32_t name = Buffer[3];
  for (int k = 1; k < HitCount; ++k) {
    const uint32_t* record = Buffer + kPickWordsPerHit * k;
    if (record[1] < nearestDepth) {
      nearestDepth = record[1];
      name = record[3];
    }
  }
  // Names read in decimal: cubie number, face number 1..6, then a 1; bevels
  // end in 0 and pick nothing, even with a facelet behind them. A face digit
  // above 6 names no face (a cubie has six) and would read past its points.
  const int32_t value = static_cast<int32_t>(name);
  const int32_t cubie = value / 100;
  const int32_t face = (value % 100) / 10;
  const int32_t units = value % 10;
  if (cubie < 1 || cubie > CubieCount || face < 1 || face > 6 || units < 1) return false;
  CubieNumber = cubie;
  FaceNumber = face;
  return true;
}
