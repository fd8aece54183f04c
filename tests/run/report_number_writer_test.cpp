// Report number writer: layout chosen per value, open lines, blanks and the end of a row.
#include "run/report_number_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/run/golden/edit_table.h"

namespace tovek8 {
namespace {

namespace fs = std::filesystem;

class ReportNumberWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = fs::temp_directory_path() /
            ("tovek8_numbers_" +
             std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".out");
    ASSERT_TRUE(reports_.open(kOutputUnit, path_.string()));
  }
  void TearDown() override { fs::remove(path_); }

  // The text of the open line of the output unit.
  const std::string& open_text() { return reports_.sink(kOutputUnit).open_line().text; }
  // The file's lines after closing the unit.
  std::vector<std::string> file_lines() {
    reports_.close(kOutputUnit);
    std::ifstream in(path_);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  // One value written alone on a line; the line is then discarded.
  std::string field(int width, int digits, double value) {
    numbers_.write_real(kOutputUnit, width, digits, value);
    std::string text = open_text();
    numbers_.end_line(kOutputUnit);
    return text;
  }

  fs::path path_;
  ReportChannels reports_{nullptr};
  ReportNumberWriter numbers_{reports_};
};

// Every W row of the edit table printed with gfortran from edit_table.f90, which applies the
// writer's rule and writes the value with the layout the rule picks.
TEST_F(ReportNumberWriterTest, EveryRowOfTheFortranEditTable) {
  int checked = 0;
  int failures = 0;
  for (const testing::EditRow& row : testing::read_edit_table()) {
    if (row.kind != 'W') continue;
    ++checked;
    const std::size_t point = row.descriptor.find('.');
    const int width = std::stoi(row.descriptor.substr(0, point));
    const int digits = std::stoi(row.descriptor.substr(point + 1));
    const std::string got = field(width, digits, row.real());
    if (got == row.field) continue;
    if (++failures <= 40)
      ADD_FAILURE() << "edit_table.txt:" << row.line << " width " << width << " digits " << digits
                    << " of " << row.value << "\n  expected [" << row.field << "]\n  got      ["
                    << got << "]";
  }
  EXPECT_GT(checked, 1000) << "edit table missing or cut short";
  EXPECT_EQ(failures, 0) << "of " << checked << " rows";
}

struct NumberCase {
  const char* what;
  int width;
  int digits;
  double value;
  const char* field;
};

TEST_F(ReportNumberWriterTest, FixedOrScientificByMagnitude) {
  const std::vector<NumberCase> cases = {
      {"two decimals for hundreds", 12, 4, 123.456, "      123.46"},
      {"four decimals below one", 12, 4, 0.5, "      0.5000"},
      {"the upper bound goes scientific", 12, 4, 10000.0, "  1.0000E+04"},
      {"below the lower bound", 12, 4, 0.05, "  5.0000E-02"},
      {"zero", 12, 4, 0.0, "      0.0000"},
      {"negative zero as zero", 12, 4, -0.0, "      0.0000"},
      {"1.0E-60 as zero", 12, 4, 1.0E-60, "      0.0000"},
      {"a negative value below 1.0E-50 as zero", 12, 4, -3.0E-51, "      0.0000"},
      {"1.0E-50 itself is not zero", 12, 4, 1.0E-50, "  1.0000E-50"},
      {"0.1 lies below the single-precision 0.1", 12, 4, 0.1, "  1.0000E-01"},
      {"the single-precision lower bound itself", 12, 4, 0.10000000149011612, "  1.0000E-01"},
      {"just above the single-precision lower bound", 12, 4, 0.10000000149011613, "      0.1000"},
      {"lower bound of 5 digits", 12, 5, 0.009999999776482582, " 1.00000E-02"},
      {"just above it, 8 decimals are too many", 12, 5, 0.0099999998, " 1.00000E-02"},
      {"5 digits: 0.0123 with 7 decimals", 12, 5, 0.0123, "   0.0123000"},
      {"6 digits: 0.05 with 8 decimals", 12, 6, 0.05, "  0.05000000"},
      {"6 digits: 0.005 scientific", 12, 6, 0.005, "5.000000E-03"},
      {"negative values take the sign in the field", 12, 4, -123.456, "     -123.46"},
      {"just below the upper bound rounds up", 12, 4, 9999.99999, "     10000.0"},
      {"too narrow for the value", 5, 4, -1234.5, "*****"},
      {"width 5 drops the zero before the point", 5, 4, 0.5, ".5000"},
      {"width 18 with 5 digits", 18, 5, 1.0e10, "       1.00000E+10"},
      {"exponent above 99", 12, 4, 1.5e150, "  1.5000+150"},
  };
  for (const NumberCase& c : cases) EXPECT_EQ(field(c.width, c.digits, c.value), c.field) << c.what;
}

TEST_F(ReportNumberWriterTest, ARowContinuesTheLabelAndEndsWithOneBlank) {
  static const Layout kLabel{R"((5X,"GROUP",I3,2X,$))"};
  reports_.write(kOutputUnit, kLabel, 7);
  numbers_.write_real(kOutputUnit, 12, 4, 1.5);
  numbers_.write_blanks(kOutputUnit, 0);
  numbers_.write_blanks(kOutputUnit, -3);
  numbers_.write_int(kOutputUnit, 5, 42);
  numbers_.write_blanks(kOutputUnit, 3);
  numbers_.write_int(kOutputUnit, 2, 123);
  numbers_.end_line(kOutputUnit);
  numbers_.write_blanks(kOutputUnit, 4);
  numbers_.write_real(kOutputUnit, 8, 4, -0.25);
  numbers_.end_line(kOutputUnit);
  numbers_.end_line(kOutputUnit);
  EXPECT_EQ(file_lines(), (std::vector<std::string>{
                              "     GROUP  7        1.5000   42   ** ",
                              "     -0.2500 ",
                              " ",
                          }));
}

TEST_F(ReportNumberWriterTest, ALayoutAfterTheNumbersContinuesTheLine) {
  static const Layout kUnit{R"((" ",A))"};
  numbers_.write_real(kOutputUnit, 12, 4, 2.0);
  reports_.write(kOutputUnit, kUnit, "IN");
  EXPECT_EQ(file_lines(), (std::vector<std::string>{"      2.0000 IN"}));
}

}  // namespace
}  // namespace tovek8
