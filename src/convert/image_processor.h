#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/file_failure.h"
#include "convert/autotile_layout.h"

class IImage;
class ProcessLog;
class RuleChain;
class RuleFileSnapshot;
class SettingSection;
struct RuleLayout;
struct RunContext;

// One section of the rule file read into a rule. Construction reads every
// conversion key once and either yields a complete rule or throws a
// RuleError. The rule keeps the snapshot of the rule file it was read from
// and builds the rules it runs in turn (Individual, SubProcess) from that
// same snapshot, so that one conversion reads one file, however often the
// file is read again; it may run any number of times.
class ImageProcessor {
 public:
  struct Size {
    int width = 0;
    int height = 0;
  };
  struct Grid {
    int columns = 1;
    int rows = 1;
  };
  struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
  };

  // The rule ruleName of the rule file as the setting store read it last.
  explicit ImageProcessor(const std::string& ruleName);
  // The rule ruleName of ruleFile.
  ImageProcessor(std::shared_ptr<const RuleFileSnapshot> ruleFile, const std::string& ruleName);
  // The rule of section, which need not be in ruleFile (a rule being
  // edited); the rules it names are looked up there.
  ImageProcessor(const std::string& ruleName, const SettingSection& section,
                 std::shared_ptr<const RuleFileSnapshot> ruleFile);

  // Applies the rule to source (borrowed) within the caller's context and
  // returns the canvas it drew, owned by the caller. A named source gives
  // its pieces where the context writes files; an unnamed one (a cell, a
  // copy) never does.
  std::unique_ptr<IImage> Apply(const IImage& source, const RunContext& context);
  std::string GetGroup() const;
  std::string GetLastOutputPath() const;

  // The rule as read, for those that show or check it.
  const std::string& RuleName() const { return ruleName; }
  Size NewSize() const { return newSize; }
  Grid SrcDiv() const { return srcDiv; }
  Grid FileDiv() const { return fileDiv; }
  Rect ClipRect() const { return clipRect; }
  const std::vector<int>& ReplaceList() const { return replaceList; }
  const std::vector<std::string>& SubProcesses() const { return subProcesses; }
  const std::string& NameFoot() const { return nameFoot; }
  const std::string& IndividualRule() const { return individualRule; }
  // KeepPalette=1: pieces of a palette source are written with its palette
  // and indices.
  bool KeepPalette() const { return keepPalette; }
  // TileSize: the tiles the output is meant for, in a map editor's tileset;
  // nothing when the rule does not say, where the slot size stands for it.
  std::optional<Size> TileSize() const { return tileSize; }
  // Terrain: which variant of a terrain each output tile is, by the tables
  // of that layout; nothing when the rule does not say.
  std::optional<AutotileLayout> Terrain() const { return terrain; }
  // The rule file that the rules it names are read from.
  const std::shared_ptr<const RuleFileSnapshot>& RuleFile() const { return ruleFile; }

 private:
  // Cut cells by their index in the SrcDiv grid; only cells that Replace
  // names are cut.
  using Cells = std::map<long long, std::unique_ptr<IImage>>;

  void ParseRule(const SettingSection& section);
  // Apply as one rule of chain, the outermost or a nested one.
  std::unique_ptr<IImage> ApplyInChain(const IImage& source, RuleChain& chain);
  Cells SplitCells(const IImage& source, const RuleLayout& layout) const;
  // Replaces every cell by the Individual rule's canvas; false when the rule
  // could not run (the error channel says why).
  bool ApplyIndividualRule(Cells& cells, RuleChain& chain) const;
  void ComposeCells(IImage& canvas, const Cells& cells, const RuleLayout& layout) const;
  void WriteOutputs(const IImage& canvas, const std::string& sourceName, const RuleLayout& layout,
                    RuleChain& chain);
  // Writes the Tiled tileset of piece, named pieceName, at path, with a
  // Wang set of the variants where the rule has a Terrain; nothing where
  // the piece is no whole number of tiles, after a report line saying so.
  std::optional<FileResult> WriteTileset(const std::string& pieceName, const std::string& path,
                                         const RuleLayout& layout, long long piece,
                                         ProcessLog& log) const;
  // Writes one piece, with the source's palette when the rule keeps it.
  FileResult SavePiece(const IImage& piece, const std::string& path, RuleChain& chain) const;
  // Why the canvas gives no file, or empty when it gives its pieces.
  std::string UnwritableCanvas(const IImage& canvas, const RuleLayout& layout) const;
  void RunFollowOnRules(const IImage& source, RuleChain& chain) const;

  std::shared_ptr<const RuleFileSnapshot> ruleFile;
  std::string ruleName;
  Size newSize;
  Grid srcDiv;
  Grid fileDiv;
  Rect clipRect;
  std::vector<int> replaceList;
  std::vector<std::string> subProcesses;
  std::string nameFoot;
  std::string individualRule;
  bool keepPalette = false;
  std::optional<Size> tileSize;
  std::optional<AutotileLayout> terrain;
  std::string group;
  std::string lastOutputPath;
};
