// Reads the input data file into the analysis model.
#pragma once

#include <string_view>

#include "model/analysis_model.h"
#include "platform/report_channels.h"

namespace tovek8 {

// Reads the whole input data file (its name for messages, its contents) into model.input,
// writes the reading log to the runtime file, sets the unit labels and derived switches.
// Bad input throws FatalRunError (input file name, line, section, what was expected).
void read_input_file(AnalysisModel& model, ReportChannels& reports, std::string_view file_name,
                     std::string_view contents);

}  // namespace tovek8
