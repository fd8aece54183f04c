// Free-format records and text lines: separators, lines, null and repeated values, number
// forms, quoted texts, and the messages of bad input.
#include "model/free_format_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/fatal_error.h"

namespace tovek8 {
namespace {

// Reads one record of n integers from the text; fields start at -9 so null values show.
std::vector<int> read_ints(FreeFormatReader& r, int n) {
  std::vector<int> v(static_cast<std::size_t>(n), -9);
  r.begin_record("record #", {1});
  for (int& x : v) r.read_int(x);
  r.end_record();
  return v;
}

std::vector<double> read_reals(FreeFormatReader& r, int n) {
  std::vector<double> v(static_cast<std::size_t>(n), -9.0);
  r.begin_record("record #", {1});
  for (double& x : v) r.read_real(x);
  r.end_record();
  return v;
}

// The error of reading one record of one value of the given kind from the text.
struct Failure {
  int status = 0;
  std::string message;
};
Failure failure_of(std::string_view text, char kind) {
  FreeFormatReader r("in.dat", text);
  r.set_section("tests");
  try {
    r.begin_record("record # of item #", {2, 7});
    int i = 0;
    double d = 0.0;
    std::string s;
    if (kind == 'i') r.read_int(i);
    if (kind == 'r') r.read_real(d);
    if (kind == 't') r.read_text(s, 80);
    r.end_record();
  } catch (const FatalRunError& e) {
    return {e.status(), e.what()};
  }
  return {};
}

TEST(FreeFormatReader, ARecordTakesTheLinesItNeedsAndIgnoresTheRestOfTheLast) {
  FreeFormatReader r("in.dat", "1 2\n\n  3 4 5\n6,7\n");
  EXPECT_EQ(read_ints(r, 3), (std::vector<int>{1, 2, 3})) << "a blank line is skipped";
  EXPECT_EQ(read_ints(r, 1), (std::vector<int>{6})) << "4 and 5 were ignored";
  FreeFormatReader split("in.dat", "1\n2\n3\n");
  FreeFormatReader whole("in.dat", "1 2 3\n");
  EXPECT_EQ(read_ints(split, 3), read_ints(whole, 3));
}

TEST(FreeFormatReader, SeparatorsNullValuesRepeatsAndSlash) {
  struct Case {
    const char* text;
    std::vector<int> expected;  // -9: the field kept its value
  };
  const Case cases[] = {
      {"1,2 , 3\t4", {1, 2, 3, 4}}, {"1,\n2 ,\r3,4,", {1, 2, 3, 4}}, {"1,,3 4", {1, -9, 3, 4}},
      {",2 3 4", {-9, 2, 3, 4}},    {"1, ,3 4", {1, -9, 3, 4}},      {"1,\n,3 4", {1, -9, 3, 4}},
      {"3*7 8", {7, 7, 7, 8}},      {"2* 5 6", {-9, -9, 5, 6}},      {"1 5*2", {1, 2, 2, 2}},
      {"1 2/ 3 4", {1, 2, -9, -9}}, {"1 /", {1, -9, -9, -9}},        {"1,2,/", {1, 2, -9, -9}},
  };
  for (const Case& c : cases) {
    const std::string text = std::string(c.text) + "\n99\n";
    FreeFormatReader r("in.dat", text);
    EXPECT_EQ(read_ints(r, 4), c.expected) << c.text;
    EXPECT_EQ(read_ints(r, 1), (std::vector<int>{99})) << c.text << ": the next record";
  }
}

TEST(FreeFormatReader, RealFieldsTakeEveryFortranNumericForm) {
  struct Case {
    const char* text;
    double expected;
  };
  const Case cases[] = {
      {"5", 5.0},        {"5.", 5.0},        {".5", 0.5},     {"-1.5E3", -1500.0},
      {"1.5D3", 1500.0}, {"1.5d-3", 0.0015}, {"+2", 2.0},     {"1.5e+03", 1500.0},
      {"1.5+3", 1500.0}, {"1.5-3", 0.0015},  {"-.25", -0.25}, {"007", 7.0},
      {"1E-400", 0.0},   {"3*2.5", 2.5},     {"0.1", 0.1},    {"1.0e0000000005", 1.0e5},
  };
  for (const Case& c : cases) {
    FreeFormatReader r("in.dat", c.text);
    EXPECT_EQ(read_reals(r, 1)[0], c.expected) << c.text;
  }
}

TEST(FreeFormatReader, TextValuesArePaddedCutAndMayBeQuoted) {
  struct Case {
    const char* text;
    std::string expected;  // before padding to 20
  };
  const Case cases[] = {
      {"HP14x73 rest", "HP14x73"},
      {"'PIPE 24, STEEL' rest", "PIPE 24, STEEL"},
      {"\"A/B\"", "A/B"},
      {"'it''s'", "it's"},
      {"\"say \"\"x\"\"\"", "say \"x\""},
      {"''", ""},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ABCDEFGHIJKLMNOPQRST"},
      {"2*'W 8'", "W 8"},
  };
  for (const Case& c : cases) {
    FreeFormatReader r("in.dat", c.text);
    std::string name = "old";
    r.begin_record("name");
    r.read_text(name, 20);
    r.end_record();
    std::string expected = c.expected;
    expected.resize(20, ' ');
    EXPECT_EQ(name, expected) << c.text;
  }
}

TEST(FreeFormatReader, TextLinesHaveAFixedWidthAndAnyLineEnd) {
  FreeFormatReader r("in.dat",
                     "\xEF\xBB\xBFshort\r\n  'quoted', 1 / 2  \nABCDEFGHIJ\nlast without end");
  EXPECT_EQ(r.read_text_line("line", {}, 8), "short   ") << "byte order mark and CR dropped";
  EXPECT_EQ(r.read_text_line("line", {}, 24), "  'quoted', 1 / 2       ") << "read as it stands";
  EXPECT_EQ(r.read_text_line("line", {}, 4), "ABCD") << "cut";
  EXPECT_EQ(r.read_text_line("line", {}, 16), "last without end");
  try {
    r.set_section("title");
    r.read_text_line("title line #", {2}, 80);
    FAIL() << "no line is left";
  } catch (const FatalRunError& e) {
    EXPECT_EQ(e.status(), kStatusInputEnded);
    EXPECT_STREQ(e.what(),
                 "in.dat line 4, section title, title line 2: expected a line of text, found the "
                 "end of the file");
  }
}

TEST(FreeFormatReader, ARecordWithAnEmptyListStillTakesALine) {
  FreeFormatReader r("in.dat", "1 2\n\n3\n");
  read_ints(r, 1);
  r.begin_record("empty");
  r.end_record();  // takes the empty line
  EXPECT_EQ(read_ints(r, 1), (std::vector<int>{3}));
  r.set_section("s");
  r.begin_record("empty");
  try {
    r.end_record();
    FAIL() << "the file has ended";
  } catch (const FatalRunError& e) {
    EXPECT_EQ(e.status(), kStatusInputEnded);
    EXPECT_STREQ(e.what(),
                 "in.dat line 3, section s, empty: expected a record, found the end of "
                 "the file");
  }
}

TEST(FreeFormatReader, BadValuesEndTheRunWithTheirLineSectionRecordAndToken) {
  struct Case {
    const char* text;
    char kind;  // i integer, r real, t text
    int status;
    const char* message;
    int line = 1;
  };
  const Case cases[] = {
      {"1.2x", 'r', kStatusInputMalformed, "expected a real number, found \"1.2x\""},
      {"abc", 'r', kStatusInputMalformed, "expected a real number, found \"abc\""},
      {"1.5e", 'r', kStatusInputMalformed, "expected a real number, found \"1.5e\""},
      {".", 'r', kStatusInputMalformed, "expected a real number, found \".\""},
      {"-", 'r', kStatusInputMalformed, "expected a real number, found \"-\""},
      {"1..2", 'r', kStatusInputMalformed, "expected a real number, found \"1..2\""},
      {"1.5E+3.0", 'r', kStatusInputMalformed, "expected a real number, found \"1.5E+3.0\""},
      {"0x10", 'r', kStatusInputMalformed, "expected a real number, found \"0x10\""},
      {"Infinity", 'r', kStatusInputMalformed, "expected a real number, found \"Infinity\""},
      {"nan", 'r', kStatusInputMalformed, "expected a real number, found \"nan\""},
      {"'5'", 'r', kStatusInputMalformed, "expected a real number, found \"'5'\""},
      {"1e400", 'r', kStatusInputMalformed,
       "expected a real number of magnitude below 1.7E+308, found \"1e400\""},
      {"-2.5D999", 'r', kStatusInputMalformed,
       "expected a real number of magnitude below 1.7E+308, found \"-2.5D999\""},
      {"1.0", 'i', kStatusInputMalformed, "expected an integer, found \"1.0\""},
      {"5.", 'i', kStatusInputMalformed, "expected an integer, found \"5.\""},
      {"1e3", 'i', kStatusInputMalformed, "expected an integer, found \"1e3\""},
      {"+", 'i', kStatusInputMalformed, "expected an integer, found \"+\""},
      {"PIN", 'i', kStatusInputMalformed, "expected an integer, found \"PIN\""},
      {"3*1.5", 'i', kStatusInputMalformed, "expected an integer, found \"3*1.5\""},
      {"0*4", 'i', kStatusInputMalformed, "expected an integer, found \"0*4\""},
      {"*4", 'i', kStatusInputMalformed, "expected an integer, found \"*4\""},
      {"2147483648", 'i', kStatusInputMalformed,
       "expected an integer from -2147483648 to 2147483647, found \"2147483648\""},
      {"-99999999999999999999999", 'i', kStatusInputMalformed,
       "expected an integer from -2147483648 to 2147483647, found \"-99999999999999999999999\""},
      {"'PIPE 24", 't', kStatusInputMalformed, "expected a closing quote, found \"'PIPE 24\""},
      {"'PIPE'24", 't', kStatusInputMalformed, "expected a text value, found \"'PIPE'24\""},
      {"", 'i', kStatusInputEnded, "expected an integer, found the end of the file"},
      {"  \n\n", 'r', kStatusInputEnded, "expected a real number, found the end of the file", 2},
      {"\n'", 't', kStatusInputMalformed, "expected a closing quote, found \"'\"", 2},
      {"1234567890123456789012345678901234567890123456789x", 'r', kStatusInputMalformed,
       "expected a real number, found \"1234567890123456789012345678901234567890...\""},
      {"1\x01\x7f", 'i', kStatusInputMalformed, "expected an integer, found \"1??\""},
  };
  for (const Case& c : cases) {
    const Failure f = failure_of(c.text, c.kind);
    const std::string expected = "in.dat line " + std::to_string(c.line) +
                                 ", section tests, record 2 of item 7: " + c.message;
    EXPECT_EQ(f.status, c.status) << c.text;
    EXPECT_EQ(f.message, expected) << c.text;
  }
}

TEST(FreeFormatReader, MessagesGiveTheLineOfTheBadValueOrOfTheEndOfTheFile) {
  FreeFormatReader r("input.dat", "10 20\n30\n\n 1.5 2.5\n2.5 1.2x\n");
  r.set_section("pile groups");
  read_ints(r, 3);
  double a = 0, b = 0, c = 0;
  r.begin_record("record # of group #", {2, 3});
  r.read_real(a);
  r.read_real(b);
  try {
    r.read_real(c);
    r.read_real(c);
    FAIL();
  } catch (const FatalRunError& e) {
    EXPECT_STREQ(e.what(),
                 "input.dat line 5, section pile groups, record 2 of group 3: expected "
                 "a real number, found \"1.2x\"");
  }
  FreeFormatReader ends("input.dat", "1 2\r\n3");
  ends.set_section("control");
  ends.begin_record("control record");
  int v[4];
  try {
    for (int& x : v) ends.read_int(x);
    FAIL();
  } catch (const FatalRunError& e) {
    EXPECT_EQ(e.status(), kStatusInputEnded);
    EXPECT_STREQ(e.what(),
                 "input.dat line 2, section control, control record: expected an "
                 "integer, found the end of the file");
  }
}

TEST(FreeFormatReader, FailNamesTheLineOfTheLastValueRead) {
  FreeFormatReader r("input.dat", "\n\n  101\n");
  r.set_section("load cases");
  int n = 0;
  r.begin_record("concentrated load count of load case #", {1});
  r.read_int(n);
  try {
    r.fail(kStatusInputCapacity, "101 concentrated loads exceed the limit of 100");
  } catch (const FatalRunError& e) {
    EXPECT_EQ(e.status(), kStatusInputCapacity);
    EXPECT_STREQ(e.what(),
                 "input.dat line 3, section load cases, concentrated load count of load "
                 "case 1: 101 concentrated loads exceed the limit of 100");
  }
}

}  // namespace
}  // namespace tovek8
