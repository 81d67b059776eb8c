// A cubie is 26 flat polygons: six textured octagons and twenty bevels
// (eight corner hexagons, twelve edge quads) in the body colour.
#include <GL/gl.h>

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

struct BevelPolygon {
  int count;
  int vertices[6];
  bool negate;  // the first three vertices wind inwards
};
constexpr BevelPolygon kBevels[20] = {
    {6, {2, 1, 20, 19, 40, 39}, true},   {6, {4, 3, 38, 37, 27, 28}, true},
    {6, {6, 5, 29, 30, 45, 46}, true},   {6, {8, 7, 47, 48, 22, 21}, true},
    {6, {9, 10, 34, 33, 18, 17}, true},  {6, {12, 11, 35, 36, 26, 25}, false},
    {6, {16, 15, 42, 41, 23, 24}, false}, {6, {13, 14, 43, 44, 31, 32}, true},
    {4, {39, 2, 3, 38}, false},          {4, {47, 7, 6, 46}, true},
    {4, {4, 28, 29, 5}, true},           {4, {1, 20, 21, 8}, false},
    {4, {34, 10, 11, 35}, true},         {4, {42, 15, 14, 43}, false},
    {4, {12, 25, 32, 13}, false},        {4, {9, 17, 24, 16}, true},
    {4, {19, 40, 33, 18}, false},        {4, {27, 37, 36, 26}, true},
    {4, {22, 48, 41, 23}, true},         {4, {30, 45, 44, 31}, false},
};

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
