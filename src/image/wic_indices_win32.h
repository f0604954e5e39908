#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The palette (0xAARRGGBB, transparency included) and the pixel indices, one
// per pixel, rows top to bottom, of the first frame of an indexed image file,
// read by Windows Imaging Component: GDI+ hands indices back only for some
// palette files (not, under wine, for a PNG with transparent entries). False
// when the file is not indexed, not width x height, or cannot be read.
bool ReadIndicesWithWic(const std::wstring& path, int width, int height,
                        std::vector<std::uint32_t>& palette, std::vector<std::uint8_t>& indices);
