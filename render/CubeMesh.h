// The cube's polygons gathered once for a picture and drawn as a few indexed
// vertex arrays, one per digit texture and one for the bevels, instead of
// one immediate-mode polygon and one texture bind at a time. Each polygon is
// cut into the triangles GL_POLYGON is drawn with, and colours go in as the
// floats glColor3ub makes of its bytes (bytes in an array reach the lighting
// rounded another way), so every pixel stays.
#pragma once

#include <GL/gl.h>

#include <vector>

struct VEKBigCube;

class CubeMesh {
 public:
  void Build(const VEKBigCube& Cube);
  void Draw() const;

  struct Vertex {
    GLfloat position[3];
    GLfloat normal[3];
    GLfloat texCoord[2];
    GLfloat color[4];
  };
  struct Group {
    GLuint texture = 0;
    std::vector<GLuint> triangles;
  };

 private:
  std::vector<Vertex> vertices_;
  // The faces by texture, in the order first met; the bevels last. Within a
  // group the cubies keep their order, and a cubie's faces still come before
  // its bevels: polygons that meet at equal depth are drawn in the old order.
  std::vector<Group> faces_;
  Group bevels_;
};
