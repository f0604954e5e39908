#include "convert/process_log.h"

ProcessLog& ProcessLog::Instance() {
  static ProcessLog log;
  return log;
}

void ProcessLog::Select(int channel) { currentChannel = channel; }

void ProcessLog::Write(const std::string& text) {
  if (atLineStart) Append(indent);
  atLineStart = false;
  Append(text);
}

void ProcessLog::EndLine() {
  Append("\r\n");
  atLineStart = true;
}

void ProcessLog::WriteLine(int channel, const std::string& text) {
  Select(channel);
  Write(text);
  EndLine();
}

void ProcessLog::PushIndent(const std::string& piece) {
  indentStack.push_back(piece);
  indent += piece;
}

void ProcessLog::PopIndent() {
  indent.clear();
  if (!indentStack.empty()) indentStack.pop_back();
  for (const std::string& piece : indentStack) indent += piece;
}

std::string ProcessLog::GetText() const {
  return currentChannel == kErrorChannel ? errorChannel : reportChannel;
}

std::size_t ProcessLog::Size(int channel) const {
  return (channel == kErrorChannel ? errorChannel : reportChannel).size();
}

void ProcessLog::SetEcho(Echo newEcho) { echo = std::move(newEcho); }

void ProcessLog::Append(const std::string& text) {
  (currentChannel == kErrorChannel ? errorChannel : reportChannel) += text;
  if (echo && !text.empty()) echo(currentChannel, text);
}
