// The input echo (Tables B to K) with the preparation of the working tables, then the hand-over
// to the load case driver.
#include "model/echo_and_prepare.h"

#include "model/echo_tables.h"
#include "run/layout.h"

namespace tovek8 {

namespace {

const Layout kAnalysisCompleted{R"((1X,"    ANALYSIS COMPLETED"))"};

// KPYOP is kept aside and held at 0 in the model while the load cases run (the p-y generator
// reads it); the driver gets the value as read for the printed curves at the end.
void run_analyses(AnalysisModel& model, ReportChannels& reports, int& status) {
  model.work.kpyop_input = model.input.control.KPYOP;
  model.input.control.KPYOP = 0;
  // The load case driver is called here: run_load_cases(model, reports, model.work.kpyop_input,
  // status).
  (void)status;
  reports.write(kRuntimeUnit, kAnalysisCompleted);
  reports.flush_unit(kRuntimeUnit);
}

}  // namespace

// Tables B to K in order while the working tables are built; a curve generator's nonzero
// status ends it at once (no driver, no closing line).
void echo_and_prepare(AnalysisModel& model, ReportChannels& reports, int& status) {
  echo_headings_and_cap(model, reports);
  echo_loads(model, reports);
  echo_pile_groups(model, reports);
  echo_pile_properties(model, reports);
  echo_soil(model, reports);
  echo_input_py_curves(model, reports);
  if (!echo_load_settlement_curves(model, reports, status)) return;
  if (!echo_torque_rotation_curves(model, reports, status)) return;
  echo_moment_curvature(model, reports);
  echo_reduction_factors(model, reports);
  run_analyses(model, reports, status);
}

}  // namespace tovek8
