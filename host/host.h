// The command-line host: arguments, the Names.dat it writes, and the report list it prints.
#pragma once

#include <string>
#include <vector>

namespace tovek8::host {

struct HostArguments {
  enum class Mode { Help, NamesDir, Input };
  Mode mode = Mode::Help;
  std::string names_dir;   // --names DIR
  std::string input;       // INPUT
  std::string output_dir;  // -o OUTDIR (the current directory when empty)
};

// Parses argv; returns false with `error` set for a wrong argument.
bool parse_arguments(const std::vector<std::string>& args, HostArguments& parsed,
                     std::string& error);

// The usage text of --help.
std::string usage_text();

// The files of a run named after the input, in the order of Names.dat records 5 to 15:
// stem.out, stem.sum and so on, relative to the output directory.
struct ReportFile {
  const char* role;
  std::string path;
};
std::vector<ReportFile> report_files(const std::string& stem);

// The 15 records of Names.dat for `input_path` and the report files.
std::string names_file_text(const std::string& version, const std::string& input_path,
                            const std::vector<ReportFile>& reports);

}  // namespace tovek8::host
