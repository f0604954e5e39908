// Our INI reader on any bytes: every section it lists must be readable,
// into buffers of the real sizes and into small ones that cut the lists.
#include <vector>

#include "fuzz/fuzz_input.h"
#include "setting/ini_text.h"
#include "setting/nul_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const IniText ini = IniText::Parse(AsText(data, size));
  for (const std::size_t bufferSize : {kSectionNamesBufferSize, std::size_t{7}, std::size_t{1}}) {
    std::vector<char> names(bufferSize);
    ini.FillSectionNames(names.data(), names.size());
    for (const std::string& section : SplitNulList(names)) {
      std::vector<char> lines(bufferSize == kSectionNamesBufferSize ? kSectionBufferSize : bufferSize);
      ini.FillSection(section, lines.data(), lines.size());
    }
  }
  return 0;
}
