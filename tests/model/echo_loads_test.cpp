// The headings, Table B and Table C of the input echo: the cap diagonal, the default load
// levels, cycles, print options, distributed-load axes, and the hand-over of the echo driver.
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
#include "model/echo_tables.h"
#include "platform/report_channels.h"

#include "tests/test_support.h"

namespace tovek8 {
namespace {

using namespace tovek8::test_support;

namespace fs = std::filesystem;

bool has_line(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The lines of `lines` that hold `text`.
std::vector<std::string> lines_holding(const std::vector<std::string>& lines,
                                       const std::string& text) {
  std::vector<std::string> found;
  for (const std::string& line : lines)
    if (line.find(text) != std::string::npos) found.push_back(line);
  return found;
}

// A model in English units with the shared constants of the entry, the output and runtime
// files of the run bound to scratch files of the test.
class EchoLoadsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    set_shared_constants(*model_);
    set_unit_labels(*model_, 1);
    control().units_system = 1;
    control().analysis_type = 3;
    const std::string stem = "tovek8_echo_loads_" + std::to_string(::getpid()) + "_" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name();
    output_path_ = fs::temp_directory_path() / (stem + ".out");
    runtime_path_ = fs::temp_directory_path() / (stem + ".run");
    ASSERT_TRUE(reports_.open(kOutputUnit, output_path_.string()));
    ASSERT_TRUE(reports_.open(kRuntimeUnit, runtime_path_.string()));
  }

  void TearDown() override {
    reports_.close_all();
    fs::remove(output_path_);
    fs::remove(runtime_path_);
  }

  std::vector<std::string> output() {
    reports_.close(kOutputUnit);
    return lines_of(read_file(output_path_));
  }
  std::vector<std::string> runtime() {
    reports_.close(kRuntimeUnit);
    return lines_of(read_file(runtime_path_));
  }

  ControlSettings& control() { return model_->input.control; }
  LoadCase& load_case(int k) { return model_->input.load_cases[k - 1]; }

  // `n` load cases with the control values every case needs.
  void add_load_cases(int n) {
    model_->input.case_header.n_load_cases = n;
    for (int k = 1; k <= n; ++k) {
      LoadCase& c = load_case(k);
      c.name = "CASE " + std::to_string(k);
      c.loading_kind = 1;
      c.scale_factor = 1.0;
      c.max_iter_foundation = 100;
      c.max_iter_pile = 100;
    }
  }

  std::unique_ptr<AnalysisModel> model_ = std::make_unique<AnalysisModel>();
  ReportChannels reports_{nullptr};
  fs::path output_path_;
  fs::path runtime_path_;
};

// Table B prints the cap as read; in 3D the later parts see the cap diagonal as its width.
TEST_F(EchoLoadsTest, CapWidthBecomesTheDiagonalAfterTableBOnlyIn3d) {
  struct Case {
    int analysis_type;
    double width_after;
  };
  for (const Case c : {Case{3, 5.0}, Case{2, 4.0}}) {
    SCOPED_TRACE(c.analysis_type);
    control().analysis_type = c.analysis_type;
    control().cap_option = 1;
    model_->input.cap = PileCap{3.0, 4.0, 1.0};
    echo_headings_and_cap(*model_, reports_);
    EXPECT_DOUBLE_EQ(model_->input.cap.cap_width, c.width_after);
  }
  const std::vector<std::string> lines = output();
  EXPECT_EQ(lines_holding(lines, "WIDTH, ZZ"),
            std::vector<std::string>(2, "     WIDTH, ZZ    ( IN ) =   4.0000E+00"));
}

// Table B is printed with cap option 1 or a cap whose dimensions add up to more than 1.0E-10.
TEST_F(EchoLoadsTest, TableBIsPrintedForAnEmbeddedCapOrAGivenCap) {
  struct Case {
    int cap_option;
    PileCap cap;
    const char* option_line;  // nullptr: no Table B
  };
  const Case cases[] = {
      {1, {0.0, 0.0, 0.0}, "     * PILE CAP IS EMBEDDED AND PASSIVE EARTH"},
      {0, {0.0, 0.0, 2.0e-10}, "     * PILE CAP DIMENSIONS ARE NOT CONSIDERED"},
      {2, {1.0, 0.0, 0.0}, "     * PILE CAP DIMENSIONS ARE NOT CONSIDERED"},
      {0, {0.0, 0.0, 0.0}, nullptr},
      {0, {0.5e-10, 0.0, 0.0}, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cap_option);
    model_ = std::make_unique<AnalysisModel>();
    set_shared_constants(*model_);
    set_unit_labels(*model_, 1);
    control().analysis_type = 2;
    control().cap_option = c.cap_option;
    model_->input.cap = c.cap;
    const fs::path path = output_path_.string() + ".case";
    ASSERT_TRUE(reports_.open(kOutputUnit, path.string()));
    echo_headings_and_cap(*model_, reports_);
    reports_.close(kOutputUnit);
    const std::vector<std::string> lines = lines_of(read_file(path));
    fs::remove(path);
    EXPECT_EQ(has_line(lines, "     * TABLE B *  PILE CAP OPTIONS"), c.option_line != nullptr);
    if (c.option_line != nullptr) {
      EXPECT_TRUE(has_line(lines, c.option_line));
    }
  }
}

// The number of cycles of a cyclic loading is printed with G10.2.
TEST_F(EchoLoadsTest, CyclesOfACyclicLoadingArePrintedInGeneralForm) {
  struct Case {
    int cycles;
    const char* line;
  };
  const Case cases[] = {
      {1, "     NO. OF CYCLES =,   1.0    "},    {5, "     NO. OF CYCLES =,   5.0    "},
      {25, "     NO. OF CYCLES =,   25.    "},   {100, "     NO. OF CYCLES =,  0.10E+03"},
      {2000, "     NO. OF CYCLES =,  0.20E+04"},
  };
  add_load_cases(static_cast<int>(std::size(cases)));
  for (int k = 1; k <= model_->input.case_header.n_load_cases; ++k) {
    load_case(k).loading_kind = 0;
    load_case(k).n_cycles = cases[k - 1].cycles;
  }
  echo_loads(*model_, reports_);
  std::vector<std::string> expected;
  for (const Case& c : cases) expected.push_back(c.line);
  EXPECT_EQ(lines_holding(output(), "NO. OF CYCLES"), expected);
}

// A loading kind other than 0 or 1 prints neither loading line.
TEST_F(EchoLoadsTest, AnUnknownLoadingKindPrintsNoLoadingLine) {
  add_load_cases(1);
  load_case(1).loading_kind = 2;
  echo_loads(*model_, reports_);
  const std::vector<std::string> lines = output();
  EXPECT_TRUE(lines_holding(lines, "* THE LOADING IS").empty());
  EXPECT_TRUE(has_line(lines, "     * CONTROL PARAMETERS *"));
}

// Print options of a case, of a combination (no blank before "NODE(S)") and of the envelopes.
TEST_F(EchoLoadsTest, PrintOptionLinesOfCasesCombinationsAndEnvelopes) {
  add_load_cases(1);
  load_case(1).print_option = 2;
  load_case(1).print_nodes = 5;
  model_->input.case_header.case_envelope_option = 1;
  model_->input.case_header.case_envelope_print = 3;  // along the piles, no node interval
  CombinationHeader& h = model_->input.combination_header;
  h.n_combinations = 2;
  h.comb_envelope_option = 2;
  h.comb_envelope_print = 2;
  h.comb_envelope_nodes = 12;
  for (int k = 0; k < 2; ++k) {
    LoadCombination& c = model_->input.combinations[k];
    c.loading_kind = 1;
    c.print_option = k == 0 ? 2 : 0;
    c.print_nodes = 7;
  }
  echo_loads(*model_, reports_);
  const std::vector<std::string> lines = output();
  EXPECT_EQ(lines_holding(lines, "PRINT RESULTS"),
            (std::vector<std::string>{
                "         PRINT RESULTS AT PILE CAP, PILE HEADS AND ALONG PILES",  // case
                "         PRINT RESULTS EVERY     5 NODE(S)",
                "         PRINT RESULTS AT PILE CAP, PILE HEADS AND ALONG PILES",  // case envelope
                "         PRINT RESULTS AT PILE CAP, PILE HEADS AND ALONG PILES",  // combination 1
                "         PRINT RESULTS EVERY     7NODE(S)",
                "         PRINT RESULTS ONLY AT PILE CAP",                         // combination 2
                "         PRINT RESULTS AT PILE CAP, PILE HEADS AND ALONG PILES",  // comb. envelope
                "         PRINT RESULTS EVERY    12 NODE(S)",
            }));
  EXPECT_TRUE(has_line(lines, "     ** LOAD CASES ENVELOPES **"));
  EXPECT_TRUE(has_line(lines, "     ** LOAD COMBINATION ENVELOPES **"));
}

// AXIS 1 is labelled GLOBAL and every other value LOCAL; the note on the axial component is
// printed when a load acts in global axes (AXIS 1) and the case takes it to the pile heads.
TEST_F(EchoLoadsTest, DistributedLoadAxesAndTheGlobalAxialNote) {
  struct Case {
    std::vector<int> axes;
    int global_axial_to_head;
    std::vector<const char*> labels;
    bool note;
  };
  const std::vector<Case> cases = {
      {{0, 1}, 1, {"LOCAL ", "GLOBAL"}, true},
      {{1}, 0, {"GLOBAL"}, false},
      {{2, -1, 0}, 1, {"LOCAL ", "LOCAL ", "LOCAL "}, false},
  };
  add_load_cases(static_cast<int>(cases.size()));
  for (std::size_t k = 0; k < cases.size(); ++k) {
    LoadCase& c = load_case(static_cast<int>(k) + 1);
    c.global_axial_to_head = cases[k].global_axial_to_head;
    c.n_distributed = static_cast<int>(cases[k].axes.size());
    for (int i = 0; i < c.n_distributed; ++i) {
      c.distributed[i] = DistributedLoad{i + 1, cases[k].axes[i], 1, 4, 1, 1, 1.0, 2, 0.5};
    }
  }
  echo_loads(*model_, reports_);
  const std::vector<std::string> lines = output();

  std::vector<std::string> expected_rows;
  int notes = 0;
  for (const Case& c : cases) {
    for (std::size_t i = 0; i < c.labels.size(); ++i) {
      expected_rows.push_back("        " + std::to_string(i + 1) + "   " + c.labels[i] +
                              "       1         4         1               1        1.0000"
                              "       2        0.5000 ");
    }
    notes += c.note ? 1 : 0;
  }
  std::vector<std::string> rows;
  for (const std::string& line : lines)
    if (line.find("       1         4         1") != std::string::npos) rows.push_back(line);
  EXPECT_EQ(rows, expected_rows);
  EXPECT_EQ(lines_holding(lines, "NOTE: FOR GLOBAL LOADING").size(),
            static_cast<std::size_t>(notes));
  EXPECT_TRUE(has_line(lines,
                       "     NOTE: FOR GLOBAL LOADING, AXIAL COMPONENT IS CONSIDERED AS "
                       "CONCENTRATED LOAD AT PILE HEAD"));
}

// With the stiffness option and no load levels the case gets the 10 default levels, stored
// back into the case and printed.
TEST_F(EchoLoadsTest, StiffnessOptionWithoutLevelsGetsAndPrintsTheDefaultLevels) {
  add_load_cases(1);
  load_case(1).stiffness_option = 1;
  echo_loads(*model_, reports_);
  const LoadCase& c = load_case(1);
  ASSERT_EQ(c.n_load_levels, 10);
  EXPECT_EQ(c.load_levels[0], 0.10000000149011612);
  for (int i = 2; i <= 10; ++i) EXPECT_DOUBLE_EQ(c.load_levels[i - 1], std::log10(double(i)));
  const std::vector<std::string> lines = output();
  EXPECT_TRUE(has_line(lines, "     * FOUNDATION STIFFNESS LOAD LEVELS *"));
  EXPECT_TRUE(has_line(lines, "        1          0.10000 "));
  EXPECT_TRUE(has_line(lines, "        2          0.30103 "));
  EXPECT_TRUE(has_line(lines, "       10          1.00000 "));
}

// The equivalent load printed with a case includes its scale factor; the unit lines follow
// the units system.
TEST_F(EchoLoadsTest, EquivalentLoadOfACaseIncludesTheScaleFactor) {
  set_unit_labels(*model_, 0);
  control().analysis_type = 2;
  add_load_cases(1);
  LoadCase& c = load_case(1);
  c.scale_factor = -2.0;
  c.n_concentrated = 1;
  c.concentrated[0] = ConcentratedLoad{10.0, 3.0, 1.0, 99.0, 99.0, 99.0, 2.0, 0.5, 99.0};
  echo_loads(*model_, reports_);
  const std::vector<std::string> lines = output();
  // Mz = 1 + 3*2 - 10*0.5 = 2; times -2.
  EXPECT_TRUE(has_line(lines, "              VER.LOAD X,  F    HOR.LOAD Y,  F    MOMENT,  F- L"));
  EXPECT_TRUE(has_line(lines, "                  -20.0000          -6.00000          -4.00000 "));
  EXPECT_TRUE(
      has_line(lines, "                 F            F           F- L          L            L"));
}

// A combination member names the first 26 characters of its load case; no such case: blanks.
TEST_F(EchoLoadsTest, CombinationMembersNameTheirLoadCases) {
  add_load_cases(1);
  load_case(1).name = "A LOAD CASE NAME LONGER THAN TWENTY-SIX CHARACTERS";
  model_->input.combination_header.n_combinations = 1;
  LoadCombination& c = model_->input.combinations[0];
  c.n_members = 2;
  c.member_case[0] = 1;
  c.member_factor[0] = 1.5;
  c.member_case[1] = 101;
  c.member_factor[1] = -0.75;
  echo_loads(*model_, reports_);
  const std::vector<std::string> lines = output();
  EXPECT_TRUE(
      has_line(lines, "        1         1          A LOAD CASE NAME LONGER TH           1.5000 "));
  EXPECT_TRUE(
      has_line(lines, "        2       101                                              -0.7500 "));
}

// KPYOP is held at 0 while the load cases run and kept aside; the runtime file closes with
// the completion line.
TEST_F(EchoLoadsTest, EchoDriverHandsOverKpyopAndClosesTheRuntimeFile) {
  for (int kpyop : {1, 0, -1}) {
    SCOPED_TRACE(kpyop);
    control().KPYOP = kpyop;
    int status = 0;
    echo_and_prepare(*model_, reports_, status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(model_->work.kpyop_input, kpyop);
    EXPECT_EQ(control().KPYOP, 0);
  }
  EXPECT_EQ(runtime(), std::vector<std::string>(3, "     ANALYSIS COMPLETED"));
}

// The reduction factors of Table K take their direction from the equivalent load of load case
// 1, scale factor included: a first case pulling in -y prints "(-)".
TEST_F(EchoLoadsTest, ReductionFactorDirectionsFollowTheFirstLoadCase) {
  struct Case {
    double hy, hz, scale;
    const char* y_sign;
    const char* z_sign;
  };
  const Case cases[] = {
      {-10.0, 10.0, 1.0, "(-)", "(+)"},
      {10.0, 0.0, -1.0, "(-)", "(+)"},
      {0.0, -5.0, 1.0, "(+)", "(-)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hy);
    model_ = std::make_unique<AnalysisModel>();
    set_shared_constants(*model_);
    set_unit_labels(*model_, 1);
    control().analysis_type = 3;
    control().reduction_factor_option = 1;
    add_load_cases(1);
    load_case(1).scale_factor = c.scale;
    load_case(1).n_concentrated = 1;
    load_case(1).concentrated[0].horizontal_y = c.hy;
    load_case(1).concentrated[0].horizontal_z = c.hz;
    model_->input.n_groups = 1;
    model_->input.groups[0].connect_y = 2;
    model_->input.groups[0].connect_z = 2;
    const fs::path path = output_path_.string() + ".case";
    ASSERT_TRUE(reports_.open(kOutputUnit, path.string()));
    int status = 0;
    echo_and_prepare(*model_, reports_, status);
    reports_.close(kOutputUnit);
    const std::vector<std::string> lines = lines_of(read_file(path));
    fs::remove(path);
    EXPECT_TRUE(has_line(lines, std::string("       ESTIMATED ASSUMING MOVEMENT IN THE DIRECTION "
                                            "OF Y-FORCE ") +
                                    c.y_sign));
    EXPECT_TRUE(has_line(lines, std::string("       ESTIMATED ASSUMING MOVEMENT IN THE DIRECTION "
                                            "OF Z-FORCE ") +
                                    c.z_sign));
  }
}

}  // namespace
}  // namespace tovek8
