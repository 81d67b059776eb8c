// The polygons of one cubie, as indices into its 49 points: the six face
// octagons (points 1+8f .. 8+8f) and twenty bevels in the body colour (eight
// corner hexagons, twelve edge quads). Drawing and picking walk them alike.
#pragma once

constexpr int kCubieFaces = 6;
constexpr int kFacePoints = 8;

struct BevelPolygon {
  int count;
  int vertices[6];
  bool negate;  // the first three vertices wind inwards
};

constexpr int kBevelCount = 20;
inline constexpr BevelPolygon kBevels[kBevelCount] = {
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
