// The command-line host's arguments and the Names.dat it writes.
#include "host/host.h"

#include <gtest/gtest.h>

#include "platform/fatal_error.h"
#include "run/names_file.h"

namespace tovek8::host {
namespace {

using Mode = HostArguments::Mode;

struct ArgumentCase {
  std::vector<std::string> args;
  bool ok;
  Mode mode;
  const char* input;
  const char* output_dir;
  const char* names_dir;
  const char* error;
};

TEST(HostArguments, TableOfCommandLines) {
  const ArgumentCase cases[] = {
      {{"--help"}, true, Mode::Help, "", "", "", ""},
      {{"in.dat", "--help"}, true, Mode::Help, "", "", "", ""},
      {{"in.dat"}, true, Mode::Input, "in.dat", "", "", ""},
      {{"in.dat", "-o", "out"}, true, Mode::Input, "in.dat", "out", "", ""},
      {{"-o", "out", "in.dat"}, true, Mode::Input, "in.dat", "out", "", ""},
      {{"--names", "run1"}, true, Mode::NamesDir, "", "", "run1", ""},
      {{}, false, Mode::Help, "", "", "", "no input file given"},
      {{"-o", "out"}, false, Mode::Help, "", "", "", "no input file given"},
      {{"in.dat", "-o"}, false, Mode::Help, "", "", "", "-o needs a directory"},
      {{"--names"}, false, Mode::Help, "", "", "", "--names needs a directory"},
      {{"--names", "d", "in.dat"},
       false,
       Mode::Help,
       "",
       "",
       "",
       "--names takes no input file and no -o"},
      {{"a.dat", "b.dat"}, false, Mode::Help, "", "", "", "more than one input file given"},
      {{"--verbose", "in.dat"}, false, Mode::Help, "", "", "", "unknown option --verbose"},
  };
  for (const ArgumentCase& c : cases) {
    HostArguments parsed;
    std::string error;
    const bool ok = parse_arguments(c.args, parsed, error);
    const std::string where = ::testing::PrintToString(c.args);
    ASSERT_EQ(ok, c.ok) << where;
    if (!ok) {
      EXPECT_EQ(error, c.error) << where;
      continue;
    }
    EXPECT_EQ(parsed.mode, c.mode) << where;
    EXPECT_EQ(parsed.input, c.input) << where;
    EXPECT_EQ(parsed.output_dir, c.output_dir) << where;
    EXPECT_EQ(parsed.names_dir, c.names_dir) << where;
  }
}

TEST(HostNamesFile, EngineReadsWhatTheHostWrites) {
  const auto files = report_files("pilecap");
  ASSERT_EQ(files.size(), 11u);
  const RunFiles f =
      parse_names_file(names_file_text("1.0.0", "/data/pilecap.dat", files), "Names.dat");
  EXPECT_EQ(f.version, "1.0.0   ");
  EXPECT_EQ(f.input, "/data/pilecap.dat");
  EXPECT_EQ(f.output, "pilecap.out");
  EXPECT_EQ(f.summary, "pilecap.sum");
  EXPECT_EQ(f.plot, "pilecap.plt");
  EXPECT_EQ(f.runtime, "pilecap.run");
  EXPECT_EQ(f.status, "pilecap.sta");
  EXPECT_EQ(f.results_table, "pilecap.tbl");
  EXPECT_EQ(f.progress, "pilecap.prg");
  EXPECT_EQ(f.axial_curves, "pilecap.axl");
  EXPECT_EQ(f.case_scratch, "pilecap.sc1");
  EXPECT_EQ(f.combination_scratch, "pilecap.sc2");
  EXPECT_EQ(f.pile_results_scratch, "pilecap.sc3");
}

}  // namespace
}  // namespace tovek8::host
