// vomarin-rules [FILE]: shows how a rule file reads: the size table and,
// for every other section, the rule built from it or why it cannot be built.
#include <cstdio>
#include <string>

#include "convert/image_processor.h"
#include "setting/ini_file_setting.h"
#include "setting/setting_store.h"

namespace {

std::string Join(const std::vector<int>& numbers) {
  std::string text;
  for (const int n : numbers) text += (text.empty() ? "" : ",") + std::to_string(n);
  return text;
}

std::string Join(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ",") + name;
  return text;
}

void PrintRule(const std::string& name) {
  try {
    const ImageProcessor rule(name);
    const auto clip = rule.ClipRect();
    std::printf("[%s]\n", name.c_str());
    std::printf("  Clip=%d,%d,%d,%d SrcDiv=%d,%d NewSize=%d,%d FileDiv=%d,%d\n", clip.x, clip.y,
                clip.width, clip.height, rule.SrcDiv().columns, rule.SrcDiv().rows,
                rule.NewSize().width, rule.NewSize().height, rule.FileDiv().columns,
                rule.FileDiv().rows);
    std::printf("  Replace=%s\n", Join(rule.ReplaceList()).c_str());
    std::printf("  NameFoot=%s Individual=%s SubProcess=%s Group=%s\n", rule.NameFoot().c_str(),
                rule.IndividualRule().c_str(), Join(rule.SubProcesses()).c_str(),
                rule.GetGroup().c_str());
  } catch (const char* message) {
    std::printf("[%s]\n  エラー: %s\n", name.c_str(), message);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string file = argc > 1 ? argv[1] : "setting.ini";
  const IniFileSetting setting(file);
  if (setting.SectionNames().empty()) {
    std::fprintf(stderr, "%s: 規則がありません\n", file.c_str());
    return 1;
  }
  SettingStore::Instance().ReadFile(file);
  for (const std::string& name : setting.SectionNames()) {
    if (name != "Process") PrintRule(name);
  }
  return 0;
}
