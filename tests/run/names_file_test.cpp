// Names.dat: fixed-width records, padded or cut, and its errors.
#include "run/names_file.h"

#include <gtest/gtest.h>

#include "platform/fatal_error.h"

namespace tovek8 {
namespace {

std::string names_text(const std::string& version, const std::string& eol = "\n") {
  std::string t = version + eol + "Project A" + eol + eol;
  const char* files[] = {"in.dat", "o.out", "o.sum", "o.plt", "o.run", "o.sta",
                         "o.tbl",  "o.prg", "o.axl", "s1",    "s2",    "s3"};
  for (const char* f : files) t += std::string(f) + "   " + eol;
  return t;
}

TEST(NamesFile, RecordsArePaddedOrCutToTheirWidths) {
  const RunFiles f = parse_names_file(names_text("2026.1.0-long"), "Names.dat");
  EXPECT_EQ(f.version, "2026.1.0") << "cut to 8 characters";
  EXPECT_EQ(f.identification1.size(), 255u);
  EXPECT_EQ(trim_right(f.identification1), "Project A");
  EXPECT_EQ(f.identification2, std::string(255, ' '));
  EXPECT_EQ(f.input, "in.dat") << "trailing blanks dropped";
  EXPECT_EQ(f.pile_results_scratch, "s3");
  EXPECT_EQ(parse_names_file(names_text("1.0"), "Names.dat").version, "1.0     ");
}

TEST(NamesFile, CrLfLinesAndALongPath) {
  std::string text = names_text("1.0", "\r\n");
  const RunFiles f = parse_names_file(text, "Names.dat");
  EXPECT_EQ(f.input, "in.dat");
  EXPECT_EQ(f.progress, "o.prg");
  const std::string long_path(300, 'p');
  text.replace(text.find("in.dat"), 6, long_path);
  EXPECT_EQ(parse_names_file(text, "Names.dat").input, std::string(255, 'p'));
}

TEST(NamesFile, TooFewRecordsIsFatal) {
  try {
    parse_names_file("1.0\nid\n", "Names.dat");
    FAIL() << "expected a fatal error";
  } catch (const FatalRunError& e) {
    EXPECT_EQ(e.status(), kStatusNamesFile);
    EXPECT_STREQ(e.what(), "Names.dat: expected 15 records, found 2");
  }
}

}  // namespace
}  // namespace tovek8
