#include "render/CubeMesh.h"

#include <algorithm>

#include "puzzle/VekCube.h"
#include "render/CubiePolygons.h"

namespace {
constexpr GLfloat kNoTexCoord[2] = {0.0f, 0.0f};

// glColor3ub's conversion of a byte.
GLfloat ColorComponent(GLubyte b) { return static_cast<GLfloat>(b) / 255.0f; }

// Appends a polygon's points, then its triangles as the rasteriser cuts a
// GL_POLYGON: (k, k+1, 0), whose vertex order decides the rounding.
template <typename PointOf, typename TexCoordOf>
void AppendPolygon(std::vector<CubeMesh::Vertex>& vertices, std::vector<GLuint>& triangles,
                   int count, const VEKVector& normal, const VEKColor& color, PointOf point,
                   TexCoordOf texCoord) {
  const auto first = static_cast<GLuint>(vertices.size());
  for (int k = 0; k < count; ++k) {
    const VEKVector& p = point(k);
    const GLfloat* t = texCoord(k);
    vertices.push_back(CubeMesh::Vertex{{p.X, p.Y, p.Z},
                                        {normal.X, normal.Y, normal.Z},
                                        {t[0], t[1]},
                                        {ColorComponent(color.Red), ColorComponent(color.Green),
                                         ColorComponent(color.Blue), 1.0f}});
  }
  for (int k = 1; k + 1 < count; ++k) {
    triangles.push_back(first + k);
    triangles.push_back(first + k + 1);
    triangles.push_back(first);
  }
}

void AppendFace(std::vector<CubeMesh::Vertex>& vertices, std::vector<GLuint>& triangles,
                const VEKSmallCube& cubie, int f) {
  const VEKVector* face = &cubie.Points[8 * f];  // face[k] is point k of the face, k = 1..8
  AppendPolygon(
      vertices, triangles, kFacePoints, OctagonNormal(face, f), cubie.BodyColor,
      [&](int k) -> const VEKVector& { return face[k + 1]; },
      [&](int k) { return kOctagonTexCoords[f % 2][k]; });
}

// Whether the blank (image 0, the inside faces' texture) is white throughout.
bool BlankIsWhite(const VEKBigCube& cube) {
  return std::all_of(cube.Pixels, cube.Pixels + kTexelBytes, [](uint8_t b) { return b == 255; });
}

void PointArraysAt(const CubeMesh::Vertex* v) {
  glVertexPointer(3, GL_FLOAT, sizeof(CubeMesh::Vertex), v->position);
  glNormalPointer(GL_FLOAT, sizeof(CubeMesh::Vertex), v->normal);
  glColorPointer(4, GL_FLOAT, sizeof(CubeMesh::Vertex), v->color);
  glTexCoordPointer(2, GL_FLOAT, sizeof(CubeMesh::Vertex), v->texCoord);
}

void DrawRun(const CubeMesh::Run& run) {
  if (run.triangles.empty()) return;
  if (run.textured) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, run.texture);
  } else {
    glDisable(GL_TEXTURE_2D);
  }
  glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(run.triangles.size()), GL_UNSIGNED_INT,
                 run.triangles.data());
}
}  // namespace

CubeMesh::Run& CubeMesh::StartRun(bool Textured, GLuint Texture) {
  if (insideRuns_ > 0) {
    Run& last = inside_[insideRuns_ - 1];
    if (last.textured == Textured && (!Textured || last.texture == Texture)) return last;
  }
  if (insideRuns_ == inside_.size()) inside_.emplace_back();
  Run& run = inside_[insideRuns_++];
  run.textured = Textured;
  run.texture = Texture;
  run.triangles.clear();
  return run;
}

void CubeMesh::Build(const VEKBigCube& Cube) {
  vertices_.clear();
  for (Run& run : surface_) run.triangles.clear();
  insideRuns_ = 0;
  const bool blankIsWhite = BlankIsWhite(Cube);
  for (int b = 0; b < Cube.CubieCount; ++b) {
    const VEKSmallCube& cubie = Cube.Cubies[b];
    for (int f = 0; f < kCubieFaces; ++f) {
      if (cubie.FaceDigit[f] == 0) continue;
      const GLuint texture = cubie.FaceTexture[f];
      auto run = std::find_if(surface_.begin(), surface_.end(),
                              [&](const Run& r) { return r.texture == texture; });
      if (run == surface_.end()) run = surface_.insert(surface_.end(), Run{true, texture, {}});
      AppendFace(vertices_, run->triangles, cubie, f);
    }
  }
  for (int b = 0; b < Cube.CubieCount; ++b) {
    const VEKSmallCube& cubie = Cube.Cubies[b];
    const VEKVector* points = cubie.Points.get();
    for (int f = 0; f < kCubieFaces; ++f) {
      if (cubie.FaceDigit[f] != 0) continue;
      const bool blank = blankIsWhite && cubie.FaceTexture[f] == Cube.TextureIds[0];
      AppendFace(vertices_, StartRun(!blank, cubie.FaceTexture[f]).triangles, cubie, f);
    }
    std::vector<GLuint>& bevels = StartRun(false, 0).triangles;
    for (const BevelPolygon& bevel : kBevels) {
      AppendPolygon(
          vertices_, bevels, bevel.count, BevelNormal(points, bevel), cubie.BodyColor,
          [&](int k) -> const VEKVector& { return points[bevel.vertices[k]]; },
          [](int) { return kNoTexCoord; });
    }
  }
}

std::size_t CubeMesh::Draws() const {
  const auto used = [](const Run& r) { return !r.triangles.empty(); };
  return std::count_if(surface_.begin(), surface_.end(), used) +
         std::count_if(inside_.begin(), inside_.begin() + insideRuns_, used);
}

void CubeMesh::Draw() const {
  if (vertices_.empty()) return;
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_NORMAL_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  PointArraysAt(vertices_.data());
  for (const Run& run : surface_) DrawRun(run);
  for (std::size_t i = 0; i < insideRuns_; ++i) DrawRun(inside_[i]);
  glDisable(GL_TEXTURE_2D);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_COLOR_ARRAY);
  glDisableClientState(GL_NORMAL_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
}
