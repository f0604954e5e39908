#include <gtest/gtest.h>

#include "convert/process_log.h"

namespace {

// The log is process-wide and never reset: each check looks at what its own
// writes added.
class ProcessLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Leave no indent or unfinished line from earlier tests.
    for (int i = 0; i < 8; ++i) log.PopIndent();
    log.EndLine();
    reportStart = Text(ProcessLog::kReportChannel).size();
    errorStart = Text(ProcessLog::kErrorChannel).size();
  }
  std::string Text(int channel) {
    log.Select(channel);
    return log.GetText();
  }
  std::string Added(int channel) {
    return Text(channel).substr(channel == ProcessLog::kReportChannel ? reportStart : errorStart);
  }
  ProcessLog& log = ProcessLog::Instance();
  std::size_t reportStart = 0;
  std::size_t errorStart = 0;
};

TEST_F(ProcessLogTest, TheIndentComesOncePerLine) {
  log.Select(ProcessLog::kReportChannel);
  log.Write("a");
  log.EndLine();
  log.PushIndent(">");
  log.Write("b");
  log.Write("c");
  log.EndLine();
  log.PopIndent();
  EXPECT_EQ(Added(ProcessLog::kReportChannel), "a\r\n>bc\r\n");
}

TEST_F(ProcessLogTest, IndentsStackAndPopping) {
  log.PushIndent(">");
  log.PushIndent(">");
  log.WriteLine(ProcessLog::kReportChannel, "two");
  log.PopIndent();
  log.WriteLine(ProcessLog::kReportChannel, "one");
  log.PopIndent();
  log.PopIndent();  // with nothing pushed it only leaves the indent empty
  log.WriteLine(ProcessLog::kReportChannel, "none");
  EXPECT_EQ(Added(ProcessLog::kReportChannel), ">>two\r\n>one\r\nnone\r\n");
}

TEST_F(ProcessLogTest, ChannelsAreSeparateButShareTheLineStart) {
  log.PushIndent(">");
  log.WriteLine(ProcessLog::kReportChannel, "report");
  log.WriteLine(ProcessLog::kErrorChannel, "error");
  log.PopIndent();
  EXPECT_EQ(Added(ProcessLog::kReportChannel), ">report\r\n");
  EXPECT_EQ(Added(ProcessLog::kErrorChannel), ">error\r\n");
  log.Select(ProcessLog::kErrorChannel);
  EXPECT_EQ(log.GetText().substr(errorStart), ">error\r\n");
}

TEST_F(ProcessLogTest, EchoSeesEveryPieceWithItsChannel) {
  std::string echoed;
  log.SetEcho([&](int channel, const std::string& text) { echoed += std::to_string(channel) + text; });
  log.WriteLine(ProcessLog::kErrorChannel, "x");
  log.SetEcho(nullptr);
  log.WriteLine(ProcessLog::kReportChannel, "unseen");
  EXPECT_EQ(echoed, "0x0\r\n");
}

}  // namespace
