// Splitting paths into drive, directory, file name and extension.
#include "platform/path_parts.h"

#include <gtest/gtest.h>

namespace tovek8 {
namespace {

struct PathCase {
  const char* path;
  const char* directory;
  const char* name;
  const char* extension;
};

TEST(SplitPath, TableOfPaths) {
  const PathCase cases[] = {
      {"/data/run/pile.dat", "/data/run/", "pile", ".dat"},
      {"pile.dat", "", "pile", ".dat"},
      {"runs/group.v2.out", "runs/", "group.v2", ".out"},
      {"/data/run/README", "/data/run/", "README", ""},
      {"/data.dir/noext", "/data.dir/", "noext", ""},
      {"trailing.", "", "trailing", "."},
      {"/data/run/", "/data/run/", "", ""},
      {"", "", "", ""},
  };
  for (const PathCase& c : cases) {
    const PathParts p = split_path(c.path);
    EXPECT_EQ(p.drive, "") << c.path;
    EXPECT_EQ(p.directory, c.directory) << c.path;
    EXPECT_EQ(p.name, c.name) << c.path;
    EXPECT_EQ(p.extension, c.extension) << c.path;
  }
}

}  // namespace
}  // namespace tovek8
