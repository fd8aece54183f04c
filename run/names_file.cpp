// The run-control file Names.dat: version, identification lines and the paths of a run.
#include "run/names_file.h"

#include <array>

#include "platform/fatal_error.h"

namespace tovek8 {

std::string_view trim_right(std::string_view text) {
  const std::size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

namespace {

std::string fixed_width(std::string_view line, int width) {
  std::string text(line.substr(0, static_cast<std::size_t>(width)));
  text.resize(static_cast<std::size_t>(width), ' ');
  return text;
}

}  // namespace

RunFiles parse_names_file(std::string_view contents, std::string_view file_name) {
  std::array<std::string_view, kNamesRecords> lines;
  int count = 0;
  std::size_t start = 0;
  while (count < kNamesRecords && start < contents.size()) {
    std::size_t end = contents.find('\n', start);
    if (end == std::string_view::npos) end = contents.size();
    std::string_view line = contents.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines[count++] = line;
    start = end + 1;
  }
  if (count < kNamesRecords)
    throw FatalRunError(kStatusNamesFile, std::string(file_name) + ": expected 15 records, found " +
                                              std::to_string(count));
  RunFiles f;
  f.version = fixed_width(lines[0], kVersionWidth);
  f.identification1 = fixed_width(lines[1], kNamesWidth);
  f.identification2 = fixed_width(lines[2], kNamesWidth);
  std::string* paths[] = {&f.input,
                          &f.output,
                          &f.summary,
                          &f.plot,
                          &f.runtime,
                          &f.status,
                          &f.results_table,
                          &f.progress,
                          &f.axial_curves,
                          &f.case_scratch,
                          &f.combination_scratch,
                          &f.pile_results_scratch};
  for (int i = 0; i < 12; ++i)
    *paths[i] = std::string(trim_right(fixed_width(lines[3 + i], kNamesWidth)));
  return f;
}

}  // namespace tovek8
