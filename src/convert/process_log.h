#pragma once

#include <functional>
#include <string>
#include <vector>

// The record of what processing runs did: an error channel and a report
// channel, in memory. While an input file is processed its lines carry an
// indent that the run pushes for it. The windowed program keeps one for the
// process; a job that runs beside others writes into one of its own. Rules
// write into the log of their RunContext.
class ProcessLog {
 public:
  static constexpr int kErrorChannel = 0;
  static constexpr int kReportChannel = 1;

  // Receives every piece of text as it is appended, with its channel.
  using Echo = std::function<void(int channel, const std::string& text)>;

  // The log of the process.
  static ProcessLog& Instance();

  ProcessLog() = default;
  ProcessLog(const ProcessLog&) = delete;
  ProcessLog& operator=(const ProcessLog&) = delete;

  void Select(int channel);
  // Appends text to the current channel, after the indent when a line starts.
  void Write(const std::string& text);
  void EndLine();
  void PushIndent(const std::string& piece);
  void PopIndent();
  // Select, Write and EndLine in one.
  void WriteLine(int channel, const std::string& text);
  // The whole text of the current channel.
  std::string GetText() const;

  // The length of a channel's text, to see whether it has grown.
  std::size_t Size(int channel) const;

  // The command line shows the channels as they grow.
  void SetEcho(Echo echo);

 private:
  void Append(const std::string& text);

  std::string errorChannel;
  std::string reportChannel;
  int currentChannel = kReportChannel;
  std::vector<std::string> indentStack;
  std::string indent;
  bool atLineStart = false;
  Echo echo;
};
