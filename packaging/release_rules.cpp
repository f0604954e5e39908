// Writes the release's rule file: the example rule file followed by the
// autotile rules the release ships, made by the program's own generator,
// each with a [Process] entry for its sheet's size where the example has
// none. Run by the build, so the rules cannot drift from the generator.
//   release_rules EXAMPLE OUTPUT
#include <cstdio>

#include "common/file_io.h"
#include "common/messages.h"
#include "ruletools/autotile_rules.h"
#include "setting/rule_file_document.h"
#include "setting/rule_file_snapshot.h"

namespace {

// The tile sizes of the game-making tools' autotiles, and their sheets: one
// block, and the tools' whole sheet of 8 x 4 blocks.
constexpr int kTiles[] = {32, 48};
constexpr RuleLayout::Grid kBlocks[] = {{1, 1}, {8, 4}};

int Fail(const std::string& text) {
  std::fprintf(stderr, "release_rules: %s\n", text.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "使い方: release_rules EXAMPLE OUTPUT\n");
    return 2;
  }
  const std::string example = argv[1];
  // The comments are in the language of the example, whatever the build
  // machine's.
  SetLanguage(Language::Japanese);
  std::string failure;
  std::optional<RuleFileDocument> document = RuleFileDocument::Read(example, failure);
  if (!document) return Fail(failure);
  const std::shared_ptr<const RuleFileSnapshot> read = RuleFileSnapshot::Read(example);

  for (const int tile : kTiles) {
    for (const RuleLayout::Grid blocks : kBlocks) {
      const AutotileRequest request{AutotileLayout::kBlock2x3, AutotileLayout::kBlob47, tile,
                                    blocks, std::string()};
      std::string refusal;
      const std::optional<std::vector<RuleSection>> sections = AutotileSections(request, refusal);
      if (!sections) return Fail(refusal);
      for (const RuleSection& section : *sections) {
        const RuleFileEdit edit = document->AppendSection(section);
        if (!edit.Done()) return Fail(RuleFileEditText(edit, document->Encoding()));
      }
      const RuleLayout::Size sheet = AutotileSheetSize(request);
      const std::string size = std::to_string(sheet.width) + "," + std::to_string(sheet.height);
      if (read->GetSectionValue("Process", size).empty()) {
        const RuleFileEdit edit = document->AddProcessCandidate(size, sections->front().name);
        if (!edit.Done()) return Fail(RuleFileEditText(edit, document->Encoding()));
      }
    }
  }

  const std::string bytes = document->Bytes();
  std::FILE* file = OpenFile(argv[2], "wb");
  if (file == nullptr) return Fail(std::string("cannot write ") + argv[2]);
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool closed = std::fclose(file) == 0;
  return written && closed ? 0 : Fail(std::string("cannot write ") + argv[2]);
}
