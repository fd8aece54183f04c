// Layout writer: edit kernels against the GNU Fortran edit table, parsing, whole layouts.
#include "run/layout.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/run/golden/edit_table.h"

// Allocations through operator new while `g_counting` is set; the rest of the binary is
// unaffected.
namespace {
std::atomic<bool> g_counting{false};
std::atomic<long> g_allocations{0};
}  // namespace

// GCC sees the replaced new and delete inlined as malloc and free and warns of a mismatch
// that is not there: both sides of the pair are replaced together.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(std::size_t size) {
  if (g_counting) ++g_allocations;
  if (void* p = std::malloc(size != 0 ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

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
  return sink.lines.size() == 1 ? sink.lines[0]
                                : "<" + std::to_string(sink.lines.size()) + " lines>";
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
      ADD_FAILURE() << "edit_table.txt:" << row.line << " " << row.descriptor << " of " << row.value
                    << "\n  expected [" << row.field << "]\n  got      [" << got << "]";
  }
  EXPECT_EQ(failures, 0) << "of " << checked << " rows";
}

std::string blanks(int n) {
  return std::string(static_cast<std::size_t>(n), ' ');
}

// One layout written once: the lines it finishes and the text it leaves open.
struct WholeLayoutCase {
  const char* what;
  const char* layout;
  std::vector<LayoutArg> args;
  std::vector<std::string> lines;
  std::string open = {};
};

TEST(LayoutWrite, WholeLayouts) {
  // clang-format off
  const std::vector<WholeLayoutCase> cases = {
      {"literal, nX and A80 right-justified", R"((5X,"READING ",A80))", {"TITLE"}, {blanks(5) + "READING " + blanks(75) + "TITLE"}},
      {"A shorter, longer and free", R"((A3,"|",A8,"|",A,"|"))", {"abcdef", "ab", "free"}, {"abc|      ab|free|"}},
      {"A of an empty text", R"(("<",3X,A,2X,">"))", {""}, {"<     >"}},
      {"repeat count", "(3F8.3)", {1.0, 2.0, 3.0}, {"   1.000   2.000   3.000"}},
      {"nested groups", "(2(I2,3(I2)))", {1, 2, 3, 4, 5, 6, 7, 8}, {" 1 2 3 4 5 6 7 8"}},
      {"reversion to the last top-level group", R"((I3,2(I2,"x"),"|"))", {1, 2, 3, 4, 5, 6, 7}, {"  1 2x 3x|", " 4x 5x|", " 6x 7x|"}},
      {"reversion to the start without a group", R"((I3,",",I3))", {1, 2, 3, 4, 5}, {"  1,  2", "  3,  4", "  5,"}},
      {"reversion to a group holding a group", R"(("h",I2,2(I2,1(I2))))", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {"h 1 2 3 4 5", " 6 7 8 9", "10"}},
      {"literals up to the first descriptor without an item", R"((I3," units ",I3," more"))", {7}, {"  7 units "}},
      {"literal inside a group before the missing item", R"((I2,2("a",I2),3X))", {1}, {" 1a"}},
      {"nX at the end of the line writes nothing", "(I3,5X)", {7}, {"  7"}},
      {"nX before more output gives blanks", R"(("<",I3,5X,">"))", {7}, {"<  7     >"}},
      {"1P carries to later E and F fields until 0P", "(1P,E12.4,E12.4,F8.2,0P,E12.4)", {1.5, 2.5, 3.5, 4.5}, {"  1.5000E+00  2.5000E+00   35.00  0.4500E+01"}},
      {"1P carries through reversion", "(I3,1P,2(E11.3))", {1, 1.0, 2.0, 3.0, 4.0, 5.0}, {"  1  1.000E+00  2.000E+00", "  3.000E+00  4.000E+00", "  5.000E+00"}},
      {"1P before a literal", R"((5X,1P,"* CONTROL *",E12.5))", {0.001}, {"     * CONTROL * 1.00000E-03"}},
      {"1PE written together", "(1PE12.4,E12.4)", {123.456, 0.5}, {"  1.2346E+02  5.0000E-01"}},
      {"slashes make lines, also empty ones", R"((/,"a",//,"b",/))", {}, {"", "a", "", "b", ""}},
      {"slashes without commas", "(12X,A5,//)", {"title"}, {blanks(12) + "title", "", ""}},
      {"empty layout", "()", {}, {""}},
      {"quotes, doubled quotes and H", R"(('it''s',"say ""hi""",1H*,3H- -))", {}, {"it's" R"(say "hi"*- -)"}},
      {"lower case and blanks in descriptors", "( i3, f6.2 ,1p e10.2)", {5, 1.25, 3.0}, {"  5  1.25  3.00E+00"}},
      {"minimum digits and I of zero with none", "(I4.2,I3.0)", {7, 0}, {"  07   "}},
      {"dollar leaves the line open", R"((5X,"A",2X,$))", {}, {}, blanks(5) + "A"},
      {"backslash leaves the line open", R"((5X,I3,\))", {12}, {}, blanks(5) + " 12"},
      {"a line of a dollar layout ends at reversion", "(I3,$)", {1, 2}, {"  1"}, "  2"},
  };
  // clang-format on
  for (const WholeLayoutCase& c : cases) {
    MemorySink sink;
    Layout(c.layout).write(sink, std::span<const LayoutArg>(c.args));
    EXPECT_EQ(sink.lines, c.lines) << c.what << ": " << c.layout;
    EXPECT_EQ(sink.line.text, c.open) << c.what << ": " << c.layout;
    EXPECT_EQ(sink.line.open, !c.open.empty()) << c.what << ": " << c.layout;
  }
}

// Two writes, the first ending in "$": the second continues its line.
struct ContinuedCase {
  const char* what;
  const char* first;
  const char* second;
  std::vector<std::string> lines;
};

TEST(LayoutWrite, OpenLineContinues) {
  // clang-format off
  const std::vector<ContinuedCase> cases = {
      {"pending nX of the open line gives blanks", R"((5X,"ab",3X,$))", R"((2X,"cd"))", {"     ab     cd"}},
      {"pending nX dropped when the line ends", R"(("a",4X,$))", "()", {"a"}},
      {"a slash ends the open line", R"(("abc",$))", R"((/,"def"))", {"abc", "def"}},
      {"a leading nX of the open line is kept", R"((5X,$))", R"(("x"))", {"     x"}},
  };
  // clang-format on
  for (const ContinuedCase& c : cases) {
    MemorySink sink;
    Layout(c.first).write(sink);
    Layout(c.second).write(sink);
    EXPECT_EQ(sink.lines, c.lines) << c.what;
    EXPECT_FALSE(sink.line.open) << c.what;
    EXPECT_EQ(sink.line.text, "") << c.what;
  }
}

TEST(LayoutParse, ItemsOfAReportLayout) {
  using Op = Layout::Op;
  const Layout layout(R"((/,5X,"LOAD CASE : ",I5,3F13.5,1PE12.4,2(I8.2,2X),G10.2,A,A3,$))");
  struct Expected {
    Op op;
    int count, width, digits, jump;
  };
  const std::vector<Expected> expected = {
      {Op::EndLine, 1, 0, 0, 0},   {Op::Blanks, 5, 0, 0, 0},      {Op::Literal, 1, 0, 0, 0},
      {Op::Integer, 1, 5, -1, 0},  {Op::Fixed, 3, 13, 5, 0},      {Op::Scale, 1, 0, 0, 0},
      {Op::Exponent, 1, 12, 4, 0}, {Op::GroupBegin, 2, 0, 0, 10}, {Op::Integer, 1, 8, 2, 0},
      {Op::Blanks, 2, 0, 0, 0},    {Op::GroupEnd, 1, 0, 0, 7},    {Op::General, 1, 10, 2, 0},
      {Op::Text, 1, 0, -1, 0},     {Op::Text, 1, 3, -1, 0},       {Op::KeepOpen, 1, 0, 0, 0},
  };
  ASSERT_EQ(layout.items().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const Layout::Item& item = layout.items()[i];
    EXPECT_EQ(item.op, expected[i].op) << "item " << i;
    EXPECT_EQ(item.count, expected[i].count) << "item " << i;
    EXPECT_EQ(item.width, expected[i].width) << "item " << i;
    EXPECT_EQ(item.digits, expected[i].digits) << "item " << i;
    EXPECT_EQ(item.jump, expected[i].jump) << "item " << i;
  }
  EXPECT_EQ(layout.items()[2].literal, "LOAD CASE : ");
  EXPECT_EQ(layout.notation(),
            R"((/,5X,"LOAD CASE : ",I5,3F13.5,1PE12.4,2(I8.2,2X),G10.2,A,A3,$))");
}

TEST(LayoutParse, MalformedLayoutsAreRejected) {
  // clang-format off
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"I5)", "layout I5): missing opening parenthesis at column 1"},
      {"(I5", "layout (I5: missing closing parenthesis at column 4"},
      {"(I5))", "layout (I5)): text after the closing parenthesis at column 5"},
      {"(F8)", "layout (F8): descriptor without digits at column 4"},
      {"(E.5)", "layout (E.5): descriptor without a width at column 3"},
      {"(F8.)", "layout (F8.): missing digits after the point at column 5"},
      {"(A0)", "layout (A0): A with a width of zero at column 4"},
      {"(0I5)", "layout (0I5): repeat count of zero at column 2"},
      {"(Q5)", "layout (Q5): unknown descriptor at column 2"},
      {"(T10,I5)", "layout (T10,I5): unknown descriptor at column 2"},
      {R"((3"x"))", R"(layout (3"x"): repeat count before a literal at column 3)"},
      {R"(("abc))", R"(layout ("abc): unterminated literal at column 2)"},
      {"(9H abc)", "layout (9H abc): H text runs past the end at column 4"},
      {"(-I5)", "layout (-I5): sign without a number at column 3"},
      {"(-1X)", "layout (-1X): signed number before a descriptor at column 4"},
      {"(100P,E12.4)", "layout (100P,E12.4): scale factor out of range at column 6"},
      {"(I1000)", "layout (I1000): number too large at column 6"},
      {"(((((((((((((((((I1)))))))))))))))))", "layout (((((((((((((((((I1))))))))))))))))): groups nested too deep at column 17"},
  };
  // clang-format on
  for (const auto& [notation, message] : cases) {
    try {
      Layout layout(notation);
      ADD_FAILURE() << notation << " was accepted";
    } catch (const std::invalid_argument& e) {
      EXPECT_STREQ(e.what(), message);
    }
  }
}

// The kernels called directly: fields beyond what any layout uses are asterisks, never a
// buffer overrun.
TEST(LayoutKernels, OversizedFieldsAreAsterisks) {
  std::string out;
  edit_fixed(out, 10, 500, 1.0);
  edit_fixed(out, 10, 150, 1.0, -99);
  edit_exponent(out, 10, 500, 1.0);
  edit_exponent(out, 10, 50, 1.0, 200);
  edit_general(out, 10, 300, 1.0);
  EXPECT_EQ(out, std::string(50, '*'));
  out.clear();
  edit_fixed(out, 400, 190, 1.0e300, 99);
  EXPECT_EQ(out, std::string(400, '*')) << "1.0E399 needs 400 integer digits";
  out.clear();
  edit_integer(out, 3, 5, 7);
  edit_text(out, 4, "");
  EXPECT_EQ(out, "***    ");
}

// A line sink that drops its lines, for counting allocations.
class DiscardSink : public LineSink {
 public:
  DiscardSink() { line_.text.reserve(512); }
  OpenLine& open_line() override { return line_; }
  void finish_line() override {
    line_.text.clear();
    line_.pending_blanks = 0;
    line_.open = false;
  }

 private:
  OpenLine line_;
};

TEST(LayoutWrite, WritingAllocatesNothing) {
  static const Layout kRow{R"((5X,I5,2X,3F13.5,1P,2E12.4,G10.2,2(A8,1X),"|",$))"};
  static const Layout kEnd{"(1X,I3.2,0P,E13.5,F9.1)"};
  DiscardSink sink;
  g_allocations = 0;
  g_counting = true;
  for (int i = 0; i < 100; ++i) {
    kRow.write(sink, i, 1.5 * i, -2.25, 1.0e-7 * i, 123.456, 1.0e12, 0.05 * i, "PILE", "GROUP 12");
    kEnd.write(sink, i, 1.0e-120 * i, 7.5);
  }
  g_counting = false;
  EXPECT_EQ(g_allocations.load(), 0);
}

}  // namespace
}  // namespace tovek8
