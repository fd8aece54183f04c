// Golden reports of the whole input echo: an input file is read and echoed, and the output
// file is compared line by line with an expected file written by hand from the layouts.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "model/analysis_model.h"
#include "model/echo_and_prepare.h"
#include "model/input_reader.h"
#include "platform/report_channels.h"

#include "tests/test_support.h"

namespace tovek8 {
namespace {

using namespace tovek8::test_support;

namespace fs = std::filesystem;

fs::path golden(const std::string& name) {
  return fs::path(TOVEK8_TEST_DATA_DIR) / "model" / "golden" / name;
}

fs::path example(const std::string& name) {
  return fs::path(TOVEK8_EXAMPLES_DIR) / name;
}

// The files of one echo run: the output file and the runtime file of the report channels.
struct EchoRun {
  std::unique_ptr<AnalysisModel> model = std::make_unique<AnalysisModel>();
  int status = 0;
  std::vector<std::string> output;
  std::vector<std::string> runtime;
};

// Reads `input` as the entry does (shared constants first) and echoes it.
EchoRun echo_input_file(const fs::path& input) {
  EchoRun run;
  std::string stem = "tovek8_echo_golden_" + std::to_string(::getpid()) + "_" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name();
  std::replace(stem.begin(), stem.end(), '/', '_');  // parameterised test names hold a '/'
  const fs::path output = fs::temp_directory_path() / (stem + ".out");
  const fs::path runtime = fs::temp_directory_path() / (stem + ".run");
  {
    ReportChannels reports(nullptr);
    EXPECT_TRUE(reports.open(kOutputUnit, output.string()));
    EXPECT_TRUE(reports.open(kRuntimeUnit, runtime.string()));
    set_shared_constants(*run.model);
    read_input_file(*run.model, reports, input.filename().string(), read_file(input));
    echo_and_prepare(*run.model, reports, run.status);
    reports.close_all();
  }
  run.output = lines_of(read_file(output));
  run.runtime = lines_of(read_file(runtime));
  fs::remove(output);
  fs::remove(runtime);
  return run;
}

// Compares line by line, naming the first line that differs (blanks shown as '.').
void expect_same_lines(const std::vector<std::string>& actual,
                       const std::vector<std::string>& expected) {
  const auto visible = [](std::string s) {
    std::replace(s.begin(), s.end(), ' ', '.');
    return s;
  };
  const std::size_t n = std::min(actual.size(), expected.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (actual[i] != expected[i]) {
      ADD_FAILURE() << "line " << i + 1 << " differs\n  expected: " << visible(expected[i])
                    << "\n  actual:   " << visible(actual[i]);
      return;
    }
  }
  EXPECT_EQ(actual.size(), expected.size()) << "the reports differ in length after line " << n;
}

// The lines from the first one holding `from` up to, not including, the first one after it
// holding `to` (to the end when `to` is empty).
std::vector<std::string> lines_between(const std::vector<std::string>& lines,
                                       const std::string& from, const std::string& to) {
  const auto holds = [](const std::string& text) {
    return [&text](const std::string& line) { return line.find(text) != std::string::npos; };
  };
  auto first = std::find_if(lines.begin(), lines.end(), holds(from));
  auto last = to.empty() ? lines.end() : std::find_if(first, lines.end(), holds(to));
  return std::vector<std::string>(first, last);
}

TEST(EchoGolden, ThreeDimensionalInputWithEveryOptionalSection) {
  const EchoRun run = echo_input_file(golden("echo_full_3d.dat"));
  EXPECT_EQ(run.status, 0);
  expect_same_lines(run.output, lines_of(read_file(golden("echo_full_3d.expected"))));
}

TEST(EchoGolden, TwoDimensionalInputInSiUnitsWithoutSoilLayers) {
  const EchoRun run = echo_input_file(golden("echo_2d.dat"));
  EXPECT_EQ(run.status, 0);
  expect_same_lines(run.output, lines_of(read_file(golden("echo_2d.expected"))));
}

// The working tables the analyses will read, after the whole echo of the 3D input.
TEST(EchoGolden, ThreeDimensionalInputLeavesTheWorkingTablesAndTheHandOver) {
  const EchoRun run = echo_input_file(golden("echo_full_3d.dat"));
  const AnalysisModel& m = *run.model;
  EXPECT_DOUBLE_EQ(m.input.cap.cap_width, std::sqrt(120.0 * 120.0 + 96.0 * 96.0));
  EXPECT_EQ(m.input.load_cases[0].n_load_levels, 10);  // the default levels, stored back
  EXPECT_EQ(m.input.load_cases[1].n_load_levels, 3);
  EXPECT_EQ(m.work.n_piles, 4);
  EXPECT_EQ(m.work.kpyop_input, 1);
  EXPECT_EQ(m.input.control.KPYOP, 0);
  ASSERT_FALSE(run.runtime.empty());
  EXPECT_EQ(run.runtime.back(), "     ANALYSIS COMPLETED");
}

// The bundled examples: the echo up to Table H is fixed by the input alone; Tables H, I and K
// follow (their generated curves and computed factors come from the analyses).
struct ExampleCase {
  const char* input;
  const char* expected;
  std::vector<std::string> later_headings;
};

void PrintTo(const ExampleCase& c, std::ostream* os) {
  *os << c.input;
}

class ExampleEcho : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(ExampleEcho, EchoesTablesBToGAsExpectedAndThenTheCurveAndFactorTables) {
  const ExampleCase& c = GetParam();
  const EchoRun run = echo_input_file(example(c.input));
  EXPECT_EQ(run.status, 0);
  expect_same_lines(lines_between(run.output, "", "* TABLE H *"),
                    lines_of(read_file(golden(c.expected))));
  const std::vector<std::string> rest = lines_between(run.output, "* TABLE H *", "");
  auto at = rest.begin();
  for (const std::string& heading : c.later_headings) {
    at = std::find(at, rest.end(), heading);
    EXPECT_NE(at, rest.end()) << "missing, or out of order: " << heading;
  }
  ASSERT_FALSE(run.runtime.empty());
  EXPECT_EQ(run.runtime.back(), "     ANALYSIS COMPLETED");
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ExampleEcho,
    ::testing::Values(
        ExampleCase{"group3x3/group3x3.dat",
                    "group3x3_to_table_g.expected",
                    {"     * TABLE H *   AXIAL LOAD VS SETTLEMENT ",
                     "     * TABLE I *   TORS. MOM. VS ANGLE ROT. ",
                     "     * TABLE K *   REDUCTION FACTORS        ",
                     "       REDUCTION FACTORS FOR CLOSELY-SPACED PILE GROUPS ALONG Y-DIRECTION",
                     "       ESTIMATED ASSUMING MOVEMENT IN THE DIRECTION OF Y-FORCE (+)",
                     "       REDUCTION FACTORS FOR CLOSELY-SPACED PILE GROUPS ALONG Z-DIRECTION",
                     "       ESTIMATED ASSUMING MOVEMENT IN THE DIRECTION OF Z-FORCE (+)"}},
        ExampleCase{"group2d/group2d.dat",
                    "group2d_to_table_g.expected",
                    {"     * TABLE H *   AXIAL LOAD VS SETTLEMENT ",
                     "     * TABLE I *   TORS. MOM. VS ANGLE ROT. ",
                     "     * TABLE K *   REDUCTION FACTORS        ",
                     "       REDUCTION FACTORS FOR CLOSELY-SPACED PILE GROUPS"}}),
    [](const auto& info) {
      return std::string(info.param.input).substr(0, std::string(info.param.input).find('/'));
    });

}  // namespace
}  // namespace tovek8
