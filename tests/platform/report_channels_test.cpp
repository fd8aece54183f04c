// Report channels: files bound to units, open lines kept across writes, closing and flushing.
#include "platform/report_channels.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/test_support.h"

namespace tovek8 {
namespace {

using namespace tovek8::test_support;

namespace fs = std::filesystem;

class ReportChannelsTest : public ::testing::Test {
 protected:
  void append(int unit, std::string_view text) { reports_.sink(unit).open_line().text += text; }
  ScratchDir dir_;
  ReportChannels reports_{nullptr};
};

TEST_F(ReportChannelsTest, LinesGoToTheFileOfTheirUnit) {
  ASSERT_TRUE(reports_.open(kOutputUnit, (dir_ / "a.out").string()));
  ASSERT_TRUE(reports_.open(kRuntimeUnit, (dir_ / "a.run").string()));
  append(kOutputUnit, "first");
  reports_.sink(kOutputUnit).finish_line();
  append(kRuntimeUnit, "log");
  reports_.sink(kRuntimeUnit).finish_line();
  append(kOutputUnit, "second");
  reports_.sink(kOutputUnit).finish_line();
  reports_.close_all();
  EXPECT_EQ(read_file(dir_ / "a.out"), "first\nsecond\n");
  EXPECT_EQ(read_file(dir_ / "a.run"), "log\n");
}

TEST_F(ReportChannelsTest, CloseEndsAnOpenLineAndFlushMakesLinesVisible) {
  ASSERT_TRUE(reports_.open(kRuntimeUnit, (dir_ / "a.run").string()));
  append(kRuntimeUnit, "done");
  reports_.sink(kRuntimeUnit).finish_line();
  EXPECT_TRUE(reports_.flush_unit(kRuntimeUnit));
  EXPECT_EQ(read_file(dir_ / "a.run"), "done\n") << "visible to a reader while the run goes on";
  append(kRuntimeUnit, "open line");
  reports_.sink(kRuntimeUnit).open_line().open = true;
  reports_.close(kRuntimeUnit);
  EXPECT_FALSE(reports_.is_open(kRuntimeUnit));
  EXPECT_EQ(read_file(dir_ / "a.run"), "done\nopen line\n");
  reports_.close(kRuntimeUnit);  // closing twice is harmless
}

TEST_F(ReportChannelsTest, AppendModeAndReopeningReplace) {
  const std::string path = (dir_ / "a.prg").string();
  ASSERT_TRUE(reports_.open(kProgressUnit, path));
  append(kProgressUnit, "one");
  reports_.sink(kProgressUnit).finish_line();
  reports_.close(kProgressUnit);
  ASSERT_TRUE(reports_.open(kProgressUnit, path, /*append=*/true));
  append(kProgressUnit, "two");
  reports_.sink(kProgressUnit).finish_line();
  reports_.close(kProgressUnit);
  EXPECT_EQ(read_file(path), "one\ntwo\n");
  ASSERT_TRUE(reports_.open(kProgressUnit, path));
  append(kProgressUnit, "latest");
  reports_.close(kProgressUnit);
  EXPECT_EQ(read_file(path), "latest\n");
}

TEST_F(ReportChannelsTest, UnopenableFilesAndUnopenedUnits) {
  EXPECT_FALSE(reports_.open(kProgressUnit, (dir_ / "missing" / "a.prg").string()));
  EXPECT_FALSE(reports_.open(kProgressUnit, ""));
  EXPECT_FALSE(reports_.is_open(kProgressUnit));
  EXPECT_FALSE(reports_.flush_unit(kProgressUnit));
  append(kProgressUnit, "dropped");
  reports_.sink(kProgressUnit).finish_line();  // a unit that is not open drops its lines
  EXPECT_TRUE(reports_.sink(kProgressUnit).open_line().text.empty());
}

}  // namespace
}  // namespace tovek8
