// A cubie is 26 flat polygons: six textured octagons and twenty bevels
// (eight corner hexagons, twelve edge quads) in the body colour. Drawn here
// polygon by polygon, each with its selection name; frames draw the same
// polygons from vertex arrays (render/CubeMesh.h).
#include <GL/gl.h>

#include "puzzle/VekCube.h"
#include "render/CubiePolygons.h"

void VEKSmallCube::Draw(bool Select) const {
  glEnable(GL_TEXTURE_2D);
  glColor3ub(BodyColor.Red, BodyColor.Green, BodyColor.Blue);
  for (int f = 0; f < kCubieFaces; ++f) {
    const VEKVector* face = &Points[8 * f];  // face[k] is point k of the face, k = 1..8
    const VEKVector normal = OctagonNormal(face, f);
    if (Select) glLoadName(static_cast<GLuint>(Id + 11 + 10 * f));
    glBindTexture(GL_TEXTURE_2D, FaceTexture[f]);
    glBegin(GL_POLYGON);
    glNormal3fv(&normal.X);
    for (int k = 1; k <= kFacePoints; ++k) {
      glTexCoord2fv(kOctagonTexCoords[f % 2][k - 1]);
      glVertex3fv(&face[k].X);
    }
    glEnd();
  }
  glDisable(GL_TEXTURE_2D);

  for (const BevelPolygon& bevel : kBevels) {
    if (Select) glLoadName(static_cast<GLuint>(Id));
    const VEKVector normal = BevelNormal(Points.get(), bevel);
    glBegin(GL_POLYGON);
    glNormal3fv(&normal.X);
    for (int k = 0; k < bevel.count; ++k) glVertex3fv(&Points[bevel.vertices[k]].X);
    glEnd();
  }
}

void VEKBigCube::Draw(bool Select) const {
  for (int b = 0; b < CubieCount; ++b) Cubies[b].Draw(Select);
}
