#include <sys/stat.h>
#include <sys/types.h>

#include <algorithm>
#include <cstdarg>
#include <vector>

#include <tiffio.h>

#include "image/file_decoders.h"

namespace {

// libtiff reads through these, from the caller's open file.
std::FILE* FileOf(thandle_t handle) { return static_cast<std::FILE*>(handle); }

tmsize_t Read(thandle_t handle, void* buffer, tmsize_t size) {
  if (size <= 0) return 0;
  return static_cast<tmsize_t>(
      std::fread(buffer, 1, static_cast<std::size_t>(size), FileOf(handle)));
}
tmsize_t Write(thandle_t, void*, tmsize_t) { return 0; }
toff_t Seek(thandle_t handle, toff_t offset, int whence) {
  if (offset > static_cast<toff_t>(INT64_MAX) ||
      fseeko(FileOf(handle), static_cast<off_t>(offset), whence) != 0) {
    return static_cast<toff_t>(-1);
  }
  return static_cast<toff_t>(ftello(FileOf(handle)));
}
int Close(thandle_t) { return 0; }  // the caller closes the file
toff_t Size(thandle_t handle) {
  struct stat info {};
  return fstat(fileno(FileOf(handle)), &info) == 0 ? static_cast<toff_t>(info.st_size) : 0;
}
int Map(thandle_t, void**, toff_t*) { return 0; }
void Unmap(thandle_t, void*, toff_t) {}

// Messages would go to standard error; a file that fails is reported by the
// result alone.
int Silence(TIFF*, void*, const char*, const char*, va_list) { return 1; }

// No single allocation inside libtiff (a strip or a tile) beyond this.
constexpr tmsize_t kMaxSingleAllocation = tmsize_t{1} << 30;

struct TiffClose {
  void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};
struct OptionsFree {
  void operator()(TIFFOpenOptions* options) const { TIFFOpenOptionsFree(options); }
};

// The palette of a palette TIFF: 16-bit entries, or 8-bit ones written by
// encoders that ignore the format (taken as such when every entry fits a
// byte, as libtiff does when it converts the pixels).
std::vector<std::uint32_t> ReadPalette(TIFF* tiff) {
  std::uint16_t photometric = 0;
  std::uint16_t bits = 0;
  if (!TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric) || photometric != PHOTOMETRIC_PALETTE)
    return {};
  TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
  std::uint16_t *red = nullptr, *green = nullptr, *blue = nullptr;
  if (bits < 1 || bits > 8 || !TIFFGetField(tiff, TIFFTAG_COLORMAP, &red, &green, &blue)) return {};
  const std::size_t count = std::size_t{1} << bits;
  bool wide = false;
  for (std::size_t i = 0; i < count; ++i)
    wide = wide || red[i] > 255 || green[i] > 255 || blue[i] > 255;
  auto scale = [wide](std::uint16_t value) { return wide ? value * 255u / 65535u : value; };
  std::vector<std::uint32_t> palette;
  for (std::size_t i = 0; i < count; ++i)
    palette.push_back(Argb(255, scale(red[i]), scale(green[i]), scale(blue[i])));
  return palette;
}

// The palette indices of a palette TIFF in strips, row by row; empty for
// tiled or planar files and anything else. The image keeps them only where
// they show the colours of the RGBA reader (see IndexPlane).
std::vector<std::uint8_t> ReadIndices(TIFF* tiff, std::uint32_t width, std::uint32_t height) {
  std::uint16_t bits = 0, samples = 0, planar = 0;
  std::uint32_t rows_per_strip = 0;
  TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planar);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_ROWSPERSTRIP, &rows_per_strip);
  const std::size_t stride = (std::size_t{width} * bits + 7) / 8;
  if (TIFFIsTiled(tiff) || samples != 1 || planar != PLANARCONFIG_CONTIG ||
      (bits != 1 && bits != 2 && bits != 4 && bits != 8) || rows_per_strip == 0 ||
      static_cast<std::uint64_t>(TIFFScanlineSize64(tiff)) != stride) {
    return {};
  }
  rows_per_strip = std::min(rows_per_strip, height);
  std::vector<unsigned char> strip(stride * rows_per_strip);
  std::vector<std::uint8_t> indices(std::size_t{width} * height);
  for (std::uint32_t top = 0; top < height; top += rows_per_strip) {
    const std::uint32_t rows = std::min(rows_per_strip, height - top);
    if (TIFFReadEncodedStrip(tiff, TIFFComputeStrip(tiff, top, 0), strip.data(),
                             static_cast<tmsize_t>(stride * rows)) <
        static_cast<tmsize_t>(stride * rows)) {
      return {};
    }
    for (std::uint32_t y = 0; y < rows; ++y) {
      UnpackIndexRow(strip.data() + y * stride, bits, width,
                     indices.data() + (std::size_t{top} + y) * width);
    }
  }
  return indices;
}

}  // namespace

// The first directory, through libtiff's RGBA reader, which knows every
// photometric interpretation and compression the library was built with.
std::unique_ptr<BufferImage> DecodeTiff(std::FILE* file, const std::string& name) {
  std::unique_ptr<TIFFOpenOptions, OptionsFree> options(TIFFOpenOptionsAlloc());
  if (!options) throw InvalidImageError();
  TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), kMaxSingleAllocation);
  TIFFOpenOptionsSetErrorHandlerExtR(options.get(), Silence, nullptr);
  TIFFOpenOptionsSetWarningHandlerExtR(options.get(), Silence, nullptr);
  std::unique_ptr<TIFF, TiffClose> opened(TIFFClientOpenExt(
      name.c_str(), "rm", file, Read, Write, Seek, Close, Size, Map, Unmap, options.get()));
  if (!opened) throw InvalidImageError();
  TIFF* tiff = opened.get();

  std::uint32_t width = 0, height = 0;
  if (!TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width) ||
      !TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height) || !IsAllowedImageSize(width, height)) {
    throw InvalidImageError();
  }
  char message[1024] = {};
  if (!TIFFRGBAImageOK(tiff, message)) throw InvalidImageError();
  std::vector<std::uint32_t> pixels(std::size_t{width} * height);
  if (!TIFFReadRGBAImageOriented(tiff, width, height, pixels.data(), ORIENTATION_TOPLEFT, 1)) {
    throw InvalidImageError();
  }
  // libtiff hands back ABGR words with the colour premultiplied by alpha;
  // the image keeps ARGB with straight colour.
  for (std::uint32_t& pixel : pixels) {
    const std::uint32_t a = TIFFGetA(pixel);
    std::uint32_t r = TIFFGetR(pixel), g = TIFFGetG(pixel), b = TIFFGetB(pixel);
    if (a == 0) {
      pixel = 0;
      continue;
    }
    if (a < 255) {
      auto straight = [a](std::uint32_t c) {
        return std::min<std::uint32_t>(255, (c * 255 + a / 2) / a);
      };
      r = straight(r), g = straight(g), b = straight(b);
    }
    pixel = Argb(a, r, g, b);
  }
  std::vector<std::uint32_t> palette = ReadPalette(tiff);
  std::vector<std::uint8_t> indices;
  if (!palette.empty()) indices = ReadIndices(tiff, width, height);
  return std::make_unique<BufferImage>(name, static_cast<int>(width), static_cast<int>(height),
                                       std::move(pixels), std::move(palette), std::move(indices));
}
