// The tovek8 executable end to end: the example run, --names, --help and wrong arguments.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/fatal_error.h"

#include "tests/test_support.h"

namespace {

using namespace tovek8::test_support;

namespace fs = std::filesystem;

class HostRunTest : public ::testing::Test {
 protected:
  // Runs the host with `args`; stdout and stderr go to files in the test directory.
  int host(const std::string& args) {
    const std::string command = std::string(TOVEK8_HOST_PATH) + " " + args + " >" +
                                (dir_ / "stdout").string() + " 2>" + (dir_ / "stderr").string();
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  ScratchDir dir_;
};

TEST_F(HostRunTest, RunsTheExampleAndListsItsReports) {
  const fs::path out = dir_ / "out";
  ASSERT_EQ(host(std::string(TOVEK8_EXAMPLES_DIR) + "/group3x3/group3x3.dat -o " + out.string()), 0)
      << read_file(dir_ / "stderr");
  for (const char* ext : {".out", ".sum", ".plt", ".run", ".sta", ".tbl", ".prg", ".axl"})
    EXPECT_TRUE(fs::exists(out / (std::string("group3x3") + ext))) << ext;
  EXPECT_NE(read_file(out / "group3x3.out").find("INPUT INFORMATION"), std::string::npos);
  EXPECT_NE(
      read_file(dir_ / "stdout").find("  output file: " + (out / "group3x3.out").string() + "\n"),
      std::string::npos);

  // The Names.dat it wrote runs again the way a graphical host runs the engine.
  fs::remove(out / "group3x3.out");
  EXPECT_EQ(host("--names " + out.string()), 0);
  EXPECT_NE(read_file(out / "group3x3.out").find("INPUT INFORMATION"), std::string::npos);
}

TEST_F(HostRunTest, StatusOfTheEngineAndOfWrongArguments) {
  EXPECT_EQ(host("--help"), 0);
  EXPECT_NE(read_file(dir_ / "stdout").find("usage: tovek8 INPUT [-o OUTDIR]"), std::string::npos);

  EXPECT_EQ(host("--frobnicate"), 2);
  EXPECT_EQ(read_file(dir_ / "stderr"),
            "tovek8: unknown option --frobnicate (tovek8 --help shows the usage)\n");

  EXPECT_EQ(host((dir_ / "absent.dat").string()), 2);
  EXPECT_EQ(read_file(dir_ / "stderr"), "tovek8: no input file " + (dir_ / "absent.dat").string() +
                                            " (tovek8 --help shows the usage)\n");

  EXPECT_EQ(host("--names " + dir_.path().string()), tovek8::kStatusNamesFile)
      << "no Names.dat there";
  EXPECT_EQ(read_file(dir_ / "stdout"),
            " *** ERROR: Names.dat: cannot open the run-control file: No such file or directory\n");
}

}  // namespace
