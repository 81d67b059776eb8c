#pragma once

#include <cstdint>
#include <string>
#include <vector>

// 8-bit RGBA rows from the top as the bytes of a PNG file, to be written whole
// or not at all; false on failure.
bool EncodePng(int width, int height, const std::vector<uint8_t>& rgba, std::string& png);
