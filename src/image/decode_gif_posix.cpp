#include <gif_lib.h>

#include <vector>

#include "image/file_decoders.h"

namespace {

struct GifClose {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};

int ReadFromFile(GifFileType* gif, GifByteType* buffer, int size) {
  if (size <= 0) return 0;
  return static_cast<int>(std::fread(buffer, 1, static_cast<std::size_t>(size),
                                     static_cast<std::FILE*>(gif->UserData)));
}

void Check(int status) {
  if (status == GIF_ERROR) throw InvalidImageError();
}

// Skips extensions up to the first image descriptor and returns the
// transparent index that the last graphic control extension before it
// names, or -1.
int SkipToFirstImage(GifFileType* gif) {
  int transparent = -1;
  for (;;) {
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    Check(DGifGetRecordType(gif, &type));
    if (type == IMAGE_DESC_RECORD_TYPE) return transparent;
    if (type != EXTENSION_RECORD_TYPE) throw InvalidImageError();  // the file ends without an image
    int code = 0;
    GifByteType* block = nullptr;
    Check(DGifGetExtension(gif, &code, &block));
    if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr && block[0] >= 4) {
      transparent = (block[1] & 0x01) ? block[4] : -1;
    }
    while (block != nullptr) Check(DGifGetExtensionNext(gif, &block));
  }
}

}  // namespace

// The first frame, on a canvas of the file's logical screen; what the frame
// does not cover is transparent, and takes the transparent index (without
// one the image keeps no indices).
std::unique_ptr<BufferImage> DecodeGif(std::FILE* file, const std::string& name) {
  int error = 0;
  std::unique_ptr<GifFileType, GifClose> opened(DGifOpen(file, ReadFromFile, &error));
  if (!opened) throw InvalidImageError();
  GifFileType* gif = opened.get();
  const int width = gif->SWidth;
  const int height = gif->SHeight;
  if (!IsAllowedImageSize(width, height)) throw InvalidImageError();

  const int transparent = SkipToFirstImage(gif);
  Check(DGifGetImageDesc(gif));
  const GifImageDesc& frame = gif->Image;
  const ColorMapObject* colours = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
  if (colours == nullptr || colours->ColorCount < 1 || frame.Width < 1 || frame.Height < 1) {
    throw InvalidImageError();
  }

  std::vector<std::uint32_t> palette;
  for (int i = 0; i < colours->ColorCount && i < 256; ++i) {
    const GifColorType& colour = colours->Colors[i];
    palette.push_back(Argb(i == transparent ? 0 : 255, colour.Red, colour.Green, colour.Blue));
  }

  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  std::vector<std::uint32_t> pixels(count, 0);
  std::vector<std::uint8_t> indices(count,
                                    static_cast<std::uint8_t>(transparent < 0 ? 0 : transparent));
  std::vector<GifPixelType> line(static_cast<std::size_t>(frame.Width));
  auto place = [&](int row) {
    const int y = frame.Top + row;
    if (y < 0 || y >= height) return;
    std::uint32_t* out =
        pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    for (int column = 0; column < frame.Width; ++column) {
      const int x = frame.Left + column;
      if (x < 0 || x >= width) continue;
      const GifPixelType index = line[static_cast<std::size_t>(column)];
      out[x] = index < palette.size() ? palette[index] : 0xFF000000u;
      indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
              static_cast<std::size_t>(x)] = index;
    }
  };
  if (frame.Interlace) {
    static constexpr int kStart[] = {0, 4, 2, 1};
    static constexpr int kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
      for (int row = kStart[pass]; row < frame.Height; row += kStep[pass]) {
        Check(DGifGetLine(gif, line.data(), frame.Width));
        place(row);
      }
    }
  } else {
    for (int row = 0; row < frame.Height; ++row) {
      Check(DGifGetLine(gif, line.data(), frame.Width));
      place(row);
    }
  }
  return std::make_unique<BufferImage>(name, width, height, std::move(pixels), std::move(palette),
                                       std::move(indices));
}
