// Equivalent concentrated load of a load case at the cap origin.
#include "loadcases/equivalent_load.h"

#include <cassert>

namespace tovek8 {

void case_equivalent_load(AnalysisModel& model, int case_number) {
  assert(case_number >= 1 && case_number <= kMaxLoadCases && "load case number out of range");
  const LoadCase& lc = model.input.load_cases[case_number - 1];
  const bool three_d = model.input.control.analysis_type != 2;
  std::array<double, 6> q{};
  for (int i = 0; i < lc.n_concentrated; ++i) {
    const ConcentratedLoad& c = lc.concentrated[i];
    q[0] += c.vertical;
    q[1] += c.horizontal_y;
    if (three_d) {
      q[2] += c.horizontal_z;
      q[3] += c.moment_x + c.horizontal_z * c.y - c.horizontal_y * c.z;
      q[4] += c.moment_y + c.vertical * c.z - c.horizontal_z * c.x;
    }
    q[5] += c.moment_z + c.horizontal_y * c.x - c.vertical * c.y;
  }
  for (double& v : q) v *= lc.scale_factor;
  model.current.equivalent_load = q;
}

}  // namespace tovek8
