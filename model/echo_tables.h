// The sections of the input echo, in the order echo_and_prepare calls them.
#pragma once

#include "model/analysis_model.h"
#include "platform/report_channels.h"

namespace tovek8 {

// Headings, units system and Table B; replaces the cap width by the diagonal in 3D.
void echo_headings_and_cap(AnalysisModel& model, ReportChannels& reports);
// Table C: load cases, envelopes, combinations and distributed-load sets; default load levels.
void echo_loads(AnalysisModel& model, ReportChannels& reports);
// Table D and the per-pile working table (angles to radians, pi, multipliers).
void echo_pile_groups(AnalysisModel& model, ReportChannels& reports);
// Table E and the per-property section tables.
void echo_pile_properties(AnalysisModel& model, ReportChannels& reports);
// The soil profile working points, Table F and the printed p-y curve requests.
void echo_soil(AnalysisModel& model, ReportChannels& reports);
// Table G and the working input p-y curves (when py_curves_option is 1).
void echo_input_py_curves(AnalysisModel& model, ReportChannels& reports);
// Table H; returns false when a curve generator left a nonzero status (echo then stops).
bool echo_load_settlement_curves(AnalysisModel& model, ReportChannels& reports, int& status);
// Table I; returns false when a curve generator left a nonzero status.
bool echo_torque_rotation_curves(AnalysisModel& model, ReportChannels& reports, int& status);
// Table J (when mc_option is 1).
void echo_moment_curvature(AnalysisModel& model, ReportChannels& reports);
// Table K: reduction factors, direction signs from the equivalent load of load case 1.
void echo_reduction_factors(AnalysisModel& model, ReportChannels& reports);

}  // namespace tovek8
