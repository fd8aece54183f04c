// The one analysis model of a run: input records, working tables, case settings, constants.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/run_files.h"

namespace tovek8 {

// Capacities of the model's tables. Item k of the input (1-based, as every report prints it)
// is stored at index k - 1 of its table.
inline constexpr int kMaxLoadCases = 100;
inline constexpr int kMaxConcentratedLoads = 100;
inline constexpr int kMaxDistributedLoads = 100;
inline constexpr int kMaxLoadLevels = 10;
inline constexpr int kMaxCombinations = 100;
inline constexpr int kMaxCombinationMembers = 100;
inline constexpr int kMaxDistributedLoadSets = 2000;
inline constexpr int kMaxSetPoints = 101;
inline constexpr int kMaxPileGroups = 2000;
inline constexpr int kMaxPileProperties = 50;
inline constexpr int kMaxSections = 20;
inline constexpr int kMaxIncrements = 100;
inline constexpr int kMaxNodes = kMaxIncrements + 1;
inline constexpr int kMaxCrossSections = 100;
inline constexpr int kMaxSoilLayers = 20;
inline constexpr int kMaxLayerPoints = 2;
inline constexpr int kMaxPropertyValues = 9;
inline constexpr int kMaxProfilePoints = kMaxLayerPoints * kMaxSoilLayers;
inline constexpr int kMaxPyCurveRequests = 50;
inline constexpr int kMaxRequestedDeflections = 20;
inline constexpr int kMaxPyCurveSets = 50;
inline constexpr int kMaxCurvesPerSet = 20;
inline constexpr int kMaxCurvePoints = 25;
inline constexpr int kMaxUserCurves = 50;
inline constexpr int kMaxMomentCurvatureSets = 50;
inline constexpr int kNameLength = 80;
inline constexpr int kTitleLength = 80;
inline constexpr int kLabelLength = 80;

// Shared constants. Decimal constants held in single precision are kept as their widened value.
inline constexpr double kPiAtStart = 3.141590118408203;  // single-precision 3.14159
inline constexpr double kToleranceA = 1.0e-14;
inline constexpr double kToleranceB = 1.0e-6;
inline constexpr double kToleranceC = 1.0e-5;
inline constexpr double kSmallValue = 1.000000013351432e-10;  // single-precision 1.0E-10
inline constexpr double kDegreesPerHalfTurn = 180.0;

// Section 2: the control record.
struct ControlSettings {
  int units_system = 0;             // 1 English, 2 SI, 3 generic
  int analysis_type = 0;            // 2 two-dimensional, 3 three-dimensional
  int cap_option = 0;               // 1: embedded cap with passive resistance
  int flexible_cap_option = 0;      // <= 0 rigid; 2 plate files only; other > 0 flexible plate
  int py_curves_option = 0;         // 1: input p-y curves present
  int ls_curves_option = 0;         // 1: user load-settlement curves present
  int tr_curves_option = 0;         // 1: user torque-rotation curves present
  int reduction_factor_option = 0;  // 1: multipliers computed for close spacing
  int mc_option = 0;                // 1: moment-curvature sets present
  int reserved10 = 0;
  int KPYOP = 0;  // 1 "P-Y YES", 0 "P-Y NO", -1 "P-Y ONLY"
  int reserved12 = 0;
};

// Section 3: the pile cap and, for a flexible cap, the plate.
struct PileCap {
  double cap_length = 0.0;     // LENGTH,YY
  double cap_width = 0.0;      // WIDTH, ZZ (the cap diagonal in 3D after the echo of Table B)
  double cap_thickness = 0.0;  // THICKNESS,XX
};
struct FlexibleCap {
  double plate_y0 = 0.0;
  double plate_z0 = 0.0;
  int plate_divisions_y = 0;
  int plate_divisions_z = 0;
  double plate_young_modulus = 0.0;
  double plate_poisson_ratio = 0.0;
};

// A concentrated load, in the order of the input record.
struct ConcentratedLoad {
  double vertical = 0.0;  // x direction
  double horizontal_y = 0.0;
  double moment_z = 0.0;
  double horizontal_z = 0.0;
  double moment_y = 0.0;
  double moment_x = 0.0;
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

struct DistributedLoad {
  int load_number = 0;  // read, not used
  int AXIS = 0;         // 0 local axes, otherwise global
  int INI_PILE = 0;
  int END_PILE = 0;
  int INC_PILE = 0;
  int SET_Y = 0;
  double FACTOR_Y = 0.0;
  int SET_Z = 0;
  double FACTOR_Z = 0.0;
};

// Section 4: one load case.
struct LoadCase {
  // case record 1
  std::array<int, 3> reserved1{};
  int loading_kind = 0;  // 0 cyclic, 1 static
  int n_cycles = 0;
  int max_iter_foundation = 0;
  int max_iter_pile = 0;
  // case record 2
  double tol_reaction = 0.0;
  double tol_deflection = 0.0;
  double load_increment_factor = 0.0;
  double min_increment_factor = 0.0;
  std::string name;  // 80 characters, blank-padded
  // case record 3
  int load_type = 0;
  int stiffness_option = 0;
  int cap_stiffness_option = 0;
  int cap_stiffness_mode = 0;
  std::array<int, 2> reserved3{};
  int global_axial_to_head = 0;
  // case record 4
  int print_option = 0;
  int print_nodes = 0;
  double scale_factor = 0.0;
  int reserved4 = 0;

  int n_concentrated = 0;
  std::array<ConcentratedLoad, kMaxConcentratedLoads> concentrated{};
  int n_distributed = 0;
  std::array<DistributedLoad, kMaxDistributedLoads> distributed{};
  int n_load_levels = 0;  // default levels, when given by the reader, are stored here too
  std::array<double, kMaxLoadLevels> load_levels{};
};

struct LoadCaseHeader {
  int n_load_cases = 0;
  int case_envelope_option = 0;
  int case_envelope_print = 0;
  int case_envelope_nodes = 0;
};

// Section 5: one load combination.
struct LoadCombination {
  std::array<int, 3> reserved1{};
  int loading_kind = 0;
  int n_cycles = 0;
  int max_iter_foundation = 0;
  int max_iter_pile = 0;
  double tol_reaction = 0.0;
  double tol_deflection = 0.0;
  double load_increment_factor = 0.0;
  double min_increment_factor = 0.0;
  std::string name;  // 80 characters, blank-padded
  double bending_rf = 0.0;
  double shear_rf = 0.0;
  int print_option = 0;
  int print_nodes = 0;
  std::array<int, 2> reserved4{};
  int n_members = 0;  // the member count record replaces the value of record 3
  std::array<int, kMaxCombinationMembers> member_case{};
  std::array<double, kMaxCombinationMembers> member_factor{};
};

struct CombinationHeader {
  int n_combinations = 0;
  int comb_envelope_option = 0;
  int comb_envelope_print = 0;
  int comb_envelope_nodes = 0;
};

// Section 6: a distributed-load set, DEPTH along the pile from its head and LOAD per length.
struct DistributedLoadSet {
  int n_points = 0;
  std::array<double, kMaxSetPoints> depth{};
  std::array<double, kMaxSetPoints> load{};
};

// Section 7: one line of the group table as read. In 2D the row's fields share the 3D slots:
// CONNECT -> connect_y, SPRING -> spring_y, P-FACTOR/Y-FACTOR -> the y factors,
// VERT -> x, HOR -> y.
struct PileGroup {
  int connect_y = 0;      // CONNECTY (2D: CONNECT); 1 PIN, 2 FIX, 3 RES
  int connect_z = 0;      // CONNECTZ
  int n_piles = 0;        // 2D: NO OF PILE
  int pile_prop = 0;      // PILE PROP
  int py_curve = 0;       // P-Y CURVE
  int ls_curve = 0;       // L-S CURVE; 0 becomes -(property number) in preparation
  int tr_curve = 0;       // T-R CURVE; likewise
  double spring_y = 0.0;  // SPR.y (2D: SPRING)
  double spring_z = 0.0;  // SPR.z
  double spacing = 0.0;   // 2D: spacing of the piles of the row
  double p_factor_y = 0.0;
  double y_factor_y = 0.0;
  double p_factor_z = 0.0;
  double y_factor_z = 0.0;
  double axial_force_factor = 0.0;
  double x = 0.0;       // CorX (2D: VERT)
  double y = 0.0;       // CorY (2D: HOR)
  double z = 0.0;       // CorZ
  double alpha = 0.0;   // ALPHA, degrees as read
  double beta = 0.0;    // BETA, degrees as read
  double slope = 0.0;   // 2D: SLOPE, degrees as read
  double ground = 0.0;  // GROUND
};

// Section 8: pile properties and their sections.
struct PileSection {
  double FROM = 0.0;
  double TO = 0.0;
  int cross_section = 0;  // CROSS SECT
  int set_nlei_y = 0;     // SET NLEIy
  int set_nlei_z = 0;     // SET NLEIz
};
struct PileProperty {
  int number = 0;  // read, not used
  int n_sections = 0;
  int INC = 0;
  double LENGTH = 0.0;
  double E = 0.0;
  int pile_type = 0;  // 1 DRIVEN PILE, 2 DRILLED SHAFT
  std::array<PileSection, kMaxSections> sections{};
};

// Section 9: a cross section; values 1..18 of the geometry and property records at [0..17].
struct CrossSection {
  int number = 0;        // the second integer of record 1 (both are read into the same place)
  int section_type = 0;  // 0 general, 1 circular pipe, 2 rectangular pipe, 3 I, other H
  std::string name;
  std::array<double, 18> values{};
};

// Section 10: a soil layer; property values 1..9 at [0..8].
struct SoilLayer {
  int number = 0;  // read, not used
  int soil_model = 0;
  double x_top = 0.0;
  double x_bottom = 0.0;
  int n_points = 0;
  int n_values = 0;
  std::array<double, kMaxPropertyValues> top{};
  std::array<double, kMaxPropertyValues> bottom{};
};

// Section 11: a printed p-y curve request.
struct PyCurveRequest {
  int pile_group = 0;
  double depth = 0.0;  // an x coordinate
  int n_curve_points = 0;
  std::array<double, kMaxRequestedDeflections> deflections{};
};

// Section 12: input p-y curves. A curve at depth coordinate x with points (p, y).
struct InputPyCurve {
  double x = 0.0;
  int n_points = 0;
  std::array<double, kMaxCurvePoints> p{};
  std::array<double, kMaxCurvePoints> y{};
};
struct PyCurveSet {
  int number = 0;  // read, not used
  int n_curves = 0;
  std::array<InputPyCurve, kMaxCurvesPerSet> curves{};
};

// Sections 13 and 14: user load-settlement (load, settlement) or torque-rotation
// (torque, rotation in radians) curves.
struct UserCurve {
  int number = 0;  // read, not used
  int n_points = 0;
  std::array<double, kMaxCurvePoints> force{};
  std::array<double, kMaxCurvePoints> displacement{};
};

// Section 15: moment-curvature sets.
struct MomentCurvatureCurve {
  double axial_load = 0.0;
  int n_points = 0;
  std::array<double, kMaxCurvePoints> moment{};
  std::array<double, kMaxCurvePoints> curvature{};
};
struct MomentCurvatureSet {
  int number = 0;  // read, not used
  int n_curves = 0;
  std::array<MomentCurvatureCurve, kMaxCurvesPerSet> curves{};
};

// The input records of a run, as read.
struct InputRecords {
  std::array<std::string, 2> title;  // 80 characters each, blank-padded
  ControlSettings control;
  PileCap cap;
  FlexibleCap flexible_cap;
  LoadCaseHeader case_header;
  std::array<LoadCase, kMaxLoadCases> load_cases{};
  CombinationHeader combination_header;
  std::array<LoadCombination, kMaxCombinations> combinations{};
  int n_distributed_load_sets = 0;
  std::array<DistributedLoadSet, kMaxDistributedLoadSets> distributed_load_sets{};
  int n_groups = 0;
  std::array<PileGroup, kMaxPileGroups> groups{};
  int n_properties = 0;
  std::array<PileProperty, kMaxPileProperties> properties{};
  int n_cross_sections = 0;
  std::array<CrossSection, kMaxCrossSections> cross_sections{};
  int n_layers = 0;
  std::array<SoilLayer, kMaxSoilLayers> layers{};
  int n_py_requests = 0;
  std::array<PyCurveRequest, kMaxPyCurveRequests> py_requests{};
  int n_py_curve_sets = 0;
  std::array<PyCurveSet, kMaxPyCurveSets> py_curve_sets{};
  int n_ls_curves = 0;
  std::array<UserCurve, kMaxUserCurves> ls_curves{};
  int n_tr_curves = 0;
  std::array<UserCurve, kMaxUserCurves> tr_curves{};
  int n_mc_sets = 0;
  std::array<MomentCurvatureSet, kMaxMomentCurvatureSets> mc_sets{};
};

// Per-pile working data built by the preparation (index = group number - 1).
struct PileData {
  double x = 0.0, y = 0.0, z = 0.0;  // head coordinates
  double alpha = 0.0, beta = 0.0;    // batter angles, radians (3D)
  double slope = 0.0;                // batter angle from the vertical, radians (2D)
  int connect_y = 0, connect_z = 0;  // 1 pinned, 2 fixed, 3 elastically restrained
  double spring_y = 0.0, spring_z = 0.0;
  double ground = 0.0;
  int property = 0;
  int py_curve = 0, ls_curve = 0, tr_curve = 0;
  double axial_force_factor = 0.0;
  double piles_in_row = 1.0;  // NO OF PILE in 2D, 1.0 in 3D
  double spacing = 0.0;       // 2D
};

// The p- and y-multipliers of every pile: plane (2D), y and z directions (3D).
struct PileMultipliers {
  std::array<double, kMaxPileGroups> p_plane{}, y_plane{};
  std::array<double, kMaxPileGroups> p_y{}, y_y{};
  std::array<double, kMaxPileGroups> p_z{}, y_z{};
  void fill(double value) {
    for (auto* t : {&p_plane, &y_plane, &p_y, &y_y, &p_z, &y_z}) t->fill(value);
  }
};

// Derived properties of one section of a pile property.
struct SectionProperties {
  double diameter = 0.0;
  double area = 0.0;
  double Iz = 0.0;
  double Iy = 0.0;
  double EIz = 0.0;
  double EIy = 0.0;
  double GJ = 0.0;
  double Mn = 0.0;
  double Vn = 0.0;
};

// Per pile property working data.
struct PropertyData {
  double length = 0.0;
  double E = 0.0;
  int increments = 0;
  int pile_type = 0;
  int n_sections = 0;
  std::array<SectionProperties, kMaxSections> sections{};
};

// The soil property profile: two points per layer (top, then bottom) with the unused columns
// of each soil model zeroed and the friction angle in radians.
struct SoilProfile {
  int NS = 0;  // 2 x number of layers
  std::array<double, kMaxProfilePoints> x{};
  std::array<double, kMaxProfilePoints> unit_weight{};
  std::array<double, kMaxProfilePoints> c{};
  std::array<double, kMaxProfilePoints> phi{};  // radians
  std::array<double, kMaxProfilePoints> k{};
  std::array<double, kMaxProfilePoints> Er{};
  std::array<double, kMaxProfilePoints> e50{};
  std::array<double, kMaxProfilePoints> rqd{};
  std::array<double, kMaxProfilePoints> tip_resistance{};
  std::array<double, kMaxProfilePoints> side_friction{};
};

// The working tables built by the input echo and preparation.
struct WorkingTables {
  int n_piles = 0;
  std::array<PileData, kMaxPileGroups> piles{};
  PileMultipliers multipliers;
  std::array<PropertyData, kMaxPileProperties> properties{};
  int min_increments = 0;  // smallest INC over all properties
  SoilProfile soil;
  int n_py_curve_sets = 0;
  std::array<PyCurveSet, kMaxPyCurveSets> py_curves{};  // input p-y curves, per set and curve
  int kpyop_input = 0;  // KPYOP as read, kept aside while the load cases run
};

// Settings of the load case or combination being analysed.
struct CurrentCaseSettings {
  int max_iter_pile = 0;
  int max_iter_foundation = 0;
  double tol_reaction = 0.0;
  double tol_deflection = 0.0;
  double load_increment_factor = 0.0;
  double min_increment_factor = 0.0;
  int print_option = 0;
  int print_nodes = 0;
  int loading_kind = 0;
  double n_cycles = 0.0;
  double bending_rf = 1.0;
  double shear_rf = 1.0;
  int stiffness_switch = 0;
  int n_load_levels = 0;
  double load_level = 0.0;
  std::array<double, 6> equivalent_load{};  // Fx, Fy, Fz, Mx, My, Mz at the origin
};

// Unit texts of the chosen units system, printed in report headings.
struct UnitLabels {
  std::string_view length3 = "  L";  // 3 characters
  std::string_view force4 = "   F";  // 4 characters
  std::string_view length2 = " L";   // 2 characters
  std::string_view force3 = "  F";   // 3 characters
  // Fixed pieces of compound units.
  std::string_view slash = "/";
  std::string_view dash = "-";
  std::string_view power = "**";
  std::string_view squared = "2";
  std::string_view cubed = "3  ";
  std::string_view fourth = "4";
  std::string_view radians = "RAD";
  std::string_view degrees = "DEG";
};

// Switches derived from the control record.
struct DerivedSwitches {
  bool ls_curves_given = false;      // ls_curves_option == 1
  bool py_curves_given = false;      // py_curves_option >= 1
  std::array<int, 4> switches_2d{};  // read only by the two-dimensional analysis
  int pile_head_transform = 0;       // set to 1 by the entry
};

// Shared numeric constants of a run (pi changes during preparation).
struct ModelConstants {
  double pi = 0.0;
  double tolerance_a = 0.0;
  double tolerance_b = 0.0;
  double tolerance_c = 0.0;
  double small_value = kSmallValue;
  double degrees_per_half_turn = kDegreesPerHalfTurn;
};

// All data of one run. Large: create one per run on the heap (make_unique value-initialises
// it, so every table starts at zero).
struct AnalysisModel {
  InputRecords input;
  WorkingTables work;
  CurrentCaseSettings current;
  UnitLabels units;
  DerivedSwitches switches;
  ModelConstants constants;
  RunFiles files;  // the records of Names.dat
};

// Sets the unit labels from the sign of `units` (> 0 English, < 0 SI, 0 generic).
void set_unit_labels(AnalysisModel& model, int units);

// The name of a load type code, blank-padded to 32 characters ("Special, Sp" for any other code).
std::string load_type_name(int load_type);

// The name of a units system printed by the echo: "ENGL", "METR", "OPEN", or blanks.
std::string_view units_system_name(int units_system);

// Gives a load case the 10 default foundation-stiffness load levels: 0.1 (held in single
// precision), then log10(2), log10(3), ..., log10(10).
void set_default_load_levels(LoadCase& load_case);

// Sets the shared constants the entry sets before the input is read: pi, the tolerances and
// every multiplier at 1.0.
void set_shared_constants(AnalysisModel& model);

}  // namespace tovek8
