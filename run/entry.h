// One analysis run: Names.dat, report channels, banners, input, echo and analyses.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "model/analysis_model.h"
#include "platform/local_time.h"
#include "platform/report_channels.h"

namespace tovek8 {

struct RunOptions {
  std::FILE* console = stdout;              // unit 0
  std::optional<LocalDateTime> fixed_time;  // for tests: the date block shows this time
};

// Runs the analysis that `working_dir`/Names.dat describes; relative paths in Names.dat are
// taken from `working_dir`. Returns the status of the run (0, an analysis code, or a fatal
// error code of platform/fatal_error.h).
int run_analysis(const std::string& working_dir, const RunOptions& options);

// Writes the "Time and Date of Analysis" block to the output and summary files.
void write_analysis_date(ReportChannels& reports, const LocalDateTime& when);

}  // namespace tovek8
