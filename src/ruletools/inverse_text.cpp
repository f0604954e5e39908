#include "ruletools/inverse_text.h"

#include "common/text.h"
#include "ruletools/rule_size.h"
#include "setting/ini_text.h"
#include "setting/setting_store.h"

namespace {

using Rect = RuleLayout::Rect;
using Size = RuleLayout::Size;

// Lost cells beyond this many are counted, not listed.
constexpr std::size_t kListedCells = 32;
// The widths the combiner stacks sheets at.
constexpr int kCombinerWidths[] = {128, 256};

std::string RectText(const Rect& rect) {
  return std::to_string(rect.x) + "," + std::to_string(rect.y) + "," + std::to_string(rect.width) +
         "," + std::to_string(rect.height);
}

std::string CellsText(const std::vector<int>& cells) {
  std::string text;
  for (std::size_t i = 0; i < cells.size() && i < kListedCells; ++i) {
    text += (i == 0 ? "" : ",") + std::to_string(cells[i]);
  }
  return cells.size() > kListedCells ? text + ",…" : text;
}

// What the inverse takes: the canvas, or the pieces joined.
void AddInputLines(const RuleInverse& inverse, std::vector<std::string>& lines) {
  const RuleLayout& layout = inverse.layout;
  const std::string rule = "規則[" + inverse.rule + "]";
  if (layout.PieceCount() == 1) {
    lines.push_back("入力: " + rule + "の出力（" + SizeText(inverse.source) + "）");
    return;
  }
  lines.push_back("入力: " + rule + "の出力" + std::to_string(layout.PieceCount()) +
                  "枚（FileDiv=" + std::to_string(layout.fileDiv.columns) + "," +
                  std::to_string(layout.fileDiv.rows) + "）を番号順に左から右、上から下へつなげた" +
                  SizeText(inverse.source) + "の画像。先につなげて下さい");
  for (const int width : kCombinerWidths) {
    if (layout.fileDiv.columns == 1 && layout.piece.width == width) {
      lines.push_back("  1列なので mosaikon --width " + std::to_string(width) + " -o 結合.png " +
                      layout.PieceFileName("元の名前", 0) + " " +
                      layout.PieceFileName("元の名前", 1) + " … で上から順に積めます");
    }
  }
}

// Where the cells come back.
std::string OutputLine(const RuleInverse& inverse) {
  const RuleLayout& layout = inverse.layout;
  const Rect& rebuilt = inverse.rebuilt;
  const Size size{rebuilt.width, rebuilt.height};
  if (rebuilt.x != 0 || rebuilt.y != 0) {
    return "出力: Clip（" + RectText(layout.clip) +
           "）がセルの境目で始まらないため、切り出した範囲のセルだけ（元画像の" +
           std::to_string(rebuilt.x) + "," + std::to_string(rebuilt.y) + "から" + SizeText(size) +
           "）を戻します";
  }
  if (size.width == layout.image.width && size.height == layout.image.height) {
    return "出力: 元画像と同じ" + SizeText(size) + "に、セルを元の位置に戻します";
  }
  return "出力: 元画像" + SizeText(layout.image) + "のうち、セルの並ぶ左上の" + SizeText(size) +
         "に、セルを元の位置に戻します";
}

// What does not come back, one line each.
void AddLostLines(const RuleInverse& inverse, std::vector<std::string>& lines) {
  const RuleLayout& layout = inverse.layout;
  if (!inverse.lostCells.empty()) {
    lines.push_back("戻らないもの: 出力に残らないセル" + std::to_string(inverse.lostCells.size()) +
                    "個（" + CellsText(inverse.lostCells) + "）。空白になります");
  }
  const Rect& clip = layout.clip;
  if (clip.x != 0 || clip.y != 0 || clip.width != layout.image.width ||
      clip.height != layout.image.height) {
    lines.push_back("戻らないもの: Clip（" + RectText(clip) + "）の外の画素");
  }
  const Size leftOver = layout.ClipLeftOver();
  if (leftOver.width > 0 || leftOver.height > 0) {
    lines.push_back("戻らないもの: SrcDivのセルに入らない右の" + std::to_string(leftOver.width) +
                    "画素・下の" + std::to_string(leftOver.height) + "画素");
  }
  if (!inverse.subProcesses.empty()) {
    std::string names;
    for (const std::string& name : inverse.subProcesses) {
      names += (names.empty() ? "" : ",") + name;
    }
    lines.push_back("SubProcessの規則（" + names + "）の出力は含みません");
  }
}

}  // namespace

std::string InverseNameProblem(const std::string& name) {
  if (name.empty()) return "空の名前は使えません";
  if (name.front() == ' ' || name.back() == ' ') return "前後に空白のある名前は使えません";
  for (std::size_t i = 0; i < name.size(); i += CharLength(name.data(), name.size(), i)) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (c == ']') return "「]」を含む名前は使えません";
    if (c < 0x20 || c == 0x7f) return "改行などの制御文字を含む名前は使えません";
  }
  for (const std::string& section : SettingStore::Instance().SectionNames()) {
    if (SameSectionName(section, name)) return "規則ファイルに同じ名前のセクションがあります";
  }
  return std::string();
}

RuleSection InverseSection(const RuleInverse& inverse, const std::string& name) {
  RuleSection section{{"規則[" + inverse.rule + "]の逆変換: " + SizeText(inverse.layout.image) +
                       "の画像を変換した出力を元の並びに戻します"},
                      name,
                      InverseKeys(inverse)};
  AddInputLines(inverse, section.comments);
  section.comments.push_back(OutputLine(inverse));
  AddLostLines(inverse, section.comments);
  return section;
}
