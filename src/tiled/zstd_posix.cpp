#include <zstd.h>

#include "tiled/compression.h"

namespace {

// A frame may ask for a window this large at most (32 MiB), whatever it says.
constexpr int kMaxWindowLog = 25;

}  // namespace

Decompressed DecompressZstd(std::string_view bytes, std::size_t size, std::string& out) {
  ZSTD_DCtx* context = ZSTD_createDCtx();
  if (context == nullptr) return Decompressed::kUndecodable;
  ZSTD_DCtx_setParameter(context, ZSTD_d_windowLogMax, kMaxWindowLog);
  out.assign(size + 1, '\0');
  ZSTD_inBuffer input{bytes.data(), bytes.size(), 0};
  ZSTD_outBuffer output{out.data(), out.size(), 0};
  std::size_t result = 1;
  // One frame after another until the input ends or the output is full.
  while (input.pos < input.size && output.pos < output.size) {
    const std::size_t inputBefore = input.pos;
    const std::size_t outputBefore = output.pos;
    result = ZSTD_decompressStream(context, &output, &input);
    if (ZSTD_isError(result)) break;
    if (input.pos == inputBefore && output.pos == outputBefore) break;  // no progress
  }
  ZSTD_freeDCtx(context);
  const bool whole = !ZSTD_isError(result) && result == 0 && input.pos == input.size &&
                     output.pos == size;
  out.resize(output.pos);
  return whole ? Decompressed::kDone : Decompressed::kUndecodable;
}

bool CompressZstd(std::string_view bytes, int level, std::string& out) {
  out.assign(ZSTD_compressBound(bytes.size()), '\0');
  const std::size_t made = ZSTD_compress(out.data(), out.size(), bytes.data(), bytes.size(),
                                         level < 0 ? ZSTD_CLEVEL_DEFAULT : level);
  if (ZSTD_isError(made)) return false;
  out.resize(made);
  return true;
}
