#include "cli/command_line.h"

#include <algorithm>
#include <thread>

#include "common/messages.h"
#include "ruletools/rule_size.h"

namespace {

// The value of --jobs: a whole number from 1 to kMaxJobs, in decimal digits
// only; 0 for anything else.
int ParseJobs(const std::string& text) {
  if (text.empty() || text.size() > 2 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return 0;
  const int jobs = std::stoi(text);
  return jobs <= kMaxJobs ? jobs : 0;
}

// Options that take a value, and where it goes.
std::optional<std::string>* ValueOption(ConverterOptions& options, const std::string& name) {
  if (name == "--setting") return &options.settingFile;
  if (name == "--rule") return &options.rule;
  if (name == "--combine") return &options.combineFolder;
  if (name == "--explain") return &options.explainRule;
  if (name == "--invert") return &options.invertRule;
  if (name == "--size") return &options.size;
  if (name == "--name") return &options.name;
  if (name == "-o") return &options.picture;
  return nullptr;
}

// Options without a value.
bool* FlagOption(ConverterOptions& options, const std::string& name) {
  if (name == "--no-transparency") return &options.noTransparency;
  if (name == "--dry-run") return &options.dryRun;
  if (name == "--check") return &options.check;
  if (name == "--append") return &options.append;
  if (name == "--index-table") return &options.indexTable;
  if (name == "--help" || name == "-h") return &options.help;
  if (name == "--version") return &options.version;
  return nullptr;
}

// What is wrong with the combination of options, or empty.
std::string MisusedOption(const ConverterOptions& options) {
  if (options.help || options.version) return std::string();
  const int tools =
      (options.check ? 1 : 0) + (options.explainRule ? 1 : 0) + (options.invertRule ? 1 : 0);
  if (tools > 1) return "--check、--explain、--invertは一度に一つだけ指定できます";
  const bool converting = options.rule || options.combineFolder || options.noTransparency ||
                          options.dryRun || options.indexTable;
  if (tools == 1 && converting) return "規則の確認・説明・逆変換と画像の変換は一度にできません";
  if (options.check && !options.files.empty()) return "--checkには画像ファイルを指定できません";
  if ((options.explainRule || options.invertRule) && options.files.size() > 1) {
    return "画像ファイルは一つだけ指定できます";
  }
  if (options.size && !options.explainRule && !options.invertRule) {
    return "--sizeは--explainか--invertと一緒に使います";
  }
  if (options.size && !ParseSizeKey(*options.size)) {
    return "--sizeの値「" + *options.size + "」は「横,縦」の1以上の整数ではありません";
  }
  if (options.picture && !options.explainRule) return "-oは--explainと一緒に使います";
  if (options.name && !options.invertRule) return "--nameは--invertと一緒に使います";
  if (options.append && !options.invertRule) return Text(Message::kAppendWithoutInvert);
  if (tools == 0 && options.files.empty()) return "画像ファイルを指定してください";
  return std::string();
}

}  // namespace

ConverterOptions ParseConverterOptions(const std::vector<std::string>& arguments,
                                       std::string& error) {
  ConverterOptions options;
  options.jobs = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxJobs);
  error.clear();
  bool optionsEnded = false;
  std::optional<std::string> jobs;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
      options.files.push_back(argument);
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }
    const auto equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    std::optional<std::string>* value = name == "--jobs" ? &jobs : ValueOption(options, name);
    if (value != nullptr) {
      if (equals != std::string::npos) {
        *value = argument.substr(equals + 1);
      } else if (i + 1 < arguments.size()) {
        *value = arguments[++i];
      } else {
        error = name + "には値が必要です";
        return options;
      }
    } else if (bool* flag = FlagOption(options, name);
               flag != nullptr && equals == std::string::npos) {
      *flag = true;
    } else {
      error = "不明なオプションです: " + argument;
      return options;
    }
  }
  if (jobs) {
    options.jobs = ParseJobs(*jobs);
    if (options.jobs == 0) {
      error = "--jobsには1から" + std::to_string(kMaxJobs) + "までの数を指定してください: " + *jobs;
      return options;
    }
  }
  error = MisusedOption(options);
  return options;
}

std::string ConverterUsage() {
  return "使い方: vomarin [--setting FILE] [--rule NAME] [--no-transparency] [--dry-run] FILE...\n"
         "       vomarin --check [--setting FILE]\n"
         "\n"
         "画像ファイルを大きさとファイル名から規則ファイルの規則に振り分け、\n"
         "その規則で変換します。変換した画像は元画像と同じ場所に、\n"
         "元画像の名前のフォルダを作って出力されます。\n"
         "\n"
         "  --setting FILE     規則ファイル（既定は現在のフォルダのsetting.ini、\n"
         "                     無ければプログラムと同じフォルダのsetting.ini）\n"
         "  --rule NAME        振り分けずに全てのファイルを規則NAMEで変換します\n"
         "  --no-transparency  パレットの0番の色を透過色にせず、そのまま変換します\n"
         "  --dry-run          振り分けの結果を表示するだけで変換しません\n"
         "  --combine DIR      変換の後、規則のGroupごとに結合した1枚の画像を\n"
         "                     フォルダDIRに「グループ名.png」で書き出します\n"
         "                     （マップ結合の画面で保存したときと同じ画像）\n"
         "  --jobs N           N個のファイルを同時に変換します（1から" +
         std::to_string(kMaxJobs) +
         "、既定はプロセッサの数）。\n"
         "                     表示と出力されるファイルは1個ずつのときと同じです\n"
         "  --check            変換せずに規則ファイルを調べ、誤りを1行に1つずつ\n"
         "                     「[セクション名] キー=値: 誤りの説明」で表示します\n"
         "                     （終了コード 0: 誤りなし、1: 誤りあり）\n"
         "  --invert RULE [--size W,H] [--name NAME] [SHEET] [--append]\n"
         "                     規則RULEの出力を元の並びに戻す規則（逆変換）を、\n"
         "                     規則ファイルの末尾に足せるセクションとして表示します。\n"
         "                     画像の大きさはSHEET、--size、[Process]の順に決まります。\n"
         "                     セクション名は既定でRULE_inverseです\n"
         "  --append           --invertのセクションを表示せずに規則ファイルの末尾へ\n"
         "                     書き込み、書き込んだファイルを表示します。元の規則\n"
         "                     ファイルは「名前.bak」に残り、他の行は変わりません\n"
         "  --index-table      変換のたびに、出力ファイルと同じフォルダへ\n"
         "                     「[V]元の名前+NameFoot.csv」の表（どのセルが出力の\n"
         "                     どのファイルのどこに置かれたか）も書き出します\n"
         "  --help             この説明を表示します\n"
         "  --version          版を表示します\n"
         "\n"
         "振り分けの結果は規則ごとに[規則名]の下に、変換できないファイルは\n"
         "[その他]の下に理由とともに表示されます。候補の規則が複数あるファイルは、\n"
         "端末から実行したときは番号で選び、そうでなければ変換しません。\n"
         "\n"
         "終了コード:\n"
         "  0  全てのファイルを変換した（「何もしない」の規則のファイルを含む）\n"
         "  1  変換できなかったファイルがある\n"
         "  2  使い方の誤り、または規則ファイルが無い\n"
         "\n"
         "規則の説明: vomarin --explain RULE [--size W,H] [-o PICTURE.png] [SHEET]\n"
         "  規則RULEが画像をどう並べ替えるか（セルの分け方、キャンバスの各位置に\n"
         "  置くセルの番号、出力ファイル、続けて適用する規則）を表示します。\n"
         "  画像の大きさは画像ファイルSHEET、--size、[Process]の順に決めます。\n"
         "  -oを付けると、元画像（左）と変換後（右）を並べた絵をPNGで書き出します。\n"
         "  終了コード: 0 説明した / 1 規則を使えない、画像を読めない、絵を描けない /\n"
         "  2 使い方の誤り\n";
}
