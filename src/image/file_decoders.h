#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "image/buffer_image.h"

// The native build's decoders, one per format. Each reads file from its
// start, checks the size in the header against IsAllowedImageSize before
// allocating pixels, and returns the image named name; anything it cannot
// decode throws InvalidImageError after releasing what it took. The file
// stays open and owned by the caller.

std::unique_ptr<BufferImage> DecodePng(std::FILE* file, const std::string& name);
std::unique_ptr<BufferImage> DecodeJpeg(std::FILE* file, const std::string& name);
std::unique_ptr<BufferImage> DecodeGif(std::FILE* file, const std::string& name);
std::unique_ptr<BufferImage> DecodeTiff(std::FILE* file, const std::string& name);
std::unique_ptr<BufferImage> DecodeBmp(std::FILE* file, const std::string& name);

// Builds an opaque-or-not ARGB pixel from its channels.
inline std::uint32_t Argb(unsigned a, unsigned r, unsigned g, unsigned b) {
  return (a & 0xFFu) << 24 | (r & 0xFFu) << 16 | (g & 0xFFu) << 8 | (b & 0xFFu);
}
