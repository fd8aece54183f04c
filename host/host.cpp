// The command-line host: arguments, the Names.dat it writes, and the report list it prints.
#include "host/host.h"

namespace tovek8::host {

std::string usage_text() {
  return "usage: tovek8 INPUT [-o OUTDIR]\n"
         "       tovek8 --names DIR\n"
         "       tovek8 --help\n"
         "\n"
         "Analyses a group of piles under axial and lateral loads.\n"
         "\n"
         "  tovek8 INPUT [-o OUTDIR]  Runs the input data file INPUT. Writes a Names.dat\n"
         "                            naming every report after INPUT (INPUT.out, .sum, ...)\n"
         "                            in OUTDIR (default: the current directory), runs the\n"
         "                            analysis there, shows its progress and prints where\n"
         "                            each report went.\n"
         "  tovek8 --names DIR        Runs the analysis described by DIR/Names.dat, with DIR\n"
         "                            as the working directory, as a graphical host would.\n"
         "  tovek8 --help             Shows this text.\n"
         "\n"
         "The exit status is the status of the analysis (0: every load case and combination\n"
         "analysed; see the README for the other codes), or 2 for a wrong argument.\n";
}

bool parse_arguments(const std::vector<std::string>& args, HostArguments& parsed,
                     std::string& error) {
  parsed = HostArguments{};
  if (args.empty()) {
    error = "no input file given";
    return false;
  }
  bool have_input = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      parsed = HostArguments{};
      return true;
    }
    if (a == "--names") {
      if (i + 1 >= args.size()) {
        error = "--names needs a directory";
        return false;
      }
      parsed.names_dir = args[++i];
      parsed.mode = HostArguments::Mode::NamesDir;
    } else if (a == "-o") {
      if (i + 1 >= args.size()) {
        error = "-o needs a directory";
        return false;
      }
      parsed.output_dir = args[++i];
    } else if (!a.empty() && a[0] == '-') {
      error = "unknown option " + a;
      return false;
    } else if (have_input) {
      error = "more than one input file given";
      return false;
    } else {
      parsed.input = a;
      have_input = true;
    }
  }
  if (parsed.mode == HostArguments::Mode::NamesDir) {
    if (have_input || !parsed.output_dir.empty()) {
      error = "--names takes no input file and no -o";
      return false;
    }
    return true;
  }
  if (!have_input) {
    error = "no input file given";
    return false;
  }
  parsed.mode = HostArguments::Mode::Input;
  return true;
}

std::vector<ReportFile> report_files(const std::string& stem) {
  const std::string& base = stem;
  return {
      {"output file", base + ".out"},
      {"output summary file", base + ".sum"},
      {"plot output file", base + ".plt"},
      {"runtime file", base + ".run"},
      {"status file", base + ".sta"},
      {"results table file", base + ".tbl"},
      {"progress file", base + ".prg"},
      {"axial curves file", base + ".axl"},
      {"case scratch file", base + ".sc1"},
      {"combination scratch file", base + ".sc2"},
      {"pile results scratch file", base + ".sc3"},
  };
}

std::string names_file_text(const std::string& version, const std::string& input_path,
                            const std::vector<ReportFile>& reports) {
  std::string text = version + "\n";
  text += "Input data file: " + input_path + "\n";
  text += "Command-line run\n";
  text += input_path + "\n";
  for (const ReportFile& r : reports) text += r.path + "\n";
  return text;
}

}  // namespace tovek8::host
