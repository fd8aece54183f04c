// Splitting a path into drive, directory, file name and extension.
#pragma once

#include <string>
#include <string_view>

namespace tovek8 {

struct PathParts {
  std::string drive;      // always empty on this platform
  std::string directory;  // with its trailing separator
  std::string name;       // file name without extension
  std::string extension;  // with its leading point
};

// Splits "/data/run/pile.dat" into "", "/data/run/", "pile", ".dat". The extension starts at
// the last point of the last path component.
PathParts split_path(std::string_view path);

}  // namespace tovek8
