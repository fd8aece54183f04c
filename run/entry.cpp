// One analysis run: Names.dat, report channels, banners, input, echo and analyses.
#include "run/entry.h"

#include <cerrno>
#include <fstream>
#include <memory>
#include <sstream>
#include <system_error>

#include "model/echo_and_prepare.h"
#include "model/input_reader.h"
#include "platform/fatal_error.h"
#include "platform/path_parts.h"
#include "run/names_file.h"

namespace tovek8 {

namespace {

const std::string kRule73Eq(73, '=');
const std::string kRule73Dash(73, '-');

// A path of Names.dat is taken from the working directory unless it is absolute.
std::string resolve(const std::string& working_dir, const std::string& path) {
  if (path.empty() || path.front() == '/' || working_dir.empty() || working_dir == ".") return path;
  return working_dir + "/" + path;
}

std::string errno_text(int error) {
  return std::generic_category().message(error);
}

// Reads a whole file; a failure is fatal with `status`, naming the file and the reason.
std::string read_whole_file(const std::string& path, const std::string& shown_name,
                            const char* role, int status) {
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw FatalRunError(status,
                        shown_name + ": cannot open the " + role + ": " + errno_text(errno));
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad())
    throw FatalRunError(status,
                        shown_name + ": cannot read the " + role + ": " + errno_text(errno));
  return std::move(text).str();
}

RunFiles read_run_files(const std::string& working_dir) {
  const std::string shown = working_dir == "." ? "Names.dat" : working_dir + "/Names.dat";
  return parse_names_file(read_whole_file(resolve(working_dir, "Names.dat"), shown,
                                          "run-control file", kStatusNamesFile),
                          shown);
}

// Units 16, 18, 17, 10, 19, 14 and 20, in this order (unit 15, the input, is read before).
void open_report_units(ReportChannels& reports, const RunFiles& files,
                       const std::string& working_dir) {
  struct UnitFile {
    int unit;
    const std::string* path;
    const char* role;
  };
  const UnitFile units[] = {
      {kOutputUnit, &files.output, "output file"},
      {kSummaryUnit, &files.summary, "output summary file"},
      {kPlotUnit, &files.plot, "plot output file"},
      {kRuntimeUnit, &files.runtime, "runtime file"},
      {kStatusUnit, &files.status, "status file"},
      {kResultsTableUnit, &files.results_table, "results table file"},
      {kAxialCurvesUnit, &files.axial_curves, "axial curves file"},
  };
  for (const UnitFile& u : units) {
    errno = 0;
    if (!reports.open(u.unit, resolve(working_dir, *u.path)))
      throw FatalRunError(kStatusOpenFailed, *u.path + ": cannot open the " + u.role +
                                                 " for writing: " + errno_text(errno));
  }
}

// The progress file holds only its latest message; a failure to write it is silent.
void announce_analysis_started(ReportChannels& reports, const std::string& progress_path) {
  static const Layout kStarted{R"((1X,"- ANALYSIS STARTED",/))"};
  if (!reports.open(kProgressUnit, progress_path)) return;
  reports.write(kProgressUnit, kStarted);
  reports.close(kProgressUnit);
}

void write_banners(ReportChannels& reports, const std::string& version) {
  static const Layout kBanner{"(5X,\"" + kRule73Eq +
                              "\",/,/,20X,\"  TOVEK for Windows, Version \",A8,/,/,"
                              "20X,\"   Analysis of A Group of Piles \",/,"
                              "20X,\"Subjected to Axial and Lateral Loading \",/,/,5X,\"" +
                              kRule73Eq + "\",/,/)"};
  static const Layout kShortBanner{R"((/,10X,"  TOVEK for Windows, Version ",A8,/))"};
  reports.write(kConsole, kBanner, version);
  reports.write(kOutputUnit, kBanner, version);
  reports.write(kRuntimeUnit, kShortBanner, version);
  reports.flush_unit(kRuntimeUnit);
}

void write_identification_and_files(ReportChannels& reports, const RunFiles& files) {
  static const Layout kIdentification{R"((/,5X,A,/,5X,A,/))"};
  reports.write(kOutputUnit, kIdentification, trim_right(files.identification1),
                trim_right(files.identification2));

  static const Layout kPathLine{R"((5X,"Path to file locations      : ",A))"};
  static const Layout kInputLine{R"((5X,"Name of input data file     : ",A))"};
  static const Layout kOutputLine{R"((5X,"Name of output file         : ",A))"};
  static const Layout kSummaryLine{R"((5X,"Name of output summary file : ",A))"};
  static const Layout kPlotLine{R"((5X,"Name of plot output file    : ",A))"};
  static const Layout kRuntimeLine{R"((5X,"Name of runtime file        : ",A,/,/))"};
  const auto file_name = [](const std::string& path) {
    const PathParts p = split_path(path);
    return std::string(trim_right(p.name)) + std::string(trim_right(p.extension));
  };
  const PathParts input = split_path(files.input);
  reports.write(kOutputUnit, kPathLine,
                std::string(trim_right(input.drive)) + std::string(trim_right(input.directory)));
  reports.write(kOutputUnit, kInputLine, file_name(files.input));
  reports.write(kOutputUnit, kOutputLine, file_name(files.output));
  reports.write(kOutputUnit, kSummaryLine, file_name(files.summary));
  reports.write(kOutputUnit, kPlotLine, file_name(files.plot));
  reports.write(kOutputUnit, kRuntimeLine, file_name(files.runtime));
}

// Fatal errors: one line on the console and, when it is open, in the runtime file.
void report_fatal_error(ReportChannels& reports, const FatalRunError& error) {
  static const Layout kMessage{R"((1X,"*** ERROR: ",A))"};
  reports.write(kConsole, kMessage, error.what());
  if (reports.is_open(kRuntimeUnit)) reports.write(kRuntimeUnit, kMessage, error.what());
}

void close_units(ReportChannels& reports) {
  for (int unit : {kInputUnit, kOutputUnit, kSummaryUnit, kPlotUnit, kRuntimeUnit, kStatusUnit,
                   kResultsTableUnit, kScratchUnit11, kAxialCurvesUnit})
    reports.close(unit);
  reports.close_all();
}

}  // namespace

void write_analysis_date(ReportChannels& reports, const LocalDateTime& when) {
  static const char* const kMonths[] = {"January",   "February", "March",    "April",
                                        "May",       "June",     "July",     "August",
                                        "September", "October",  "November", "December"};
  static const Layout kHeader{"(5X,\"" + kRule73Dash +
                              "\",/,26X,\"Time and Date of Analysis\",/,5X,\"" + kRule73Dash +
                              "\")"};
  static const Layout kDate{
      R"((15X,"Date:  ",A,1X,I2.2,", ",I4,5X,"Time:  ",I2.2,":",I2.2,":",I2.2))"};
  reports.write(kOutputUnit, kHeader);
  reports.write(kSummaryUnit, kHeader);
  if (when.month < 1 || when.month > 12) return;
  for (int unit : {kOutputUnit, kSummaryUnit})
    reports.write(unit, kDate, kMonths[when.month - 1], when.day, when.year, when.hour, when.minute,
                  when.second);
}

int run_analysis(const std::string& working_dir, const RunOptions& options) {
  auto model = std::make_unique<AnalysisModel>();  // a fresh model for every run
  ReportChannels reports(options.console);
  int status = 0;
  try {
    model->switches.pile_head_transform = 1;
    model->files = read_run_files(working_dir);
    const RunFiles& files = model->files;
    const std::string input_text = read_whole_file(resolve(working_dir, files.input), files.input,
                                                   "input data file", kStatusOpenFailed);
    open_report_units(reports, files, working_dir);
    announce_analysis_started(reports, resolve(working_dir, files.progress));

    write_banners(reports, files.version);
    write_identification_and_files(reports, files);
    write_analysis_date(reports, options.fixed_time ? *options.fixed_time : local_date_time());
    static const Layout kTwoEmptyLines{"(/)"};
    reports.write(kConsole, kTwoEmptyLines);

    set_shared_constants(*model);
    read_input_file(*model, reports, files.input, input_text);
    echo_and_prepare(*model, reports, status);
  } catch (const FatalRunError& error) {
    report_fatal_error(reports, error);
    status = error.status();
  } catch (const std::exception& error) {
    // No exception may cross the C entry; anything else is a fault of the engine itself.
    report_fatal_error(reports, FatalRunError(kStatusInternalError,
                                              std::string("internal error: ") + error.what()));
    status = kStatusInternalError;
  }
  close_units(reports);
  return status;
}

}  // namespace tovek8
