// Echo of the soil and the curve input (Tables F to K) and the soil profile working points.
#include <cassert>
#include <initializer_list>
#include <limits>
#include <span>
#include <string>
#include <string_view>

#include "loadcases/equivalent_load.h"
#include "model/echo_tables.h"
#include "run/layout.h"
#include "run/report_number_writer.h"

namespace tovek8 {

namespace {

// Table F.
const Layout kTableFTitle{R"((/,/,/,5X,"* TABLE F *   SOIL DATA"))"};
const Layout kSoilsInformation{R"((/,/,5X,"SOILS INFORMATION"))"};
const Layout kGroundSurface{R"((/,8X," GROUND SURFACE          =",$))"};
const Layout kUnitEnd{R"((" ",A))"};
const Layout kLayerCount{R"((/,9X,I1," LAYER(S) OF SOIL"))"};
const Layout kLayerNumber{R"((/,9X,"LAYER",I3))"};
const Layout kSoilModelLine{R"((9X,A))"};
const Layout kLayerHeading{
    R"((9X,"                              ",15X," TOP OF LAYER    BOTTOM OF LAYER "))"};
const Layout kPropertyLabel{R"((8X,A,A,$))"};
const Layout kSoilNote{
    R"((/,5X,"  Note :  Default values will be generated for ",/,5X,"          ULTIMATE UNIT SIDE FRICTION  and ","ULTIMATE UNIT TIP RESISTANCE ",/,5X,"          when input values are 0."))"};
const Layout kNoSoilLayers{R"((/,5X,"  NO SOIL LAYERS DEFINED"))"};

// Printed p-y curve requests.
const Layout kPyRequestsTitle{R"((/,/,5X,"* DATA TO PRINT GENERATED P-Y CURVES *"))"};
const Layout kPyRequestCount{R"((/,5X," NUMBER OF CURVES TO PRINT : ",I5))"};
const Layout kPyRequestHeading{
    R"((/,5X,"  CURVE NUMBER  ","   PILE GROUP   ","      DEPTH (",A,")   "))"};

// Table G.
const Layout kTableGTitle{R"((/,/,/,5X,"* TABLE G *   INPUT P-Y CURVES"))"};
const Layout kSetCount{R"((/,7X,"NUM OF SETS :",I3))"};
const Layout kPySetHeading{R"((/,/,7X,"SET",I3,10X,"NUM OF CURVES",I3,/))"};
const Layout kPyCurveLabel{R"((/,8X,"CURVE",$))"};
const Layout kPyCurveDistance{R"L(("DISTANCE FROM ORIGIN (X-COORD.)",$))L"};
const Layout kLengthLabelEnd{R"((A3))"};
const Layout kPyPointHeading{R"((12X,"POINT",13X,"P",A,17X,"Y",A))"};

// Tables H and I.
const Layout kTableHTitle{R"((/,/,/,5X,"* TABLE H *   AXIAL LOAD VS SETTLEMENT "))"};
const Layout kUserLsTitle{R"((/,5X,"USER DEFINED LOAD-SETTLEMENT CURVE"))"};
const Layout kLsPointHeading{R"((12X,"POINT",8X,"AXIAL LOAD,",A,7X,"SETTLEMENT,",A))"};
const Layout kTableITitle{R"((/,/,/,5X,"* TABLE I *   TORS. MOM. VS ANGLE ROT. "))"};
const Layout kUserTrTitle{R"((/,5X,"USER DEFINED TORQUE-ROTATION CURVE"))"};
const Layout kTrPointHeading{R"((12X,"POINT",8X,"TORS.MOMEN,",A,5X,"ROT. ANGLE,","Rad."))"};
const Layout kCurveCount{R"((/,7X,"NUM OF CURVES",I3))"};
const Layout kCurveHeading{R"((/,8X,"CURVE",I3,10X,"NUM OF POINTS",I3,/))"};

// Table J.
const Layout kTableJTitle{R"((/,/,/,5X,"* TABLE J *   MOMENT CURVATURE SETS    "))"};
const Layout kUserMcTitle{R"((/,/,5X,"  USER DEFINED MOMENT CURVATURE"))"};
const Layout kMcSetHeading{R"((/,/,7X,"CURVE SET",I3,10X,"NUM OF CURVES",I3,/))"};
const Layout kMcCurveHeading{R"((/,8X,"CURVE",I3,6X,"        AXIAL LOAD ",3X,F10.3,A,/))"};
const Layout kMcPointHeading{
    R"((12X,"POINT",9X,"MOMENT",13X,"CURVATURE",/,12X,"     ",8X,A,"-",A,13X,"RADIAN/",A))"};

// Table K.
const Layout kTableKTitle{R"((/,/,/,5X,"* TABLE K *   REDUCTION FACTORS        "))"};
const Layout kFactorsHeading{
    R"((/,7X,"REDUCTION FACTORS FOR CLOSELY-SPACED PILE GROUPS",/,7X,"                                 ",/,7X,"     GROUP NO     P-FACTOR     Y-FACTOR        ",/))"};
const Layout kFactorsHeadingAlong{
    R"((/,7X,"REDUCTION FACTORS FOR CLOSELY-SPACED PILE GROUPS",A,/,7X,"                                 ",/,7X,"     GROUP NO     P-FACTOR     Y-FACTOR        ",/))"};
const Layout kFactorsHeadingEstimated{
    R"((/,7X,"REDUCTION FACTORS FOR CLOSELY-SPACED PILE GROUPS",1X,A,/,7X,"ESTIMATED ASSUMING MOVEMENT IN",1X,A,A3,/,7X,"                                 ",/,7X,"     GROUP NO     P-FACTOR     Y-FACTOR        ",/))"};

// Positions (1-based, as the input gives them) of the soil property values.
enum SoilValue : int {
  kUnitWeight = 1,
  kCohesion = 2,
  kFrictionAngle = 3,
  kSubgradeModulus = 4,
  kRockModulus = 5,
  kStrain50 = 6,
  kRqd = 7,
  kSideFriction = 8,
  kTipResistance = 9,
};

constexpr unsigned value_bits(std::initializer_list<int> positions) {
  unsigned bits = 0;
  for (int p : positions) bits |= 1u << p;
  return bits;
}
constexpr unsigned code_bits(std::initializer_list<int> codes) {
  return value_bits(codes);
}

// The soil models: echo text and the property values each model does not use, which are
// zeroed for the layer's two points.
struct SoilModelRow {
  int code;
  std::string_view text;
  unsigned zeroed;  // bit k for property value k
};
constexpr SoilModelRow kSoilModels[] = {
    {1, "THE SOIL IS A SOFT CLAY", value_bits({kFrictionAngle, kSubgradeModulus, kRqd})},
    {2, "THE SOIL IS A STIFF CLAY BELOW THE WATER TABLE", value_bits({kFrictionAngle, kRqd})},
    {3, "THE SOIL IS A STIFF CLAY ABOVE THE WATER TABLE",
     value_bits({kFrictionAngle, kSubgradeModulus, kRqd})},
    {4, "THE SOIL IS A SAND", value_bits({kCohesion, kRockModulus, kStrain50, kRqd})},
    {5, "THE SOIL-RESISTANCE CURVES SPECIFIED BY THE USER",
     value_bits({kCohesion, kFrictionAngle, kSubgradeModulus, kRockModulus, kStrain50, kRqd})},
    {6, "THE LAYER IS A VUGGY LIMESTONE",
     value_bits({kFrictionAngle, kSubgradeModulus, kRockModulus, kRqd})},
    {7, "THE SOIL IS A SILT", value_bits({kRockModulus, kStrain50})},
    {8, "THE SOIL IS A SAND USING API CRITERIA",
     value_bits({kCohesion, kRockModulus, kStrain50, kRqd})},
    {9, "THE LAYER IS A WEAK ROCK", value_bits({kFrictionAngle, kSubgradeModulus})},
    {10, "THE SOIL IS A STIFF CLAY ABOVE THE WATER TABLE USING INITIAL K VALUE",
     value_bits({kFrictionAngle, kRqd})},
    {11, "THE SOIL IS A LIQUEFIED SAND",
     value_bits({kCohesion, kFrictionAngle, kSubgradeModulus, kRockModulus, kStrain50, kRqd})},
};
// Vuggy limestone carries a fixed strain at 50% stress, 5.0E-4 held in single precision.
constexpr int kVuggyLimestone = 6;
constexpr double kVuggyLimestoneStrain50 = 4.999999873689376e-04;

// A code outside 1..11 has a blank text and keeps every value.
const SoilModelRow* find_soil_model(int code) {
  for (const SoilModelRow& row : kSoilModels)
    if (row.code == code) return &row;
  return nullptr;
}

// The units a property line of Table F prints between its label and its values.
enum class SoilUnit {
  kLength,
  kUnitWeight,
  kStress,
  kDegrees,
  kForcePerLengthCubed,
  kNone,
  kPercent
};

// One property line of a layer in Table F: printed for the soil codes in `codes`.
struct SoilPropertyLine {
  std::string_view label;  // 31 characters
  SoilUnit unit;
  int value;       // property value position; 0 for the X coordinate
  unsigned codes;  // bit per soil code; kAlways for every code, including unknown ones
};
constexpr unsigned kAlways = ~0u;
constexpr SoilPropertyLine kSoilPropertyLines[] = {
    {" X COORDINATE                  ", SoilUnit::kLength, 0, kAlways},
    {" EFFECTIVE UNIT WEIGHT         ", SoilUnit::kUnitWeight, kUnitWeight, kAlways},
    {" UNDRAINED COHESION, C         ", SoilUnit::kStress, kCohesion, code_bits({1, 2, 3, 7, 10})},
    {" UNIAXIAL COMPRESSIVE STRENGTH ", SoilUnit::kStress, kCohesion, code_bits({6, 9})},
    {" FRICTION ANGLE                ", SoilUnit::kDegrees, kFrictionAngle, code_bits({4, 7, 8})},
    {" P-Y SUBGRADE MODULUS          ", SoilUnit::kForcePerLengthCubed, kSubgradeModulus,
     code_bits({2, 4, 7, 8, 10})},
    {" YOUNG MODULUS,ER              ", SoilUnit::kStress, kRockModulus, code_bits({9})},
    {" STRAIN AT 50% STRESS          ", SoilUnit::kNone, kStrain50, code_bits({1, 2, 3, 7, 10})},
    {" KRM                           ", SoilUnit::kNone, kStrain50, code_bits({9})},
    {" RQD                           ", SoilUnit::kPercent, kRqd, code_bits({9})},
    {" ULTIMATE UNIT SIDE FRICTION   ", SoilUnit::kStress, kSideFriction, kAlways},
    {" ULTIMATE UNIT TIP RESISTANCE  ", SoilUnit::kStress, kTipResistance, kAlways},
};

bool prints_for_code(const SoilPropertyLine& line, int code) {
  if (line.codes == kAlways) return true;
  return code >= 0 && code < 32 && (line.codes & (1u << code)) != 0;
}

// The 12-character unit part of a property line, e.g. "(LBS/IN**2) ".
std::string soil_unit_text(const UnitLabels& u, SoilUnit unit) {
  const auto per_power = [&u](std::string_view power) {
    return "(" + std::string(u.force3) + std::string(u.slash) + std::string(u.length2) +
           std::string(u.power) + std::string(power) + ") ";
  };
  switch (unit) {
    case SoilUnit::kLength:
      return "       (" + std::string(u.length2) + ") ";
    case SoilUnit::kUnitWeight:
      return per_power("3");
    case SoilUnit::kStress:
      return per_power(u.squared);
    case SoilUnit::kDegrees:
      return "  (DEGREES) ";
    case SoilUnit::kForcePerLengthCubed:
      return per_power("3");
    case SoilUnit::kNone:
      return "            ";
    case SoilUnit::kPercent:
      return "        (%) ";
  }
  return "            ";
}

// Value `position` of the profile at point `i` (0-based); the friction angle in degrees.
double profile_value_for_echo(const AnalysisModel& model, int i, int position) {
  const SoilProfile& s = model.work.soil;
  switch (position) {
    case 0:
      return s.x[i];
    case kUnitWeight:
      return s.unit_weight[i];
    case kCohesion:
      return s.c[i];
    case kFrictionAngle:
      return s.phi[i] * model.constants.degrees_per_half_turn / model.constants.pi;
    case kSubgradeModulus:
      return s.k[i];
    case kRockModulus:
      return s.Er[i];
    case kStrain50:
      return s.e50[i];
    case kRqd:
      return s.rqd[i];
    case kSideFriction:
      return s.side_friction[i];
    case kTipResistance:
      return s.tip_resistance[i];
    default:
      return 0.0;
  }
}

// One profile point from a layer's property values after the zeroing of its soil model.
void set_profile_point(AnalysisModel& model, int i, double x, int code,
                       const std::array<double, kMaxPropertyValues>& input) {
  std::array<double, kMaxPropertyValues + 1> v{};  // 1-based
  for (int k = 1; k <= kMaxPropertyValues; ++k) v[k] = input[k - 1];
  if (const SoilModelRow* row = find_soil_model(code)) {
    for (int k = 1; k <= kMaxPropertyValues; ++k)
      if ((row->zeroed & (1u << k)) != 0) v[k] = 0.0;
  }
  if (code == kVuggyLimestone) v[kStrain50] = kVuggyLimestoneStrain50;

  SoilProfile& s = model.work.soil;
  s.x[i] = x;
  s.unit_weight[i] = v[kUnitWeight];
  s.c[i] = v[kCohesion];
  s.phi[i] = v[kFrictionAngle] * model.constants.pi / model.constants.degrees_per_half_turn;
  s.k[i] = v[kSubgradeModulus];
  s.Er[i] = v[kRockModulus];
  s.e50[i] = v[kStrain50];
  s.rqd[i] = v[kRqd];
  s.side_friction[i] = v[kSideFriction];
  s.tip_resistance[i] = v[kTipResistance];
}

// Two profile points per layer, top then bottom.
void build_soil_profile(AnalysisModel& model) {
  const InputRecords& in = model.input;
  model.work.soil = SoilProfile{};
  model.work.soil.NS = 2 * in.n_layers;
  for (int l = 0; l < in.n_layers; ++l) {
    const SoilLayer& layer = in.layers[l];
    set_profile_point(model, 2 * l, layer.x_top, layer.soil_model, layer.top);
    set_profile_point(model, 2 * l + 1, layer.x_bottom, layer.soil_model, layer.bottom);
  }
}

void echo_layer(const AnalysisModel& model, ReportChannels& reports, int l) {
  const SoilLayer& layer = model.input.layers[l];
  const SoilModelRow* row = find_soil_model(layer.soil_model);
  ReportNumberWriter numbers(reports);
  reports.write(kOutputUnit, kLayerNumber, l + 1);
  reports.write(kOutputUnit, kSoilModelLine, row != nullptr ? row->text : std::string_view());
  reports.write(kOutputUnit, kLayerHeading);
  for (const SoilPropertyLine& line : kSoilPropertyLines) {
    if (!prints_for_code(line, layer.soil_model)) continue;
    reports.write(kOutputUnit, kPropertyLabel, line.label, soil_unit_text(model.units, line.unit));
    numbers.write_real(kOutputUnit, 14, 5, profile_value_for_echo(model, 2 * l, line.value));
    numbers.write_blanks(kOutputUnit, 4);
    numbers.write_real(kOutputUnit, 14, 5, profile_value_for_echo(model, 2 * l + 1, line.value));
    numbers.end_line(kOutputUnit);
  }
}

void echo_py_curve_requests(const AnalysisModel& model, ReportChannels& reports) {
  const InputRecords& in = model.input;
  if (in.control.KPYOP != 1) return;
  assert(in.n_py_requests <= kMaxPyCurveRequests && "p-y curve requests beyond the capacity");
  reports.write(kOutputUnit, kPyRequestsTitle);
  if (in.n_py_requests < 1) return;
  ReportNumberWriter numbers(reports);
  reports.write(kOutputUnit, kPyRequestCount, in.n_py_requests);
  reports.write(kOutputUnit, kPyRequestHeading, model.units.length2);
  for (int r = 0; r < in.n_py_requests; ++r) {
    const PyCurveRequest& request = in.py_requests[r];
    numbers.write_blanks(kOutputUnit, 5);
    numbers.write_int(kOutputUnit, 8, r + 1);
    numbers.write_blanks(kOutputUnit, 8);
    numbers.write_int(kOutputUnit, 8, request.pile_group);
    numbers.write_blanks(kOutputUnit, 10);
    numbers.write_real(kOutputUnit, 14, 5, request.depth);
    numbers.end_line(kOutputUnit);
  }
}

// A curve point row: b10, I5 point, b11, R12.5, b9, R12.5.
void write_point_row(ReportNumberWriter& numbers, int point, double first, double second) {
  numbers.write_blanks(kOutputUnit, 10);
  numbers.write_int(kOutputUnit, 5, point);
  numbers.write_blanks(kOutputUnit, 11);
  numbers.write_real(kOutputUnit, 12, 5, first);
  numbers.write_blanks(kOutputUnit, 9);
  numbers.write_real(kOutputUnit, 12, 5, second);
  numbers.end_line(kOutputUnit);
}

// The user curves of Table H or I, each with its point heading and rows.
template <class WriteHeading>
void echo_user_curves(ReportChannels& reports, std::span<const UserCurve> curves,
                      const WriteHeading& write_point_heading) {
  ReportNumberWriter numbers(reports);
  reports.write(kOutputUnit, kCurveCount, static_cast<int>(curves.size()));
  for (std::size_t c = 0; c < curves.size(); ++c) {
    const UserCurve& curve = curves[c];
    assert(curve.n_points <= kMaxCurvePoints && "curve points beyond the capacity");
    reports.write(kOutputUnit, kCurveHeading, static_cast<int>(c) + 1, curve.n_points);
    write_point_heading();
    for (int i = 0; i < curve.n_points; ++i)
      write_point_row(numbers, i + 1, curve.force[i], curve.displacement[i]);
  }
}

std::span<const UserCurve> user_curves(const std::array<UserCurve, kMaxUserCurves>& table,
                                       int count, int option) {
  if (option != 1 || count < 1) return {};
  assert(count <= kMaxUserCurves && "user curves beyond the capacity");
  return std::span<const UserCurve>(table.data(), static_cast<std::size_t>(count));
}

// With layers, a pile whose curve number is 0 takes the curve generated for its property,
// marked by -(property number) in the group record and the working table. Returns whether
// any pile was marked.
bool mark_piles_for_generated_curves(AnalysisModel& model, int PileGroup::*group_field,
                                     int PileData::*pile_field) {
  if (model.input.n_layers < 1) return false;
  bool marked = false;
  for (int i = 0; i < model.input.n_groups; ++i) {
    PileGroup& g = model.input.groups[i];
    if (g.*group_field != 0) continue;
    // The most negative integer has no negative counterpart; it is kept as it is.
    const int marker = g.pile_prop == std::numeric_limits<int>::min() ? g.pile_prop : -g.pile_prop;
    g.*group_field = marker;
    model.work.piles[i].*pile_field = marker;
    marked = true;
  }
  return marked;
}

std::string moment_label(const UnitLabels& u) {
  return std::string(u.force3) + std::string(u.dash) + std::string(u.length2);
}

void write_factor_rows(ReportChannels& reports, int n_groups,
                       const std::array<double, kMaxPileGroups>& p,
                       const std::array<double, kMaxPileGroups>& y) {
  ReportNumberWriter numbers(reports);
  for (int i = 0; i < n_groups; ++i) {
    numbers.write_blanks(kOutputUnit, 12);
    numbers.write_int(kOutputUnit, 5, i + 1);
    numbers.write_blanks(kOutputUnit, 5);
    numbers.write_real(kOutputUnit, 12, 4, p[i]);
    numbers.write_blanks(kOutputUnit, 1);
    numbers.write_real(kOutputUnit, 12, 4, y[i]);
    numbers.end_line(kOutputUnit);
  }
}

// +1 when the force is 0 or positive, -1 otherwise.
int direction_sign(double force) {
  return force >= 0.0 ? 1 : -1;
}

std::string_view sign_text(int sign) {
  return sign > 0 ? "(+)" : "(-)";
}

}  // namespace

// Soil profile points (two per layer, unused values zeroed, friction angle in radians),
// Table F and the printed p-y curve requests.
void echo_soil(AnalysisModel& model, ReportChannels& reports) {
  const InputRecords& in = model.input;
  assert(in.n_layers >= 0 && in.n_layers <= kMaxSoilLayers &&
         "layer count beyond the capacity of the model");
  build_soil_profile(model);

  reports.write(kOutputUnit, kTableFTitle);
  if (in.n_layers < 1) {
    reports.write(kOutputUnit, kNoSoilLayers);
  } else {
    ReportNumberWriter numbers(reports);
    reports.write(kOutputUnit, kSoilsInformation);
    reports.write(kOutputUnit, kGroundSurface);
    numbers.write_real(kOutputUnit, 13, 5, in.layers[0].x_top);
    reports.write(kOutputUnit, kUnitEnd, model.units.length3);
    reports.write(kOutputUnit, kLayerCount, in.n_layers);
    for (int l = 0; l < in.n_layers; ++l) echo_layer(model, reports, l);
    reports.write(kOutputUnit, kSoilNote);
  }
  echo_py_curve_requests(model, reports);
}

// Table G; the input p-y curves become the working curve sets.
void echo_input_py_curves(AnalysisModel& model, ReportChannels& reports) {
  const InputRecords& in = model.input;
  if (in.control.py_curves_option != 1) return;
  const int n_sets = in.n_py_curve_sets < 0 ? 0 : in.n_py_curve_sets;
  assert(n_sets <= kMaxPyCurveSets && "p-y curve sets beyond the capacity");
  model.work.n_py_curve_sets = n_sets;
  for (int s = 0; s < n_sets; ++s) model.work.py_curves[s] = in.py_curve_sets[s];

  const UnitLabels& u = model.units;
  ReportNumberWriter numbers(reports);
  reports.write(kOutputUnit, kTableGTitle);
  reports.write(kOutputUnit, kSetCount, in.n_py_curve_sets);
  for (int s = 0; s < n_sets; ++s) {
    const PyCurveSet& set = model.work.py_curves[s];
    assert(set.n_curves <= kMaxCurvesPerSet && "curves beyond the capacity of a set");
    reports.write(kOutputUnit, kPySetHeading, s + 1, set.n_curves);
    for (int c = 0; c < set.n_curves; ++c) {
      const InputPyCurve& curve = set.curves[c];
      assert(curve.n_points <= kMaxCurvePoints && "curve points beyond the capacity");
      reports.write(kOutputUnit, kPyCurveLabel);
      numbers.write_int(kOutputUnit, 8, c + 1);
      numbers.write_blanks(kOutputUnit, 6);
      reports.write(kOutputUnit, kPyCurveDistance);
      numbers.write_blanks(kOutputUnit, 3);
      numbers.write_real(kOutputUnit, 10, 5, curve.x);
      reports.write(kOutputUnit, kLengthLabelEnd, u.length3);
      reports.write(kOutputUnit, kPyPointHeading, u.force4, u.length3);
      for (int i = 0; i < curve.n_points; ++i)
        write_point_row(numbers, i + 1, curve.p[i], curve.y[i]);
    }
  }
}

// Table H: the user load-settlement curves; piles with L-S CURVE 0 marked for the curve of
// their property.
bool echo_load_settlement_curves(AnalysisModel& model, ReportChannels& reports, int& status) {
  const InputRecords& in = model.input;
  reports.write(kOutputUnit, kTableHTitle);
  const auto curves = user_curves(in.ls_curves, in.n_ls_curves, in.control.ls_curves_option);
  if (in.control.ls_curves_option == 1) {
    reports.write(kOutputUnit, kUserLsTitle);
    echo_user_curves(reports, curves, [&] {
      reports.write(kOutputUnit, kLsPointHeading, model.units.force3, model.units.length3);
    });
  }
  if (mark_piles_for_generated_curves(model, &PileGroup::ls_curve, &PileData::ls_curve)) {
    // Generated load-settlement curves per marked property: generator not yet in the engine.
  }
  return status == 0;
}

// Table I: the user torque-rotation curves; piles with T-R CURVE 0 marked for the curve of
// their property.
bool echo_torque_rotation_curves(AnalysisModel& model, ReportChannels& reports, int& status) {
  const InputRecords& in = model.input;
  reports.write(kOutputUnit, kTableITitle);
  const auto curves = user_curves(in.tr_curves, in.n_tr_curves, in.control.tr_curves_option);
  if (in.control.tr_curves_option == 1) {
    reports.write(kOutputUnit, kUserTrTitle);
    const std::string moment = moment_label(model.units);
    echo_user_curves(reports, curves, [&] { reports.write(kOutputUnit, kTrPointHeading, moment); });
  }
  if (mark_piles_for_generated_curves(model, &PileGroup::tr_curve, &PileData::tr_curve)) {
    // Generated torque-rotation curves per marked property: generator not yet in the engine.
  }
  return status == 0;
}

// Table J: the moment-curvature sets (when mc_option is 1).
void echo_moment_curvature(AnalysisModel& model, ReportChannels& reports) {
  const InputRecords& in = model.input;
  if (in.control.mc_option != 1) return;
  const UnitLabels& u = model.units;
  const int n_sets = in.n_mc_sets < 0 ? 0 : in.n_mc_sets;
  assert(n_sets <= kMaxMomentCurvatureSets && "moment-curvature sets beyond the capacity");
  ReportNumberWriter numbers(reports);
  reports.write(kOutputUnit, kTableJTitle);
  reports.write(kOutputUnit, kUserMcTitle);
  reports.write(kOutputUnit, kSetCount, in.n_mc_sets);
  for (int s = 0; s < n_sets; ++s) {
    const MomentCurvatureSet& set = in.mc_sets[s];
    assert(set.n_curves <= kMaxCurvesPerSet && "curves beyond the capacity of a set");
    reports.write(kOutputUnit, kMcSetHeading, s + 1, set.n_curves);
    for (int c = 0; c < set.n_curves; ++c) {
      const MomentCurvatureCurve& curve = set.curves[c];
      assert(curve.n_points <= kMaxCurvePoints && "curve points beyond the capacity");
      reports.write(kOutputUnit, kMcCurveHeading, c + 1, curve.axial_load, u.force4);
      reports.write(kOutputUnit, kMcPointHeading, u.force4, u.length2, u.length2);
      for (int i = 0; i < curve.n_points; ++i)
        write_point_row(numbers, i + 1, curve.moment[i], curve.curvature[i]);
    }
  }
}

// Table K: the p- and y-multipliers in force, with the direction signs of the equivalent load
// of load case 1 (+1 without load cases).
void echo_reduction_factors(AnalysisModel& model, ReportChannels& reports) {
  const int option = model.input.control.reduction_factor_option;
  const bool two_d = model.input.control.analysis_type == 2;
  if (two_d ? option == 0 : (option != 1 && option != 2)) return;

  int sign_y = 1;
  int sign_z = 1;
  if (model.input.case_header.n_load_cases >= 1) {
    case_equivalent_load(model, 1);
    sign_y = direction_sign(model.current.equivalent_load[1]);
    sign_z = direction_sign(model.current.equivalent_load[2]);
  }
  const int n = model.work.n_piles;
  PileMultipliers& m = model.work.multipliers;

  reports.write(kOutputUnit, kTableKTitle);
  if (two_d) {
    // Option 1: factors for movement along the plane with sign_y, computed here once the
    // close-spacing computation is in the engine; until then the group records' factors hold.
    reports.write(kOutputUnit, kFactorsHeading);
    write_factor_rows(reports, n, m.p_plane, m.y_plane);
    return;
  }
  if (option == 2) {
    reports.write(kOutputUnit, kFactorsHeadingAlong, " ALONG Y-DIRECTION");
    write_factor_rows(reports, n, m.p_y, m.y_y);
    reports.write(kOutputUnit, kFactorsHeadingAlong, " ALONG Z-DIRECTION");
    write_factor_rows(reports, n, m.p_z, m.y_z);
    return;
  }
  // Option 1: factors along Y with sign_y (plane pair, then copied into the y pair) and along
  // Z with sign_z, computed here once the close-spacing computation is in the engine; until
  // then the group records' factors hold and are printed.
  reports.write(kOutputUnit, kFactorsHeadingEstimated, "ALONG Y-DIRECTION",
                "THE DIRECTION OF Y-FORCE ", sign_text(sign_y));
  write_factor_rows(reports, n, m.p_y, m.y_y);
  reports.write(kOutputUnit, kFactorsHeadingEstimated, "ALONG Z-DIRECTION",
                "THE DIRECTION OF Z-FORCE ", sign_text(sign_z));
  write_factor_rows(reports, n, m.p_z, m.y_z);
}

}  // namespace tovek8
