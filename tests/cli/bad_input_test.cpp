// Both command-line programs on input that is broken or hostile: files that
// are not the images they claim to be, rule files that loop, overflow or
// hold bytes that are not text, output folders that cannot be made. Every
// run must end within its time limit with its message and exit status, and
// leave every file outside the folders it may write exactly as it was.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <map>

#include "common/path.h"
#include "support/files.h"
#include "support/image_files.h"
#include "support/program.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const std::string kSep(1, kPathSeparator);

#ifdef _WIN32
constexpr bool kWindowsBuild = true;
#else
constexpr bool kWindowsBuild = false;
#endif

// Long enough for wine to start a program; a run that takes longer hangs.
constexpr std::chrono::seconds kTimeLimit(60);

// Every file and folder below a folder, by path relative to it with "/"
// between the names: a folder's path ends with "/" and holds nothing, a
// file's holds its bytes.
using Tree = std::map<std::string, std::string>;

void Snapshot(const std::string& folder, const std::string& relative, Tree& tree) {
  for (const std::string& name : ListFolder(folder)) {
    const std::string path = folder + kSep + name;
    if (FolderExists(path)) {
      tree[relative + name + "/"];
      Snapshot(path, relative + name + "/", tree);
    } else {
      tree[relative + name] = ReadFile(path);
    }
  }
}

// What differs between two snapshots, but for the files and folders named
// in mayChange and what the folders hold.
std::vector<std::string> Changes(const Tree& before, const Tree& after,
                                 const std::vector<std::string>& mayChange) {
  auto mine = [&](const std::string& path) {
    for (const std::string& name : mayChange) {
      if (path == name || path.compare(0, name.size() + 1, name + "/") == 0) return true;
    }
    return false;
  };
  std::vector<std::string> changes;
  for (const auto& [path, bytes] : before) {
    const auto found = after.find(path);
    if (mine(path)) continue;
    if (found == after.end()) {
      changes.push_back("removed " + path);
    } else if (found->second != bytes) {
      changes.push_back("changed " + path);
    }
  }
  for (const auto& entry : after) {
    if (!mine(entry.first) && before.count(entry.first) == 0)
      changes.push_back("added " + entry.first);
  }
  return changes;
}

std::string Joined(const std::vector<std::string>& texts) {
  std::string joined;
  for (const std::string& text : texts) joined += (joined.empty() ? "" : " ") + text;
  return joined;
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// 16 x 16 in four 8 x 8 quarters; palette entry 0 is magenta.
IndexedPicture Quarters() {
  IndexedPicture picture{16, 16, {0xFFFF00FF, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF}, {}};
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x)
      picture.indices.push_back(static_cast<std::uint8_t>(x / 8 + y / 8 * 2));
  }
  return picture;
}

void PutLe(std::string& bytes, std::size_t at, std::uint32_t value, int length) {
  for (int i = 0; i < length; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}
void PutBe16(std::string& bytes, std::size_t at, unsigned value) {
  bytes[at] = static_cast<char>(value >> 8);
  bytes[at + 1] = static_cast<char>(value);
}

// One image format: a whole file of the quarters, and the same file with a
// header that declares a size far beyond what the programs decode (each
// side as large as the format's fields hold, 100000 where they hold more).
struct Format {
  std::string extension;
  std::string bytes;
  std::string huge;
};

std::vector<Format> Formats() {
  const IndexedPicture quarters = Quarters();
  std::vector<Format> formats;

  std::string bmp = BmpFile(quarters, 8);
  std::string huge = bmp;
  PutLe(huge, 18, 100000, 4);
  PutLe(huge, 22, 100000, 4);
  formats.push_back({"bmp", bmp, huge});

  const std::string png = PngFile(quarters, 8);
  std::string header = png.substr(16, 13);  // IHDR's data
  PutBe16(header, 0, 0x0001);               // 100000 = 0x000186A0
  PutBe16(header, 2, 0x86A0);
  PutBe16(header, 4, 0x0001);
  PutBe16(header, 6, 0x86A0);
  formats.push_back({"png", png, png.substr(0, 8) + PngChunk("IHDR", header) + png.substr(33)});

  const std::string gif = GifFile(quarters);
  huge = gif;
  PutLe(huge, 6, 0xFFFF, 2);  // the logical screen
  PutLe(huge, 8, 0xFFFF, 2);
  const std::size_t frame = gif.find(',', 13 + 3 * 4);  // after the colour table
  PutLe(huge, frame + 5, 0xFFFF, 2);
  PutLe(huge, frame + 7, 0xFFFF, 2);
  formats.push_back({"gif", gif, huge});

  const std::string tiff = TiffFile(quarters);
  huge = tiff;
  PutLe(huge, 10 + 8, 100000, 4);  // the first two entries: width and length
  PutLe(huge, 22 + 8, 100000, 4);
  formats.push_back({"tif", tiff, huge});

  const std::string jpeg = JpegFile(quarters.Expanded());
  huge = jpeg;
  const std::size_t start = jpeg.find("\xFF\xC0");
  PutBe16(huge, start + 5, 0xFFFF);
  PutBe16(huge, start + 7, 0xFFFF);
  formats.push_back({"jpg", jpeg, huge});
  return formats;
}

std::string Flipped(std::string bytes, std::size_t at) {
  bytes[at] = static_cast<char>(~bytes[at]);
  return bytes;
}

class BadInputTest : public ::testing::Test {
 protected:
  // Runs a program of the build in the folder. It must end within the time
  // limit and change nothing but the names mayChange in the folder (and
  // what those folders hold).
  ProgramResult Run(const std::string& program, const std::vector<std::string>& arguments,
                    const std::vector<std::string>& mayChange = {}) {
    Tree before, after;
    Snapshot(folder.Path(), "", before);
    const ProgramResult run =
        RunProgram(ProgramOfTheBuild(program), arguments, folder.Path(), std::string(), kTimeLimit);
    Snapshot(folder.Path(), "", after);
    EXPECT_FALSE(run.timedOut) << program << " " << Joined(arguments);
    const std::vector<std::string> changes = Changes(before, after, mayChange);
    EXPECT_TRUE(changes.empty()) << program << " " << Joined(arguments) << ": " << Joined(changes);
    return run;
  }
  ProgramResult Vomarin(const std::vector<std::string>& arguments,
                        const std::vector<std::string>& mayChange = {}) {
    return Run(VOMARIN_PROGRAM, arguments, mayChange);
  }
  ProgramResult Mosaikon(const std::vector<std::string>& arguments,
                         const std::vector<std::string>& mayChange = {}) {
    return Run(MOSAIKON_PROGRAM, arguments, mayChange);
  }

  TempFolder folder;
};

// The sheet of every rule-file case: one 16 x 16 PNG.
std::string Sheet() { return PngFile(Quarters(), 8); }

// Damage done to a file of each format, and whether the programs still read
// the result, per format in the order of Formats(): 'y' read, '-' refused.
// What loses data that the pixels need is refused; damage that leaves every
// pixel in place (the last byte of a PNG's end chunk, a GIF's trailer) or
// only changes a colour of uncompressed pixels is read as it is.
struct Damage {
  std::string name;
  std::string (*apply)(const Format& format);
  std::string readable;
};

const Damage kDamages[] = {
    {"zero", [](const Format&) { return std::string(); }, "-----"},
    {"cut4", [](const Format& f) { return f.bytes.substr(0, 4); }, "-----"},
    {"cut20", [](const Format& f) { return f.bytes.substr(0, 20); }, "-----"},
    {"half", [](const Format& f) { return f.bytes.substr(0, f.bytes.size() / 2); }, "-----"},
    {"most", [](const Format& f) { return f.bytes.substr(0, f.bytes.size() * 3 / 4); }, "-----"},
    {"last", [](const Format& f) { return f.bytes.substr(0, f.bytes.size() - 1); }, "-yy--"},
    {"flip0", [](const Format& f) { return Flipped(f.bytes, 0); }, "-----"},
    {"flipmid", [](const Format& f) { return Flipped(f.bytes, f.bytes.size() / 2); }, "y--y-"},
    {"huge", [](const Format& f) { return f.huge; }, "-----"},
};

TEST_F(BadInputTest, DamagedImageFilesAreRefusedByBothProgramsAlike) {
  WriteFile(folder / "setting.ini", "[Process]\ndefault=Copy\n[Copy]\nReplace=0\n");
  std::vector<std::string> files, readable, refused;
  const std::vector<Format> formats = Formats();
  for (std::size_t f = 0; f < formats.size(); ++f) {
    for (const Damage& damage : kDamages) {
      const std::string name =
          formats[f].extension + "-" + damage.name + "." + formats[f].extension;
      WriteFile(folder / name, damage.apply(formats[f]));
      files.push_back(name);
      (damage.readable[f] == 'y' ? readable : refused).push_back(name);
    }
  }
  WriteFile(folder / "text.png", "This is not a picture.\n");
  MakeFolder(folder / "folder.png");
  for (const char* name : {"text.png", "folder.png"}) {
    files.push_back(name);
    refused.push_back(name);
  }

  std::vector<std::string> outputs;
  std::string list = "[Copy]\n";
  for (const std::string& name : readable) {
    outputs.push_back(BaseName(name));
    list += " " + name + "\n";
  }
  list += "[その他]\n";
  for (const std::string& name : refused) list += " 無効なファイル - " + name + "\n";
  ProgramResult run = Vomarin(files, outputs);
  EXPECT_EQ(run.out.substr(0, list.size()), list);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.status, 1);
  for (const std::string& name : readable) {
    const std::string base = BaseName(name);
    const Picture output = ReadPngFile(ReadFile(folder / (base + kSep + "[V]" + base + ".png")));
    EXPECT_EQ(output.width, 16) << name;
  }

  // mosaikon reads the same files the same way, and writes nothing while
  // one of its sheets is unreadable.
  std::vector<std::string> arguments = {"-o", "out.png"};
  arguments.insert(arguments.end(), files.begin(), files.end());
  std::string complaints;
  for (const std::string& name : refused)
    complaints += "mosaikon: 読み込めません: " + name + "（無効なファイル）\n";
  run = Mosaikon(arguments);
  EXPECT_EQ(run.err, complaints);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.status, 1);

  arguments = {"-o", "out.png"};
  arguments.insert(arguments.end(), readable.begin(), readable.end());
  run = Mosaikon(arguments, {"out.png"});
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(ReadPngFile(ReadFile(folder / "out.png")).height,
            16 * static_cast<int>(readable.size()));
}

// The number of lines of text that hold part.
int CountLines(const std::string& text, const std::string& part) {
  int count = 0;
  for (const std::string& line : Lines(text)) count += Contains(line, part);
  return count;
}

TEST_F(BadInputTest, RulesThatCallEachOtherInACircleStopAtTheLimit) {
  // Each sheet goes to its own rule by name.
  std::string rules =
      "[Process]\ndefault=SelfCells/CellsA/SelfFollow/FollowA/MixedA/Flood/Wide\n"
      "[SelfCells]\nSpecific=self-cells.png\nReplace=0\nIndividual=SelfCells\n"
      "[CellsA]\nSpecific=two-cells.png\nReplace=0\nIndividual=CellsB\n"
      "[CellsB]\nReplace=0\nIndividual=CellsA\n"
      "[SelfFollow]\nSpecific=self-follow.png\nSubProcess=SelfFollow\n"
      "[FollowA]\nSpecific=two-follow.png\nNameFoot=_a\nSubProcess=FollowB\n"
      "[FollowB]\nNameFoot=_b\nSubProcess=FollowA\n"
      "[MixedA]\nSpecific=mixed.png\nReplace=0\nIndividual=MixedB\n"
      "[MixedB]\nSubProcess=MixedA\n"
      "[Leaf]\nNameFoot=_leaf\n";
  // A circle that names itself two thousand times, and a list of three
  // hundred follow-on runs of one rule.
  rules += "[Flood]\nSpecific=flood.png\nNameFoot=_flood\nSubProcess=Flood";
  for (int i = 0; i < 2000; ++i) rules += ",Flood";
  rules += "\n[Wide]\nSpecific=wide.png\nSubProcess=Leaf";
  for (int i = 0; i < 299; ++i) rules += ",Leaf";
  WriteFile(folder / "setting.ini", rules + "\n");

  const std::vector<std::string> sheets = {"self-cells", "two-cells", "self-follow", "two-follow",
                                           "mixed",      "flood",     "wide"};
  std::vector<std::string> files;
  for (const std::string& sheet : sheets) {
    WriteFile(folder / (sheet + ".png"), Sheet());
    files.push_back(sheet + ".png");
  }
  const ProgramResult run = Vomarin(files, sheets);

  auto tooDeep = [](const std::string& rule) {
    return ">規則[" + rule + "]の呼び出しが深すぎるため中止しました（16段まで）\n";
  };
  EXPECT_EQ(run.err, tooDeep("SelfCells") + tooDeep("CellsB") + tooDeep("SelfFollow") +
                         tooDeep("FollowB") + tooDeep("MixedB") + tooDeep("Flood") +
                         ">規則[Leaf]の呼び出しが多すぎるため中止しました（256回まで）\n");
  EXPECT_EQ(run.status, 1);

  // The outermost rule still writes its own sheet; the circle adds only
  // the files of its members.
  const std::map<std::string, std::vector<std::string>> written = {
      {"self-cells", {"[V]self-cells.png"}},
      {"two-cells", {"[V]two-cells.png"}},
      {"self-follow", {"[V]self-follow.png"}},
      {"two-follow", {"[V]two-follow_a.png", "[V]two-follow_b.png"}},
      {"mixed", {"[V]mixed.png"}},
      {"flood", {"[V]flood_flood.png"}},
      {"wide", {"[V]wide.png", "[V]wide_leaf.png"}}};
  for (const auto& [sheet, names] : written) EXPECT_EQ(ListFolder(folder / sheet), names) << sheet;

  // A long list stops with its chain: the depth, not the two thousand
  // names, bounds what is announced; of the three hundred runs 256 happen.
  EXPECT_LE(CountLines(run.out, "サブプロセスFloodの呼び出し"), 17);
  EXPECT_EQ(CountLines(run.out, "wide" + kSep + "[V]wide_leaf.png"), 256);
}

// A numeric key of a rule with a value out of the ordinary, and what it
// comes to for the sheet.
struct NumberCase {
  std::string key, value;
  enum { kConverted, kListed, kFailed } outcome;
  // kListed: the reason under "その他", where "%" stands for "[rule] key";
  // kFailed: the error line after "規則[rule]".
  std::string message;
};

std::string WithRuleKey(std::string message, const std::string& rule, const std::string& key) {
  const auto at = message.find('%');
  return at == std::string::npos ? message : message.replace(at, 1, "[" + rule + "] " + key);
}

TEST_F(BadInputTest, ZeroNegativeAndHugeNumbersInEveryKeyGiveTheirMessage) {
  const std::string badSize = "が正しくないため保存できません（NewSizeとClipを確かめて下さい）";
  const std::vector<NumberCase> cases = {
      {"SrcDiv", "0,1", NumberCase::kListed, "不正なSrcDiv"},
      {"SrcDiv", "-1,1", NumberCase::kListed, "%に負の数は使えません"},
      // Cells thinner than a pixel: nothing is cut, the sheet stays blank.
      {"SrcDiv", "2147483647,1", NumberCase::kConverted, ""},
      {"SrcDiv", "2147483648,1", NumberCase::kListed, "%の値「2147483648」は大きすぎます"},
      {"FileDiv", "1,0", NumberCase::kListed, "不正なfileDiv"},
      {"FileDiv", "-2,2", NumberCase::kListed, "%に負の数は使えません"},
      {"FileDiv", "2147483647,1", NumberCase::kFailed,
       "のFileDivが画像より細かいため保存できません"},
      {"FileDiv", "1,-99999999999", NumberCase::kListed, "%の値「-99999999999」は大きすぎます"},
      {"Clip", "0,0,0,0", NumberCase::kConverted, ""},
      {"Clip", "-1,0,8,8", NumberCase::kFailed, "の画像の大きさ（0 x 0）" + badSize},
      {"Clip", "2147483647,2147483647,2147483647,2147483647", NumberCase::kFailed,
       "の画像の大きさ（0 x 0）" + badSize},
      {"Clip", "0,0,-2147483648,-2147483648", NumberCase::kConverted, ""},  // the full size
      {"Clip", "0,0,4294967296,1", NumberCase::kListed, "%の値「4294967296」は大きすぎます"},
      {"NewSize", "0,0", NumberCase::kConverted, ""},
      {"NewSize", "-16,16", NumberCase::kFailed, "の画像の大きさ（-16 x 16）" + badSize},
      {"NewSize", "16,-2147483648", NumberCase::kFailed,
       "の画像の大きさ（16 x -2147483648）" + badSize},
      {"NewSize", "100000,100000", NumberCase::kFailed,
       "の画像（100000 x 100000）が大きすぎるため保存できません"},
      {"NewSize", "2147483647,2147483647", NumberCase::kFailed,
       "の画像（2147483647 x 2147483647）が大きすぎるため保存できません"},
      {"NewSize", "2147483648,16", NumberCase::kListed, "%の値「2147483648」は大きすぎます"},
      {"Replace", "-1", NumberCase::kConverted, ""},
      {"Replace", "-2147483648,2147483647,0", NumberCase::kConverted, ""},
      {"Replace", "0,2147483648", NumberCase::kListed, "%の値「2147483648」は大きすぎます"},
  };

  // Each case is a rule of its own, named after it, and a sheet of that
  // name that goes to it.
  std::string candidates, sections;
  std::vector<std::string> files, converted;
  for (const NumberCase& c : cases) {
    const std::string rule = c.key + " " + c.value;
    candidates += (candidates.empty() ? "" : "/") + rule;
    sections += "[" + rule + "]\nSpecific=" + rule + ".png\n" + c.key + "=" + c.value + "\n" +
                (c.key == "Replace" ? "" : "Replace=0\n");
    WriteFile(folder / (rule + ".png"), Sheet());
    files.push_back(rule + ".png");
    if (c.outcome == NumberCase::kConverted) converted.push_back(rule);
  }
  WriteFile(folder / "setting.ini", "[Process]\ndefault=" + candidates + "\n" + sections);
  const ProgramResult run = Vomarin(files, converted);

  int failures = 0;
  for (const NumberCase& c : cases) {
    const std::string rule = c.key + " " + c.value;
    switch (c.outcome) {
      case NumberCase::kConverted:
        EXPECT_TRUE(Contains(run.out, ">" + rule + kSep + "[V]" + rule + ".png\n")) << rule;
        EXPECT_TRUE(FileExists(folder / (rule + kSep + "[V]" + rule + ".png"))) << rule;
        break;
      case NumberCase::kListed:
        EXPECT_TRUE(
            Contains(run.out, " " + WithRuleKey(c.message, rule, c.key) + " - " + rule + ".png\n"))
            << rule;
        break;
      case NumberCase::kFailed:
        ++failures;
        EXPECT_TRUE(Contains(run.err, ">規則[" + rule + "]" + c.message + "\n")) << rule;
        break;
    }
  }
  EXPECT_EQ(static_cast<int>(Lines(run.err).size()), failures) << run.err;
  EXPECT_EQ(run.status, 1);
}

TEST_F(BadInputTest, RuleFilesBeyondTheReadersLimitsAreReadUpToThem) {
  WriteFile(folder / "sheet.png", Sheet());
  // The size table holds more than 32 KB before its default.
  std::string table = "[Process]\n";
  for (int i = 0; i < 2000; ++i)
    table += "padding" + std::to_string(10000 + i) + "=xxxxxxxxxxxxxxxx\n";
  WriteFile(folder / "table.ini", table + "default=Copy\n[Copy]\n");
  // The names of the sections before the size table fill more than 32 KB.
  std::string names;
  for (int i = 0; i < 4000; ++i) names += "[Padding" + std::to_string(10000 + i) + "]\n";
  WriteFile(folder / "names.ini", names + "[Process]\ndefault=Copy\n[Copy]\n");
  // One line of a rule fills the rest of its section.
  std::string replace = "Replace=";
  for (int i = 0; i < 20000; ++i) replace += "0,";
  WriteFile(folder / "line.ini",
            "[Process]\ndefault=Long\n[Long]\nSrcDiv=2,2\n" + replace + "3\nNameFoot=_beyond\n");

  const struct {
    std::string ruleFile;
    std::string out;
    int status;
  } cases[] = {
      {"table.ini", "[その他]\n setting.iniの[Process]に16,16もdefaultもありません - sheet.png\n",
       1},
      {"names.ini", "[その他]\n setting.iniに[Process]がありません - sheet.png\n", 1},
      // Keys after the cut are not read: the file goes without its NameFoot.
      {"line.ini",
       "[Long]\n sheet.png\n\n加工を開始:" + (folder / "sheet.png") + "\n>sheet" + kSep +
           "[V]sheet.png\n加工の終了\n",
       0},
  };
  for (const auto& c : cases) {
    const ProgramResult run = Vomarin({"--setting", c.ruleFile, "sheet.png"}, {"sheet"});
    EXPECT_EQ(run.out, c.out) << c.ruleFile;
    EXPECT_EQ(run.err, "") << c.ruleFile;
    EXPECT_EQ(run.status, c.status) << c.ruleFile;
  }
}

TEST_F(BadInputTest, RuleFileBytesThatAreNotTextDoNoHarm) {
  WriteFile(folder / "sheet.png", Sheet());
  const std::string head = "[Process]\ndefault=Copy\n";
  const struct {
    std::string name, text;
    std::string file;  // the sheet's file in its folder
    bool saved;
  } cases[] = {
      // A NUL ends the line it is in.
      {"zero-in-value.ini", head + "[Copy]\nNameFoot=_a" + std::string(1, '\0') + "b\n",
       "[V]sheet_a.png", true},
      {"zero-in-name.ini",
       head + "[Co" + std::string(1, '\0') + "py]\nNameFoot=_q\n[Copy]\nNameFoot=_c\n",
       "[V]sheet_c.png", true},
      // Bytes that are no character of either encoding, in a rule's name.
      {"not-text-name.ini", "[Process]\ndefault=\xFF\xFE\x80\n[\xFF\xFE\x80]\nNameFoot=_bad\n",
       "[V]sheet_bad.png", true},
      // Windows names no file with control characters; Linux does.
      {"control.ini", head + "[Copy]\nNameFoot=_\x01\x1F\n", "[V]sheet_\x01\x1F.png",
       !kWindowsBuild},
  };
  for (const auto& c : cases) {
    WriteFile(folder / c.name, c.text);
    const ProgramResult run = Vomarin({"--setting", c.name, "sheet.png"}, {"sheet"});
    if (c.saved) {
      EXPECT_EQ(run.err, "") << c.name;
      EXPECT_EQ(run.status, 0) << c.name;
      EXPECT_EQ(ListFolder(folder / "sheet"), std::vector<std::string>{c.file}) << c.name;
    } else {
      EXPECT_EQ(run.err, ">保存できませんでした:" + (folder / ("sheet" + kSep + c.file)) +
                             "（名前に使えない文字があります）\n")
          << c.name;
      EXPECT_EQ(run.status, 1) << c.name;
      EXPECT_EQ(ListFolder(folder / "sheet"), std::vector<std::string>()) << c.name;
    }
    for (const std::string& name : ListFolder(folder / "sheet"))
      RemoveFile(folder / ("sheet" + kSep + name));
  }

  // A lead byte of Shift-JIS without its second byte, and a byte that
  // cannot begin a character of UTF-8: each build reads them its own way
  // (Windows' reader may turn them into a character), but the sheet is
  // written into its folder all the same.
  for (const std::string& foot : {std::string("_\x81"), std::string("_\xC3\x28")}) {
    WriteFile(folder / "broken.ini", head + "[Copy]\nNameFoot=" + foot + "\n");
    const ProgramResult run = Vomarin({"--setting", "broken.ini", "sheet.png"}, {"sheet"});
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
    const std::vector<std::string> written = ListFolder(folder / "sheet");
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].rfind("[V]sheet_", 0), 0u);
    for (const std::string& name : written) RemoveFile(folder / ("sheet" + kSep + name));
  }
}

TEST_F(BadInputTest, ANameFootCannotReachOutOfTheOutputFolder) {
  const std::vector<std::string> refused = {"..\\up", "/root", "..", "a/../b", "\\"};
  std::string candidates = "Kanji", sections = "[Kanji]\nSpecific=kanji.png\nNameFoot=表\n";
  std::vector<std::string> files = {"kanji.png"};
  WriteFile(folder / "kanji.png", Sheet());
  for (std::size_t i = 0; i < refused.size(); ++i) {
    const std::string rule = "Foot" + std::to_string(i);
    candidates += "/" + rule;
    sections += "[" + rule + "]\nSpecific=" + rule + ".png\nNameFoot=" + refused[i] + "\n";
    WriteFile(folder / (rule + ".png"), Sheet());
    files.push_back(rule + ".png");
  }
  WriteRuleFile(folder / "setting.ini", "[Process]\ndefault=" + candidates + "\n" + sections);

  const ProgramResult run = Vomarin(files, {"kanji"});
  for (std::size_t i = 0; i < refused.size(); ++i) {
    const std::string rule = "Foot" + std::to_string(i);
    EXPECT_TRUE(Contains(
        run.out, " [" + rule + "] NameFootにフォルダの区切り（\\ /）や「..」は使えません - " +
                     rule + ".png\n"))
        << refused[i];
  }
  // In Shift-JIS the second byte of "表" is a backslash's: it is part of
  // the character, not a separator.
  EXPECT_EQ(ListFolder(folder / "kanji"), std::vector<std::string>{"[V]kanji表.png"});
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.status, 1);
}

TEST_F(BadInputTest, OutputFoldersThatCannotBeMadeAreRefusedWithoutLosingAFile) {
  WriteFile(folder / "setting.ini", "[Process]\ndefault=Copy\n[Copy]\nGroup=Maps\n");
  WriteFile(folder / "sheet.png", Sheet());
  WriteFile(folder / "blocked", "in the way");
  WriteFile(folder / "blocked.png", Sheet());
  MakeFolder(folder / "taken.png");
  WriteFile(folder / ("taken.png" + kSep + "mine.txt"), "keep");

  // A file stands where the sheet's output folder would be.
  ProgramResult run = Vomarin({"blocked.png"});
  EXPECT_EQ(run.err, ">保存できませんでした:" + (folder / ("blocked" + kSep + "[V]blocked.png")) +
                         "（フォルダがありません）\n");
  EXPECT_EQ(run.status, 1);

  // The folder for --combine: refused before anything is converted.
  // A file in the way is no failure of the system: it has no reason to add.
  const struct {
    std::string combine, reason;
  } combines[] = {{"blocked", ""}, {"missing" + kSep + "combined", "（フォルダがありません）"}};
  for (const auto& [combine, reason] : combines) {
    run = Vomarin({"--combine", combine, "sheet.png"});
    EXPECT_EQ(run.err,
              "vomarin: 結合した画像の出力フォルダを作れません: " + combine + reason + "\n");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.status, 2);
  }

  // mosaikon's output: in a missing folder, under a file, or on a folder.
  const struct {
    std::string output, reason;
  } outputs[] = {{"missing" + kSep + "out.png", "（フォルダがありません）"},
                 {"blocked" + kSep + "out.png", "（フォルダがありません）"},
                 {"taken.png", "（同じ名前のフォルダがあります）"}};
  for (const auto& [output, reason] : outputs) {
    run = Mosaikon({"-o", output, "sheet.png"});
    EXPECT_EQ(run.err, "mosaikon: 書き出せません: " + output + reason + "\n");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.status, 1);
  }
}

TEST_F(BadInputTest, AReadOnlyFolderIsReportedByEveryOutput) {
#ifdef _WIN32
  GTEST_SKIP() << "a read-only attribute does not keep files out of a folder on Windows";
#else
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  WriteFile(folder / "setting.ini", "[Process]\ndefault=Copy\n[Copy]\n");
  MakeFolder(folder / "locked");
  WriteFile(folder / "locked/sheet.png", Sheet());
  chmod((folder / "locked").c_str(), 0555);

  ProgramResult run = Vomarin({"locked/sheet.png"});
  EXPECT_EQ(run.err, ":" + (folder / "locked/sheet") + "\n");
  EXPECT_EQ(run.status, 1);
  run = Vomarin({"--combine", "locked/combined", "locked/sheet.png"});
  EXPECT_EQ(run.err, "vomarin: 結合した画像の出力フォルダを作れません: locked/combined\n");
  EXPECT_EQ(run.status, 2);
  run = Mosaikon({"-o", "locked/out.png", "locked/sheet.png"});
  EXPECT_EQ(run.err, "mosaikon: 書き出せません: locked/out.png\n");
  EXPECT_EQ(run.status, 1);
  chmod((folder / "locked").c_str(), 0755);
#endif
}

}  // namespace
