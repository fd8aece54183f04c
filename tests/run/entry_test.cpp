// The run sequence of the entry: banners, file and date blocks, fatal errors, fresh models.
#include "run/entry.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/fatal_error.h"

#include "tests/test_support.h"

namespace tovek8 {
namespace {

using namespace tovek8::test_support;

namespace fs = std::filesystem;

// The smallest input the reader accepts: a title, the control record, empty sections.
std::string minimal_input(const std::string& title) {
  return title +
         "\n"
         "second title line\n"
         "CONTROL\n"
         "1 3 0 0 0 0 0 0 0 0 0 0\n"
         "PILE CAP\n"
         "0 0 0\n"
         "LOAD CASES\n"
         "0 0 0 0\n"
         "LOAD COMBINATIONS\n"
         "0 0 0 0\n"
         "DISTRIBUTED LOAD SETS\n"
         "0\n"
         "PILE GROUPS\n"
         "0\n"
         "PILE PROPERTIES\n"
         "0\n"
         "CROSS SECTIONS\n"
         "0\n"
         "SOIL LAYERS\n"
         "0\n";
}

std::string names_dat(const std::string& id1, const std::string& id2, const std::string& input,
                      const std::string& output = "run.out",
                      const std::string& progress = "run.prg") {
  return "1.0.0\n" + id1 + "\n" + id2 + "\n" + input + "\n" + output +
         "\nrun.sum\nrun.plt\nrun.run\nrun.sta\nrun.tbl\n" + progress +
         "\nrun.axl\nrun.sc1\nrun.sc2\nrun.sc3\n";
}

const LocalDateTime kWhen{2026, 3, 7, 9, 5, 3};

class EntryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    console_ = std::tmpfile();
    ASSERT_NE(console_, nullptr);
  }
  void TearDown() override { std::fclose(console_); }
  int run() { return run_analysis(dir_.path().string(), RunOptions{console_, kWhen}); }
  std::string console_text() {
    std::fflush(console_);
    std::rewind(console_);
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, console_)) > 0;)
      text.append(buffer, n);
    return text;
  }
  ScratchDir dir_;
  std::FILE* console_ = nullptr;
};

const std::string kRuleEq = "     " + std::string(73, '=');
const std::string kRuleDash = "     " + std::string(73, '-');

std::string banner() {
  return kRuleEq +
         "\n"
         "\n"
         "                      TOVEK for Windows, Version 1.0.0   \n"
         "\n"
         "                       Analysis of A Group of Piles \n"
         "                    Subjected to Axial and Lateral Loading \n"
         "\n" +
         kRuleEq +
         "\n"
         "\n"
         "\n";
}

TEST_F(EntryTest, OutputFileStartsWithBannerIdentificationFileAndDateBlocks) {
  write_file(dir_ / "pile.dat", minimal_input("ENTRY TEST"));
  write_file(dir_ / "Names.dat", names_dat("Project A   ", "", "data/../pile.dat"));
  fs::create_directories(dir_ / "data");
  ASSERT_EQ(run(), 0);

  const std::string expected_head =
      banner() +
      "\n"
      "     Project A\n"
      "     \n"
      "\n"
      "     Path to file locations      : data/../\n"
      "     Name of input data file     : pile.dat\n"
      "     Name of output file         : run.out\n"
      "     Name of output summary file : run.sum\n"
      "     Name of plot output file    : run.plt\n"
      "     Name of runtime file        : run.run\n"
      "\n"
      "\n" +
      kRuleDash + "\n" + "                          Time and Date of Analysis\n" + kRuleDash +
      "\n" + "               Date:  March 07, 2026     Time:  09:05:03\n";
  const std::string output = read_file(dir_ / "run.out");
  EXPECT_EQ(output.substr(0, expected_head.size()), expected_head);

  const std::string summary_head =
      kRuleDash + "\n" + "                          Time and Date of Analysis\n" + kRuleDash +
      "\n" + "               Date:  March 07, 2026     Time:  09:05:03\n";
  EXPECT_EQ(read_file(dir_ / "run.sum").substr(0, summary_head.size()), summary_head);

  const std::string runtime = read_file(dir_ / "run.run");
  const std::string short_banner = "\n            TOVEK for Windows, Version 1.0.0   \n\n";
  EXPECT_EQ(runtime.substr(0, short_banner.size()), short_banner);
  EXPECT_NE(runtime.find("     READING * TITLE AND VERSION\n"), std::string::npos);
  EXPECT_NE(runtime.find(" "
                         "    ANALYSIS COMPLETED\n"),
            std::string::npos);

  EXPECT_EQ(console_text(), banner() + "\n\n");
  EXPECT_EQ(read_file(dir_ / "run.prg"), " - ANALYSIS STARTED\n\n");
}

TEST_F(EntryTest, DateBlockWithoutAValidMonthHasOnlyItsHeader) {
  ReportChannels reports(nullptr);
  ASSERT_TRUE(reports.open(kOutputUnit, (dir_ / "d.out").string()));
  ASSERT_TRUE(reports.open(kSummaryUnit, (dir_ / "d.sum").string()));
  write_analysis_date(reports, LocalDateTime{2026, 13, 1, 0, 0, 0});
  write_analysis_date(reports, LocalDateTime{2026, 12, 31, 23, 59, 9});
  reports.close_all();
  const std::string header =
      kRuleDash + "\n                          Time and Date of Analysis\n" + kRuleDash + "\n";
  const std::string expected =
      header + header + "               Date:  December 31, 2026     Time:  23:59:09\n";
  EXPECT_EQ(read_file(dir_ / "d.out"), expected);
  EXPECT_EQ(read_file(dir_ / "d.sum"), expected);
}

TEST_F(EntryTest, UnusableProgressFileDoesNotStopTheRun) {
  write_file(dir_ / "pile.dat", minimal_input("NO PROGRESS"));
  write_file(dir_ / "Names.dat", names_dat("", "", "pile.dat", "run.out", "no/such/dir/run.prg"));
  EXPECT_EQ(run(), 0);
  EXPECT_NE(read_file(dir_ / "run.out").find("INPUT INFORMATION"), std::string::npos);
}

// Fatal errors end the run with one console line naming the file and the reason.
struct FatalCase {
  const char* name;
  bool write_names;
  const char* input_in_names;
  const char* output_in_names;
  bool write_input;
  int status;
  const char* message;
};

TEST_F(EntryTest, FatalInputOutputErrors) {
  const FatalCase cases[] = {
      {"no Names.dat", false, "", "", false, kStatusNamesFile,
       "/Names.dat: cannot open the run-control file: No such file or directory"},
      {"no input file", true, "missing.dat", "run.out", false, kStatusOpenFailed,
       "missing.dat: cannot open the input data file: No such file or directory"},
      {"output in a missing directory", true, "pile.dat", "nodir/run.out", true, kStatusOpenFailed,
       "nodir/run.out: cannot open the output file for writing: No such file or directory"},
  };
  for (const FatalCase& c : cases) {
    SCOPED_TRACE(c.name);
    for (const auto& entry : fs::directory_iterator(dir_.path())) fs::remove_all(entry.path());
    std::fclose(console_);
    console_ = std::tmpfile();
    if (c.write_names)
      write_file(dir_ / "Names.dat", names_dat("", "", c.input_in_names, c.output_in_names));
    if (c.write_input) write_file(dir_ / "pile.dat", minimal_input("T"));
    EXPECT_EQ(run(), c.status);
    // Names.dat is named with the working directory it was looked for in.
    const std::string where = c.write_names ? "" : dir_.path().string();
    EXPECT_EQ(console_text(), " *** ERROR: " + where + c.message + "\n");
  }
}

TEST_F(EntryTest, BadInputEndsTheRunWithReportsIntactAndClosed) {
  std::string input = minimal_input("BAD");
  input.replace(input.find("1 3 0 0"), 7, "1 3 x 0");
  write_file(dir_ / "pile.dat", input);
  write_file(dir_ / "Names.dat", names_dat("", "", "pile.dat"));
  const int status = run();
  EXPECT_EQ(status, kStatusInputMalformed);
  const std::string console = console_text();
  EXPECT_NE(console.find(" *** ERROR: pile.dat line 4, section control"), std::string::npos)
      << console;
  EXPECT_NE(read_file(dir_ / "run.run").find(" *** ERROR: pile.dat line 4, section control"),
            std::string::npos);
  EXPECT_NE(read_file(dir_ / "run.out").find("Time and Date of Analysis"), std::string::npos);
}

TEST_F(EntryTest, ASecondRunStartsFromAFreshModel) {
  std::string with_case = minimal_input("FIRST");
  with_case.replace(with_case.find("LOAD CASES\n0 0 0 0\n"), 19,
                    "LOAD CASES\n1 0 0 0\n0 0 0 1 0 100 100\n0.001 0.0001 1 0.1\nFIRST CASE\n"
                    "0 0 0 0 0 0 0\n0 1 1.0 0\n1\n100 0 0 0 0 0 0 0 0\n0\n0\n");
  write_file(dir_ / "pile.dat", with_case);
  write_file(dir_ / "Names.dat", names_dat("", "", "pile.dat"));
  ASSERT_EQ(run(), 0);
  ASSERT_NE(read_file(dir_ / "run.out").find("FIRST CASE"), std::string::npos);

  write_file(dir_ / "pile.dat", minimal_input("SECOND"));
  ASSERT_EQ(run(), 0);
  const std::string second = read_file(dir_ / "run.out");
  EXPECT_EQ(second.find("FIRST CASE"), std::string::npos) << "no data of the first run";
  EXPECT_EQ(second.find("LOAD CASE    :"), std::string::npos);
}

}  // namespace
}  // namespace tovek8
