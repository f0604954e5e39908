#include "classify/list_text.h"

#include "classify/classify.h"
#include "common/messages.h"
#include "convert/run_state.h"

std::string BuildListText() {
  const bool empty = RunState::Instance().listText.empty();
  return Text(empty ? Message::kListEmpty : Message::kListClassified) + BuildListBlocks();
}

std::string BuildListBlocks() {
  // std::map orders its keys by their bytes (std::string compares as unsigned char).
  std::string text;
  for (const auto& [key, lines] : RunState::Instance().listText) {
    const std::string heading = key == kOtherListKey ? Text(Message::kListOtherFiles) : key;
    text += "[" + heading + "]\r\n" + lines;
  }
  return text;
}
