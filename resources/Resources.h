// Pictures and files the game carries inside its binary.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tessaro {

constexpr int kDigitImageSize = 128;
// Image 0 is the blank facelet, 1..9 the digits, 10..25 the numbers shown by
// the facelets after the ninth of a face on the 4x4x4 and 5x5x5 cubes.
constexpr int kDigitImageCount = 26;

// Image j as 128*128 colour values 0x00BBGGRR, rows from the top:
// pixel (x, y) is at index y * 128 + x. Decoded on first use and kept.
// Returns nullptr for j outside 0..kDigitImageCount-1.
const uint32_t* DigitImage(int j);

struct EmbeddedFile {
  const char* name;
  const unsigned char* data;
  std::size_t size;
};

// A file embedded at build time, by its path below resources/
// (for example "digits/digit-07.png"); nullptr when there is none.
const EmbeddedFile* FindEmbedded(const std::string& name);

// Decodes a PNG held in memory into 8-bit RGBA rows from the top.
bool DecodePng(const unsigned char* data, std::size_t size,
               std::vector<uint8_t>& rgba, int& width, int& height);

}  // namespace tessaro
