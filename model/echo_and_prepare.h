// Prints the input as tables B to K and builds the working tables of the model.
#pragma once

#include "model/analysis_model.h"
#include "platform/report_channels.h"

namespace tovek8 {

// Echoes the input into the output file and prepares the working tables; hands over to the
// load case driver. A nonzero status left by a curve generator ends it at once.
void echo_and_prepare(AnalysisModel& model, ReportChannels& reports, int& status);

}  // namespace tovek8
