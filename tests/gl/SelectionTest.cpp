// Selection mode on a real context: which names a cubie's polygons carry and
// where they lie, seen through orthographic boxes around one cubie.
#include <set>

#include "GLFixture.h"

using namespace gltest;

namespace {

struct HitRecord {
  GLuint nameCount, minDepth, maxDepth, name;
};

// Draws cubie `index` alone in selection mode, looking at its centre from
// `direction`, through a box `halfWidth` wide on either side of that line, and
// returns the hit records in buffer order.
std::vector<HitRecord> SelectCubie(Scene& s, int index, Vec3 direction, double halfWidth,
                                   bool names = true) {
  const Vec3 centre = Centre(s.Cube(), index);
  const Vec3 d = Unit(direction);
  const Vec3 helper = std::fabs(d.y) < 0.9 ? Vec3{0, 1, 0} : Vec3{1, 0, 0};
  const Vec3 up = Unit(helper - Dot(helper, d) * d);
  const Vec3 eye = centre + 10.0 * d;
  GLuint buffer[512] = {};
  glSelectBuffer(512, buffer);
  glRenderMode(GL_SELECT);
  glInitNames();
  glPushName(0);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(-halfWidth, halfWidth, -halfWidth, halfWidth, 1.0, 20.0);
  gluLookAt(eye.x, eye.y, eye.z, centre.x, centre.y, centre.z, up.x, up.y, up.z);
  glMatrixMode(GL_MODELVIEW);
  s.Cube().Cubies[index].Draw(names);
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  const GLint hits = glRenderMode(GL_RENDER);
  std::vector<HitRecord> records;
  const GLuint* p = buffer;
  for (GLint h = 0; h < hits; ++h) {
    HitRecord r{p[0], p[1], p[2], p[0] > 0 ? p[3] : 0};
    records.push_back(r);
    p += 3 + p[0];
  }
  return records;
}

// The name of the nearest record (by minimum depth, the earliest of equals).
GLuint NearestName(const std::vector<HitRecord>& records) {
  const HitRecord* best = &records.front();
  for (const HitRecord& r : records) {
    if (r.minDepth < best->minDepth) best = &r;
  }
  return best->name;
}

std::set<GLuint> NamesOf(const std::vector<HitRecord>& records) {
  std::set<GLuint> names;
  for (const HitRecord& r : records) names.insert(r.name);
  return names;
}

GLuint FaceName(int id, int face) { return static_cast<GLuint>(id + 11 + 10 * face); }
constexpr int kOpposite[6] = {1, 0, 3, 2, 5, 4};

}  // namespace

TEST(Selection, ACubieNamesItsSixFacesAndThenItsTwentyBevels) {
  Scene scene(100, 100);
  for (int index : {0, 5, 13, 26}) {
    const int id = scene.Cube().Cubies[index].Id;
    ASSERT_EQ(id, 100 * (index + 1));
    const std::vector<HitRecord> records = SelectCubie(scene, index, {1, 2, 3}, 5.0);
    ASSERT_EQ(records.size(), 26u) << "cubie " << index;
    for (std::size_t r = 0; r < records.size(); ++r) {
      EXPECT_EQ(records[r].nameCount, 1u);
      const GLuint expected = r < 6 ? FaceName(id, static_cast<int>(r)) : static_cast<GLuint>(id);
      EXPECT_EQ(records[r].name, expected) << "cubie " << index << ", record " << r;
      EXPECT_EQ(static_cast<int>(records[r].name / 100) - 1, index);
    }
  }
}

TEST(Selection, WithoutNamesOnlyTheInitialNameIsHit) {
  Scene scene(100, 100);
  const std::vector<HitRecord> records = SelectCubie(scene, 7, {1, 2, 3}, 5.0, false);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].name, 0u);
}

TEST(Selection, EachFaceLiesUnderItsOwnName) {
  Scene scene(100, 100);
  for (int index : {0, 13, 26}) {
    const int id = scene.Cube().Cubies[index].Id;
    for (int face = 0; face < 6; ++face) {
      // A thin column through the face's centre: that face in front, its opposite behind.
      const std::vector<HitRecord> records = SelectCubie(scene, index, HomeFace(face).normal, 0.05);
      ASSERT_FALSE(records.empty());
      EXPECT_EQ(NearestName(records), FaceName(id, face)) << "cubie " << index << ", face " << face;
      EXPECT_EQ(NamesOf(records),
                (std::set<GLuint>{FaceName(id, face), FaceName(id, kOpposite[face])}))
          << "cubie " << index << ", face " << face;
    }
  }
}

TEST(Selection, CornersAndEdgesAreBevelsUnderTheCubieName) {
  Scene scene(100, 100);
  const int index = 26;
  const GLuint id = static_cast<GLuint>(scene.Cube().Cubies[index].Id);
  int corners = 0, edges = 0;
  for (int x = -1; x <= 1; ++x) {
    for (int y = -1; y <= 1; ++y) {
      for (int z = -1; z <= 1; ++z) {
        const int axes = std::abs(x) + std::abs(y) + std::abs(z);
        if (axes < 2) continue;
        const std::vector<HitRecord> records =
            SelectCubie(scene, index, {double(x), double(y), double(z)}, 0.02);
        ASSERT_FALSE(records.empty());
        EXPECT_EQ(NearestName(records), id) << x << "," << y << "," << z;
        EXPECT_EQ(NamesOf(records), std::set<GLuint>{id}) << x << "," << y << "," << z;
        (axes == 3 ? corners : edges)++;
      }
    }
  }
  EXPECT_EQ(corners, 8);
  EXPECT_EQ(edges, 12);
}

TEST(Selection, NamesTravelWithTheFacesOfATurnedCubie) {
  Scene scene(100, 100);
  VEKBigCube& cube = scene.Cube();
  cube.RotateSpeed = 45;
  // Top row middle onto the right on the front: the top layer turns, and the
  // cubie from (0, 1.6, 1.6) comes to (1.6, 1.6, 0).
  const int middle = CubieIndex(3, 1, 2, 2);
  cube.RecordHit(middle + 1, kPlusZ + 1);
  cube.RecordHit(CubieIndex(3, 2, 2, 2) + 1, kPlusZ + 1);
  const Vec3 centre = Centre(cube, middle);
  ASSERT_NEAR(centre.x, 1.6, 1e-4);
  ASSERT_NEAR(centre.z, 0.0, 1e-4);
  const int id = cube.Cubies[middle].Id;
  // A quarter turn about +Y: the home +Z face looks along +X now, the home -X face along +Z.
  struct Case {
    Vec3 direction;
    int face;
  } cases[] = {{{1, 0, 0}, kPlusZ},   {{0, 0, 1}, kMinusX}, {{0, 0, -1}, kPlusX},
               {{-1, 0, 0}, kMinusZ}, {{0, 1, 0}, kPlusY},  {{0, -1, 0}, kMinusY}};
  for (const Case& c : cases) {
    const std::vector<HitRecord> records = SelectCubie(scene, middle, c.direction, 0.05);
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(NearestName(records), FaceName(id, c.face)) << "face " << c.face;
  }
}
