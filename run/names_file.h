// The run-control file Names.dat: version, identification lines and the paths of a run.
#pragma once

#include <string>
#include <string_view>

#include "model/run_files.h"

namespace tovek8 {

inline constexpr int kNamesRecords = 15;
inline constexpr int kVersionWidth = 8;
inline constexpr int kNamesWidth = 255;

// Parses the contents of Names.dat: each line cut or blank-padded to its width (a trailing
// CR dropped). Throws FatalRunError(kStatusNamesFile) when fewer than 15 lines are present.
RunFiles parse_names_file(std::string_view contents, std::string_view file_name);

// Drops trailing blanks.
std::string_view trim_right(std::string_view text);

}  // namespace tovek8
