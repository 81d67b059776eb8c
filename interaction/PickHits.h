// The hit records of a one-pixel pick, worked out on the CPU from the cubies'
// stored points: the same records OpenGL's selection mode would report for
// the pick region, without a driver that keeps memory for every primitive.
#pragma once

#include <cstdint>

struct VEKBigCube;
struct VEKCamera;

// The selection buffer of a pick, and the words of one record in it (name
// count, minimum depth, maximum depth, one name).
constexpr int kPickBufferWords = 512;
constexpr int kPickWordsPerHit = 4;

// The pick region: a 1x1 pixel square centred on (WindowX, WindowY), in window
// coordinates (origin at the bottom left), inside Viewport (x, y, w, h).
struct PickRegion {
  double WindowX = 0.0;
  double WindowY = 0.0;
  int Viewport[4] = {0, 0, 0, 0};
};

// Fills Buffer with one record per polygon that reaches into the region and
// the view volume (name count 1, minimum and maximum window depth scaled to
// 32 bits, name), in drawing order. Returns the number of records, 0 when
// nothing is there, or -1 when they do not fit in BufferWords (the buffer
// then holds what fitted), like glRenderMode leaving selection mode.
int CollectPickHits(const VEKBigCube& Cube, const VEKCamera& Camera, const PickRegion& Region,
                    uint32_t* Buffer, int BufferWords);

// The facelet a selection buffer of HitCount one-name records names: the
// record of least minimum depth (the earliest of equals), decoded into a
// cubie number (1-based) and a face number (1..6). False for no record, a
// bevel or a name outside the cube.
bool NearestFacelet(int HitCount, const uint32_t* Buffer, int CubieCount, int& CubieNumber,
                    int& FaceNumber);
