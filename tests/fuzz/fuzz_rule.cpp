// A rule built from any section text: it is built or rejected with a
// message, and nothing else happens.

#include "convert/image_processor.h"
#include "convert/rule_error.h"
#include "fuzz/fuzz_input.h"
#include "support/rule_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  UseRuleFile(FuzzFolder(), "[R]\n" + AsText(data, size));
  try {
    const ImageProcessor rule("R");
  } catch (const RuleError& error) {
    if (error.Text().empty()) __builtin_trap();  // every rejection says why
  }
  return 0;
}
