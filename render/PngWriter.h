#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes 8-bit RGBA rows from the top as a PNG file; false on failure.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba);
