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

void PointArraysAt(const CubeMesh::Vertex* v) {
  glVertexPointer(3, GL_FLOAT, sizeof(CubeMesh::Vertex), v->position);
  glNormalPointer(GL_FLOAT, sizeof(CubeMesh::Vertex), v->normal);
  glColorPointer(4, GL_FLOAT, sizeof(CubeMesh::Vertex), v->color);
  glTexCoordPointer(2, GL_FLOAT, sizeof(CubeMesh::Vertex), v->texCoord);
}

void DrawTriangles(const std::vector<GLuint>& triangles) {
  if (triangles.empty()) return;
  glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(triangles.size()), GL_UNSIGNED_INT,
                 triangles.data());
}
}  // namespace

void CubeMesh::Build(const VEKBigCube& Cube) {
  vertices_.clear();
  for (Group& g : faces_) g.triangles.clear();
  bevels_.triangles.clear();
  for (int b = 0; b < Cube.CubieCount; ++b) {
    const VEKSmallCube& cubie = Cube.Cubies[b];
    const VEKVector* points = cubie.Points.get();
    for (int f = 0; f < kCubieFaces; ++f) {
      const VEKVector* face = &points[8 * f];  // face[k] is point k of the face, k = 1..8
      const VEKVector normal = OctagonNormal(face, f);
      const GLuint texture = cubie.FaceTexture[f];
      auto group = std::find_if(faces_.begin(), faces_.end(),
                                [&](const Group& g) { return g.texture == texture; });
      if (group == faces_.end()) group = faces_.insert(faces_.end(), Group{texture, {}});
      AppendPolygon(
          vertices_, group->triangles, kFacePoints, normal, cubie.BodyColor,
          [&](int k) -> const VEKVector& { return face[k + 1]; },
          [&](int k) { return kOctagonTexCoords[f % 2][k]; });
    }
    for (const BevelPolygon& bevel : kBevels) {
      const VEKVector normal = BevelNormal(points, bevel);
      AppendPolygon(
          vertices_, bevels_.triangles, bevel.count, normal, cubie.BodyColor,
          [&](int k) -> const VEKVector& { return points[bevel.vertices[k]]; },
          [](int) { return kNoTexCoord; });
    }
  }
}

void CubeMesh::Draw() const {
  if (vertices_.empty()) return;
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_NORMAL_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  PointArraysAt(vertices_.data());
  glEnable(GL_TEXTURE_2D);
  for (const Group& g : faces_) {
    glBindTexture(GL_TEXTURE_2D, g.texture);
    DrawTriangles(g.triangles);
  }
  glDisable(GL_TEXTURE_2D);
  DrawTriangles(bevels_.triangles);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_COLOR_ARRAY);
  glDisableClientState(GL_NORMAL_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
}
