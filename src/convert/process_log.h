#pragma once

#include <functional>
#include <string>
#include <vector>

// The record of what processing runs did: an error channel and a report
// channel, in memory. While an input file is processed its lines carry an
// indent that the run pushes for it. There is one for the process; a job
// that runs beside others writes into one of its own (ThreadScope).
class ProcessLog {
 public:
  static constexpr int kErrorChannel = 0;
  static constexpr int kReportChannel = 1;

  // Receives every piece of text as it is appended, with its channel.
  using Echo = std::function<void(int channel, const std::string& text)>;

  // The log of the running thread: the one a ThreadScope on this thread has
  // put in place, else the process-wide one.
  static ProcessLog& Instance();

  // While it lives, Instance() on the thread that made it is log.
  class ThreadScope {
   public:
    explicit ThreadScope(ProcessLog& log);
    ~ThreadScope();
    ThreadScope(const ThreadScope&) = delete;
    ThreadScope& operator=(const ThreadScope&) = delete;

   private:
    ProcessLog* previous;
  };

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
