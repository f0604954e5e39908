// A rule built from any section text: it is built or rejected with a
// message, and nothing else happens.
#include <cstring>

#include "convert/image_processor.h"
#include "fuzz/fuzz_input.h"
#include "support/rule_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  UseRuleFile(FuzzFolder(), "[R]\n" + AsText(data, size));
  try {
    const ImageProcessor rule("R");
  } catch (const char* message) {
    if (std::strlen(message) == 0) __builtin_trap();  // every rejection says why
  }
  return 0;
}
