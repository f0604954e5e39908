#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

#include "image/file_decoders.h"

namespace {

// libjpeg reports errors by calling error_exit, which must not return: it
// jumps back to the setjmp in Decompress. Nothing with a destructor lives
// between the two.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

void ExitOnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings are ignored, except the end of the file in the middle of the
// image: libjpeg would fill the rest with grey, but a truncated file is not
// a valid one.
void OnMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) ExitOnError(info);
}
void IgnoreMessage(j_common_ptr) {}

// A progressive file may hold any number of scans, each a pass over the
// whole image; a few hundred are more than any encoder writes.
constexpr int kMaxScans = 500;

void LimitScans(j_common_ptr info) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
  if (decompress->is_decompressor && decompress->input_scan_number > kMaxScans) ExitOnError(info);
}

// What Decompress hands back; pixels is owned by the caller, sized once the
// header is read.
struct Output {
  std::vector<std::uint32_t>* pixels;
  std::vector<unsigned char>* row;
  int width;
  int height;
};

bool Decompress(std::FILE* file, Output& output) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  jpeg_progress_mgr progress{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = ExitOnError;
  errors.base.emit_message = OnMessage;
  errors.base.output_message = IgnoreMessage;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  progress.progress_monitor = LimitScans;
  info.progress = &progress;
  jpeg_stdio_src(&info, file);
  jpeg_read_header(&info, TRUE);
  if (!IsAllowedImageSize(info.image_width, info.image_height))
    ExitOnError(reinterpret_cast<j_common_ptr>(&info));

  // CMYK (Adobe's, stored inverted) is converted here; everything else
  // libjpeg turns into RGB itself.
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(&info);
  output.width = static_cast<int>(info.output_width);
  output.height = static_cast<int>(info.output_height);
  const auto width = static_cast<std::size_t>(info.output_width);
  try {
    output.pixels->resize(width * info.output_height);
    output.row->resize(width * static_cast<std::size_t>(info.output_components));
  } catch (...) {
    jpeg_destroy_decompress(&info);
    throw;
  }
  while (info.output_scanline < info.output_height) {
    std::uint32_t* out = output.pixels->data() + width * info.output_scanline;
    JSAMPROW row = output.row->data();
    jpeg_read_scanlines(&info, &row, 1);
    for (std::size_t x = 0; x < width; ++x) {
      const unsigned char* sample = row + x * static_cast<std::size_t>(info.output_components);
      if (cmyk) {
        const unsigned k = sample[3];
        out[x] = Argb(255, sample[0] * k / 255, sample[1] * k / 255, sample[2] * k / 255);
      } else {
        out[x] = Argb(255, sample[0], sample[1], sample[2]);
      }
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

std::unique_ptr<BufferImage> DecodeJpeg(std::FILE* file, const std::string& name) {
  std::vector<std::uint32_t> pixels;
  std::vector<unsigned char> row;
  Output output{&pixels, &row, 0, 0};
  if (!Decompress(file, output)) throw InvalidImageError();
  return std::make_unique<BufferImage>(name, output.width, output.height, std::move(pixels),
                                       std::vector<std::uint32_t>());
}
