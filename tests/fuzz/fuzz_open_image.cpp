// OpenImage on any bytes behind one format's signature, so that each
// fuzzer stays inside one decoder: the file opens or is refused as invalid,
// and an image that opens can be used, and written with its palette.

#include "fuzz/fuzz_input.h"
#include "image/image.h"

namespace {

// The leading bytes of the format this fuzzer is built for.
#if defined(FUZZ_FORMAT_PNG)
const std::string signature("\x89PNG\r\n\x1a\n", 8);
#elif defined(FUZZ_FORMAT_BMP)
const std::string signature("BM");
#elif defined(FUZZ_FORMAT_GIF)
const std::string signature("GIF8");
#elif defined(FUZZ_FORMAT_TIFF)
const std::string signature("II*", 4);
#elif defined(FUZZ_FORMAT_JPEG)
const std::string signature("\xff\xd8\xff");
#else
#error "a FUZZ_FORMAT_ names the format"
#endif

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = FuzzFolder() / "input";
  std::string bytes = AsText(data, size);
  if (bytes.compare(0, signature.size(), signature) != 0) bytes.insert(0, signature);
  WriteFile(path, bytes);
  try {
    auto image = OpenImage(path);
    image->SetTransparentFromPalette();
    auto copy = image->Clone();
    copy->Draw(*image, -1, 1);
    static const std::string kept = FuzzFolder() / "kept.png";
    copy->SaveWithPalette(kept);  // a palette the file brought, of any length
  } catch (const InvalidImageError&) {
    // the one failure a file may cause
  }
  return 0;
}
