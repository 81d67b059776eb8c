// The cube's polygons gathered once for a picture and drawn from vertex
// arrays, a few draws a pass instead of one immediate-mode polygon and one
// texture bind at a time. Every pixel stays that of the polygon-by-polygon
// drawing (VEKSmallCube::Draw):
// - each polygon is cut into the triangles GL_POLYGON is drawn with;
// - colours go in as the floats glColor3ub makes of its bytes (bytes in an
//   array reach the lighting rounded another way);
// - where polygons of neighbouring cubies meet at equal depth, the one drawn
//   first wins, so those keep their order.
#pragma once

#include <GL/gl.h>

#include <cstddef>
#include <vector>

struct VEKBigCube;

class CubeMesh {
 public:
  void Build(const VEKBigCube& Cube);
  void Draw() const;
  // glDrawElements calls a Draw makes.
  std::size_t Draws() const;

  struct Vertex {
    GLfloat position[3];
    GLfloat normal[3];
    GLfloat texCoord[2];
    GLfloat color[4];
  };
  // Consecutive triangles of one texture, or untextured.
  struct Run {
    bool textured = false;
    GLuint texture = 0;
    std::vector<GLuint> triangles;
  };

 private:
  Run& StartRun(bool Textured, GLuint Texture);

  std::vector<Vertex> vertices_;
  // Faces that show a digit, by texture in the order first met: they lie on
  // the cube's surface, where no other cubie's polygon meets them, so only
  // their own bevels must come after them.
  std::vector<Run> surface_;
  // Then cubie by cubie its faces inside the cube and its bevels, the
  // polygons neighbours touch each other with, in the polygon-by-polygon
  // order. Inside faces show the blank; while it is pure white it modulates
  // nothing, so they are drawn untextured and join the bevels' run.
  std::vector<Run> inside_;
  std::size_t insideRuns_ = 0;  // of inside_ in use; the rest keep their memory
};
