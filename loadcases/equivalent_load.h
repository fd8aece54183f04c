// Equivalent concentrated load of a load case at the cap origin.
#pragma once

#include "model/analysis_model.h"

namespace tovek8 {

// Sets model.current.equivalent_load to the sum of case `case_number`'s concentrated loads
// moved to the origin, times its scale factor: 3D Fx += V, Fy += Hy, Fz += Hz,
// Mx += Mx + Hz*y - Hy*z, My += My + V*z - Hz*x, Mz += Mz + Hy*x - V*y; 2D only Fx, Fy, Mz.
void case_equivalent_load(AnalysisModel& model, int case_number);

}  // namespace tovek8
