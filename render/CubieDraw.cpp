// A cubie is 26 flat polygons: six textured octagons and twenty bevels
// (eight corner hexagons, twelve edge quads) in the body colour.
#include <GL/gl.h>

#include "puzzle/CubieShape.h"
#include "puzzle/VekCube.h"

namespace {
// Texture coordinates of the octagon points; the store is transposed, and
// together they make every digit read unmirrored from outside the cubie.
constexpr GLfloat kEvenFaceTexCoords[8][2] = {{0.07f, 0.0f},  {0.0f, 0.07f}, {0.0f, 0.93f},
                                               {0.07f, 1.0f},  {0.93f, 1.0f}, {1.0f, 0.93f},
                                               {1.0f, 0.07f},  {0.93f, 0.0f}};
constexpr GLfloat kOddFaceTexCoords[8][2] = {{0.93f, 0.0f}, {1.0f, 0.07f}, {1.0f, 0.93f},
                                              {0.93f, 1.0f}, {0.07f, 1.0f}, {0.0f, 0.93f},
                                              {0.0f, 0.07f}, {0.07f, 0.0f}};

void Negate(VEKVector& v) {
  v.X = -v.X;
  v.Y = -v.Y;
  v.Z = -v.Z;
}
}  // namespace

void VEKSmallCube::Draw(bool Select) const {
  glEnable(GL_TEXTURE_2D);
  glColor3ub(BodyColor.Red, BodyColor.Green, BodyColor.Blue);
  for (int f = 0; f < 6; ++f) {
    const VEKVector* face = &Points[8 * f];  // face[k] is point k of the face, k = 1..8
    VEKVector normal;
    FaceNormal(face[1], face[3], face[5], normal);
    if (f % 2 == 0) Negate(normal);
    if (Select) glLoadName(static_cast<GLuint>(Id + 11 + 10 * f));
    glBindTexture(GL_TEXTURE_2D, FaceTexture[f]);
    const GLfloat(*texCoords)[2] = (f % 2 == 0) ? kEvenFaceTexCoords : kOddFaceTexCoords;
    glBegin(GL_POLYGON);
    glNormal3fv(&normal.X);
    for (int k = 1; k <= 8; ++k) {
      glTexCoord2f(texCoords[k - 1][0], texCoords[k - 1][1]);
      glVertex3fv(&face[k].X);
    }
    glEnd();
  }
  glDisable(GL_TEXTURE_2D);

  for (const BevelPolygon& bevel : kBevels) {
    if (Select) glLoadName(static_cast<GLuint>(Id));
    VEKVector normal;
    FaceNormal(Points[bevel.vertices[0]], Points[bevel.vertices[1]], Points[bevel.vertices[2]],
               normal);
    if (bevel.negate) Negate(normal);
    glBegin(GL_POLYGON);
    glNormal3fv(&normal.X);
    for (int k = 0; k < bevel.count; ++k) glVertex3fv(&Points[bevel.vertices[k]].X);
    glEnd();
  }
}

void VEKBigCube::Draw(bool Select) const {
  for (int b = 0; b < CubieCount; ++b) Cubies[b].Draw(Select);
}
