#include <zstd.h>

#include "tiled/compression.h"

namespace {

// A frame may ask for a window this large at most (32 MiB), whatever it says.
constexpr int kMaxWindowLog = 25;

}  // namespace

Decompressed DecompressZstd(std::string_view bytes, char* out, std::size_t size) {
  ZSTD_DCtx* context = ZSTD_createDCtx();
  if (context == nullptr) return Decompressed::kUndecodable;
  ZSTD_DCtx_setParameter(context, ZSTD_d_windowLogMax, kMaxWindowLog);
  // Straight into out, which holds the whole content: no window of its own.
  const std::size_t made = ZSTD_decompressDCtx(context, out, size, bytes.data(), bytes.size());
  ZSTD_freeDCtx(context);
  return !ZSTD_isError(made) && made == size ? Decompressed::kDone : Decompressed::kUndecodable;
}

bool CompressZstd(std::string_view bytes, int level, std::string& out) {
  ZSTD_CCtx* context = ZSTD_createCCtx();
  if (context == nullptr) return false;
  ZSTD_CCtx_setParameter(context, ZSTD_c_compressionLevel, level < 0 ? ZSTD_CLEVEL_DEFAULT : level);
  ZSTD_inBuffer input{bytes.data(), bytes.size(), 0};
  // Room grows as the frame needs it: tile data packs to a fraction.
  out.resize(bytes.size() / 8 + 1024);
  std::size_t left = 1;
  std::size_t made = 0;
  while (left != 0) {
    if (made == out.size()) out.resize(out.size() * 2);
    ZSTD_outBuffer output{out.data(), out.size(), made};
    left = ZSTD_compressStream2(context, &output, &input, ZSTD_e_end);
    made = output.pos;
    if (ZSTD_isError(left)) break;
  }
  ZSTD_freeCCtx(context);
  out.resize(made);
  return !ZSTD_isError(left);
}
