// Layout writer: edit kernels against the GNU Fortran edit table, parsing, whole layouts.
#include "run/layout.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/run/golden/edit_table.h"

namespace tovek8 {
namespace {

// Collects finished lines; the open line stays in `line`.
class MemorySink : public LineSink {
 public:
  OpenLine& open_line() override { return line; }
  void finish_line() override {
    lines.push_back(line.text);
    line = OpenLine{};
  }
  std::vector<std::string> lines;
  OpenLine line;
};

// The field one descriptor writes for one row of the edit table.
std::string field_of(const testing::EditRow& row) {
  const Layout layout("(" + row.descriptor + ")");
  MemorySink sink;
  if (row.kind == 'R') layout.write(sink, row.real());
  if (row.kind == 'I') layout.write(sink, row.integer());
  if (row.kind == 'A') layout.write(sink, std::string_view(row.value));
  return sink.lines.size() == 1 ? sink.lines[0] : "<" + std::to_string(sink.lines.size()) + " lines>";
}

// The table is regenerated with gfortran from tests/run/golden/edit_table.f90 (see its header);
// the test itself only reads the committed output.
TEST(LayoutEditTable, EveryRowAsTheFortranRuntimeWritesIt) {
  const std::vector<testing::EditRow> rows = testing::read_edit_table();
  ASSERT_GT(rows.size(), 9000u) << "edit table missing or cut short";
  int checked = 0;
  int failures = 0;
  for (const testing::EditRow& row : rows) {
    if (row.kind == 'W') continue;  // the number writer's rows have their own test
    ++checked;
    const std::string got = field_of(row);
    if (got == row.field) continue;
    if (++failures <= 40)
      ADD_FAILURE() << "edit_table.txt:" << row.line << " " << row.descriptor << " of "
                    << row.value << "\n  expected [" << row.field << "]\n  got      [" << got
                    << "]";
  }
  EXPECT_EQ(failures, 0) << "of " << checked << " rows";
}

}  // namespace
}  // namespace tovek8
