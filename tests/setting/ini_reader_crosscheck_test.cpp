// Our INI reader against the system's profile reader: for every rule file of
// the corpus both must deliver the same section names and, for each of them
// and for the extra lookups, the same lines.
#include <gtest/gtest.h>

#include <vector>

#include "setting/ini_corpus.h"
#include "setting/ini_text.h"
#include "setting/nul_list.h"
#include "setting/profile_reader.h"
#include "support/files.h"

namespace {

TEST(IniReaderCrossCheck, OurReaderReadsAsTheSystemDoes) {
  TempFolder folder;
  int index = 0;
  for (const IniCorpusEntry& entry : IniCorpus()) {
    SCOPED_TRACE(entry.title);
    const std::string path = folder / ("corpus" + std::to_string(index++) + ".ini");
    WriteFile(path, entry.text);
    const IniText ours = IniText::Read(path);

    std::vector<char> system(kSectionNamesBufferSize), own(kSectionNamesBufferSize);
    ReadProfileSectionNames(path, system.data(), system.size());
    ours.FillSectionNames(own.data(), own.size());
    const std::vector<std::string> names = SplitNulList(system);
    EXPECT_EQ(names, SplitNulList(own));

    std::vector<std::string> lookups = names;
    lookups.insert(lookups.end(), entry.lookups.begin(), entry.lookups.end());
    for (const std::string& name : lookups) {
      SCOPED_TRACE("section [" + name + "]");
      std::vector<char> systemSection(kSectionBufferSize), ownSection(kSectionBufferSize);
      ReadProfileSection(path, name, systemSection.data(), systemSection.size());
      ours.FillSection(name, ownSection.data(), ownSection.size());
      EXPECT_EQ(SplitNulList(systemSection), SplitNulList(ownSection));
    }
  }
}

}  // namespace
