// Our INI reader against the system's profile reader: for every rule file of
// the corpus both must deliver the same section names and, for each of them
// and for the extra lookups, the same lines.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "common/encoding.h"
#include "setting/ini_corpus.h"
#include "setting/ini_text.h"
#include "setting/nul_list.h"
#include "support/files.h"

namespace {

// A list the system's profile calls filled, each string decoded from the
// code page (Shift-JIS) that they read the file in.
std::vector<std::string> SystemList(const std::vector<char>& buffer) {
  std::vector<std::string> strings = SplitNulList(buffer);
  for (std::string& text : strings) text = ShiftJisToUtf8(text);
  return strings;
}

TEST(IniReaderCrossCheck, OurReaderReadsAsTheSystemDoes) {
  TempFolder folder;
  int index = 0;
  for (const IniCorpusEntry& entry : IniCorpus()) {
    SCOPED_TRACE(entry.title);
    const std::string path = folder / ("corpus" + std::to_string(index++) + ".ini");
    // Stored as users keep rule files: Shift-JIS, or UTF-8 after its mark.
    if (entry.text.compare(0, 3, kUtf8Mark) == 0) {
      WriteFile(path, entry.text);
    } else {
      WriteRuleFile(path, entry.text);
    }
    const IniText ours = IniText::OfFileBytes(ReadFile(path));

    std::vector<char> system(kSectionNamesBufferSize), own(kSectionNamesBufferSize);
    GetPrivateProfileSectionNamesA(system.data(), static_cast<DWORD>(system.size()), path.c_str());
    ours.FillSectionNames(own.data(), own.size());
    const std::vector<std::string> names = SystemList(system);
    EXPECT_EQ(names, SplitNulList(own));

    std::vector<std::string> lookups = names;
    lookups.insert(lookups.end(), entry.lookups.begin(), entry.lookups.end());
    for (const std::string& name : lookups) {
      SCOPED_TRACE("section [" + name + "]");
      std::vector<char> systemSection(kSectionBufferSize), ownSection(kSectionBufferSize);
      GetPrivateProfileSectionA(Utf8ToShiftJis(name).c_str(), systemSection.data(),
                                static_cast<DWORD>(systemSection.size()), path.c_str());
      ours.FillSection(name, ownSection.data(), ownSection.size());
      EXPECT_EQ(SystemList(systemSection), SplitNulList(ownSection));
    }
  }
}

}  // namespace
