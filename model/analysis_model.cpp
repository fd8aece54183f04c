// Unit labels, load type names and the shared constants of the analysis model.
#include "model/analysis_model.h"

#include <cmath>

namespace tovek8 {

void set_unit_labels(AnalysisModel& model, int units) {
  UnitLabels& u = model.units;
  if (units > 0) {
    u.length3 = " IN";
    u.force4 = " LBS";
    u.length2 = "IN";
    u.force3 = "LBS";
  } else if (units < 0) {
    u.length3 = "  M";
    u.force4 = "  KN";
    u.length2 = " M";
    u.force3 = " KN";
  } else {
    u.length3 = "  L";
    u.force4 = "   F";
    u.length2 = " L";
    u.force3 = "  F";
  }
  u.slash = "/";
  u.dash = "-";
  u.power = "**";
  u.squared = "2";
  u.cubed = "3  ";
  u.fourth = "4";
  u.radians = "RAD";
  u.degrees = "DEG";
}

std::string load_type_name(int load_type) {
  static constexpr std::string_view kNames[] = {
      "Dead, DL", "Live, LL",   "Seismic, EQ",   "Impact, IM", "Wind, WN", "Water, WT",
      "Ice, IC",  "Soils, Hsl", "Roof Live, Lr", "Rain, Rn",   "Snow, Sn", "Temperature, Tm"};
  std::string_view name = "Special, Sp";
  if (load_type >= 0 && load_type < static_cast<int>(std::size(kNames))) name = kNames[load_type];
  std::string padded(name);
  padded.resize(32, ' ');
  return padded;
}

std::string_view units_system_name(int units_system) {
  switch (units_system) {
    case 1:
      return "ENGL";
    case 2:
      return "METR";
    case 3:
      return "OPEN";
    default:
      return "    ";
  }
}

void set_default_load_levels(LoadCase& load_case) {
  constexpr double kFirstLevel = 0.10000000149011612;  // 0.1 in single precision
  load_case.n_load_levels = kMaxLoadLevels;
  load_case.load_levels[0] = kFirstLevel;
  for (int i = 2; i <= kMaxLoadLevels; ++i) load_case.load_levels[i - 1] = std::log10(double(i));
}

void set_shared_constants(AnalysisModel& model) {
  model.constants.pi = kPiAtStart;
  model.constants.tolerance_a = kToleranceA;
  model.constants.tolerance_b = kToleranceB;
  model.constants.tolerance_c = kToleranceC;
  model.constants.small_value = kSmallValue;
  model.constants.degrees_per_half_turn = kDegreesPerHalfTurn;
  model.work.multipliers.fill(1.0);
}

}  // namespace tovek8
