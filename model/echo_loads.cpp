// Echo of the headings, the pile cap (Table B) and the loads and control parameters (Table C).
#include <cassert>
#include <cmath>
#include <string>
#include <string_view>

#include "loadcases/equivalent_load.h"
#include "model/echo_tables.h"
#include "run/layout.h"
#include "run/report_number_writer.h"

namespace tovek8 {

namespace {

// Headings: two empty lines, then the banner after three more.
const Layout kInputInformation{R"((/,/,/,/,/,16X,"*****",5X,"INPUT INFORMATION",5X,"*****"))"};
const Layout kTitle{R"((/,/,5X,A80))"};
const Layout kAnalysisType{R"((/,5X,"ANALYSIS TYPE = ",I1,"D ANALYSIS"))"};
const Layout kUnitsSystem{R"((/,5X,"UNITS SYSTEM  = ",A4))"};

// Table B.
const Layout kTableBTitle{R"((/,/,/,5X,"* TABLE B *  PILE CAP OPTIONS"))"};
const Layout kCapLength{R"((5X,"LENGTH,YY    ( ",A," ) = ",1P,E12.4))"};
const Layout kCapWidth{R"((5X,"WIDTH, ZZ    ( ",A," ) = ",1P,E12.4))"};
const Layout kCapThickness{R"((5X,"THICKNESS,XX ( ",A," ) = ",1P,E12.4))"};
const Layout kCapEmbedded{
    R"((/,5X,"* PILE CAP IS EMBEDDED AND PASSIVE EARTH",/,5X,"  RESISTANCE IN FRONT OF PILE CAP WILL BE CONSIDERED",/))"};
const Layout kCapNotConsidered{
    R"((/,5X,"* PILE CAP DIMENSIONS ARE NOT CONSIDERED",/,5X,"  FOR THE PILE GROUP ANALYSIS ",/))"};

// Table C: load cases.
const Layout kTableCTitle{R"((/,/,/,5X,"* TABLE C *  LOAD AND CONTROL PARAMETERS"))"};
const Layout kLoadCasesTitle{R"((/,/,5X,"** LOAD CASES **",/))"};
const Layout kLoadCaseCount{R"((/,5X,"NUMBER OF LOAD CASES :",I5))"};
const Layout kLoadCaseHead{R"((/,/,5X,"LOAD CASE    : ",I5,/,5X,"CASE NAME    : ",A80))"};
const Layout kLoadType{R"((5X,"LOAD TYPE    : ",A32))"};
const Layout kScaleFactor{R"((5X,"SCALE FACTOR : ",$))"};

// Concentrated loads. The unit line centres each label in the 13 columns of its value:
// a 3-character force label after 5 blanks, a 6-character moment after 4, a 2-character
// length after 6.
const Layout kConcentratedTitle{R"((/,5X,"* CONCENTRATED LOADS *",/))"};
const Layout kConcentratedHeading3d{
    R"((7X," NL    VERT.LOAD    HR.LOAD Y    HR.LOAD Z","    MOMENT X     MOMENT Y     MOMENT Z ","     COORD X      COORD Y      COORD Z "))"};
const Layout kConcentratedUnits3d{R"((10X,3(5X,A3,5X),3(4X,A6,3X),3(6X,A2,5X)))"};
const Layout kConcentratedHeading2d{
    R"((5X,"  NL     VERT.LOAD     HOR.LOAD      MOMENT","      COORD X      COORD Y"))"};
const Layout kConcentratedUnits2d{R"((10X,2(5X,A3,5X),4X,A6,3X,2(6X,A2,5X)))"};

// Equivalent concentrated load at the origin.
const Layout kEquivalentTitle{R"((/,/,5X,"* EQUIVALENT CONC. LOAD AT ORIGIN *"))"};
const Layout kEquivalentForces3d{
    R"((/,11X," VER.LOAD X,",A,5X,"HOR.LOAD Y,",A,5X,"HOR.LOAD Z,",A))"};
const Layout kEquivalentMoments3d{R"((/,11X," MOMENT X,",A,3X," MOMENT Y,",A,3X," MOMENT Z,",A))"};
const Layout kEquivalentLoads2d{R"((/,13X," VER.LOAD X,",A,3X," HOR.LOAD Y,",A,3X," MOMENT,",A))"};

// Distributed loads.
const Layout kDistributedTitle{R"((/,5X,"* DISTRIBUTED LOADS *",/))"};
const Layout kDistributedHeading2d{
    R"((5X,"  NL    AXIS    INI_PILE  END_PILE","  INC_PILE    SET_Y ","   FACTOR_Y"))"};
const Layout kDistributedHeading3d{
    R"((5X,"  NL    AXIS    INI_PILE  END_PILE","  INC_PILE    SET_Y ","   FACTOR_Y","     SET_Z    FACTOR_Z"))"};
const Layout kDistributedRow{R"((5X,I4,3X,A6,3(I8,2X),4X,$))"};
const Layout kGlobalAxialNote{
    R"((/,5X,"NOTE: FOR GLOBAL LOADING, AXIAL ","COMPONENT IS CONSIDERED AS ","CONCENTRATED LOAD AT PILE HEAD"))"};

// Foundation stiffness.
const Layout kStiffnessTitle{
    R"((/,5X,"* DATA FOR FOUNDATION STIFFNESS *",/,5X,"COMPUTED FOR EQUIVALENT CONC. LOAD AT ORIGIN",/))"};
const Layout kLoadLevelsTitle{R"((/,5X,"* FOUNDATION STIFFNESS LOAD LEVELS *",/))"};
const Layout kLoadLevelsHeading{R"((5X,"  NL       LOAD LEVEL"))"};
const Layout kLoadLevelRow{R"((5X,I4,4X,$))"};

// Loading, control parameters and print options.
const Layout kCyclicLoading{
    R"((/,/,5X,"* THE LOADING IS CYCLIC *",/,/,5X,"NO. OF CYCLES =,",G10.2))"};
const Layout kStaticLoading{R"((/,/,5X,"* THE LOADING IS STATIC *"))"};
const Layout kControlParameters{
    R"((/,/,5X,1P,"* CONTROL PARAMETERS *",/,9X,"TOLERANCE ON CONVERGENCE OF FOUNDATION REACTION,",4X," = ",E12.5,/,9X,"TOLERANCE ON DETERMINATION OF DEFLECTIONS",11X," = ",E12.5,A3,/,9X,"MAX NO OF ITERATIONS ALLOWED FOR FOUNDATION ANALYSIS =",I9,/,9X,"MAXIMUM NO OF ITERATIONS ALLOWED FOR PILE ANALYSIS   =",I9,/,9X,"FACTOR TO APPLY THE LOAD IN INCREMENTS",14X," = ",E12.5,/,9X,"MINIMUM FACTOR FOR LOAD INCREMENTS    ",14X," = ",E12.5))"};
const Layout kPrintAtCap{R"((9X,"PRINT RESULTS ONLY AT PILE CAP"))"};
const Layout kPrintAtHeads{R"((9X,"PRINT RESULTS AT PILE CAP AND PILE HEADS"))"};
const Layout kPrintAlongPiles{R"((9X,"PRINT RESULTS AT PILE CAP, PILE HEADS AND"," ALONG PILES"))"};
const Layout kPrintEveryNodes{R"L((9X,"PRINT RESULTS EVERY ",I5," NODE(S)"))L"};
const Layout kPrintEveryNodesCombination{R"L((9X,"PRINT RESULTS EVERY ",I5,"NODE(S)"))L"};

// Envelopes and combinations.
const Layout kCaseEnvelopesTitle{R"((/,/,5X,"** LOAD CASES ENVELOPES **",/))"};
const Layout kCombinationsTitle{R"((/,/,/,5X,"** LOAD COMBINATIONS **",/))"};
const Layout kCombinationCount{R"((/,5X,"NUMBER OF LOAD COMB. :",I5))"};
const Layout kCombinationHead{
    R"((/,5X,"LOAD COMB. : ",I5,/,5X,"COMB. NAME : ",A80,/,5X,"BENDING RF : ",1P,E12.5,/,5X,"SHEAR RF   : ",1P,E12.5,/))"};
const Layout kMembersHeading{
    R"((5X,"  NL     LOAD NUMBER         LOAD NAME","                  LOAD FACTOR"))"};
const Layout kMemberRow{R"((5X,I4,I10,10X,A26,5X,$))"};
const Layout kCombinationEnvelopesTitle{R"((/,/,5X,"** LOAD COMBINATION ENVELOPES **",/))"};

// Distributed-load sets.
const Layout kSetsTitle{R"((/,/,/,5X,"** SETS OF DISTRIBUTED LOAD **",/))"};
const Layout kSetCount{R"((/,5X,"NUMBER OF SETS :",I5))"};
const Layout kSetHead{R"((/,5X,"DIST. LOAD SET : ",I5))"};
const Layout kSetHeading{R"((5X,"  NL           DEPTH         LOAD "))"};
const Layout kSetUnits{R"L((5X,15X,"(",A,")",10X,"(",A,")"))L"};

bool is_two_dimensional(const AnalysisModel& model) {
  return model.input.control.analysis_type == 2;
}

std::string moment_label(const UnitLabels& u) {
  return std::string(u.force3) + std::string(u.dash) + std::string(u.length2);
}

// A name of the input blank-padded (or cut) to the 80 characters of its field.
std::string padded_name(const std::string& name) {
  std::string text = name;
  text.resize(kNameLength, ' ');
  return text;
}

// The settings Table C prints for a load case and for a combination alike.
struct ControlEcho {
  int loading_kind;
  int n_cycles;
  double tol_reaction;
  double tol_deflection;
  int max_iter_foundation;
  int max_iter_pile;
  double load_increment_factor;
  double min_increment_factor;
  int print_option;
  int print_nodes;
};

template <class Record>
ControlEcho control_echo(const Record& r) {
  return {r.loading_kind,        r.n_cycles,      r.tol_reaction,          r.tol_deflection,
          r.max_iter_foundation, r.max_iter_pile, r.load_increment_factor, r.min_increment_factor,
          r.print_option,        r.print_nodes};
}

// The print-option lines; a combination prints "NODE(S)" without the blank before it.
void echo_print_option(ReportChannels& reports, int print_option, int print_nodes,
                       bool combination) {
  switch (print_option) {
    case 0:
      reports.write(kOutputUnit, kPrintAtCap);
      return;
    case 1:
      reports.write(kOutputUnit, kPrintAtHeads);
      return;
    default:
      reports.write(kOutputUnit, kPrintAlongPiles);
      if (print_option == 2) {
        reports.write(kOutputUnit, combination ? kPrintEveryNodesCombination : kPrintEveryNodes,
                      print_nodes);
      }
      return;
  }
}

// Loading kind, control parameters and print option of a load case or combination.
void echo_control(const AnalysisModel& model, ReportChannels& reports, const ControlEcho& c,
                  bool combination) {
  if (c.loading_kind == 0) {
    reports.write(kOutputUnit, kCyclicLoading, static_cast<double>(c.n_cycles));
  } else if (c.loading_kind == 1) {
    reports.write(kOutputUnit, kStaticLoading);
  }
  reports.write(kOutputUnit, kControlParameters, c.tol_reaction, c.tol_deflection,
                model.units.length3, c.max_iter_foundation, c.max_iter_pile,
                c.load_increment_factor, c.min_increment_factor);
  echo_print_option(reports, c.print_option, c.print_nodes, combination);
}

void echo_concentrated_loads(const AnalysisModel& model, ReportChannels& reports,
                             const LoadCase& lc) {
  const UnitLabels& u = model.units;
  const std::string moment = moment_label(u);
  ReportNumberWriter numbers(reports);
  reports.write(kOutputUnit, kConcentratedTitle);
  if (is_two_dimensional(model)) {
    reports.write(kOutputUnit, kConcentratedHeading2d);
    reports.write(kOutputUnit, kConcentratedUnits2d, u.force3, u.force3, moment, u.length2,
                  u.length2);
  } else {
    reports.write(kOutputUnit, kConcentratedHeading3d);
    reports.write(kOutputUnit, kConcentratedUnits3d, u.force3, u.force3, u.force3, moment, moment,
                  moment, u.length2, u.length2, u.length2);
  }
  for (int i = 0; i < lc.n_concentrated; ++i) {
    const ConcentratedLoad& p = lc.concentrated[i];
    numbers.write_blanks(kOutputUnit, 5);
    numbers.write_int(kOutputUnit, 4, i + 1);
    numbers.write_blanks(kOutputUnit, 1);
    if (is_two_dimensional(model)) {
      for (double v : {p.vertical, p.horizontal_y, p.moment_z, p.x, p.y})
        numbers.write_real(kOutputUnit, 13, 5, v);
    } else {
      for (double v : {p.vertical, p.horizontal_y, p.horizontal_z, p.moment_x, p.moment_y,
                       p.moment_z, p.x, p.y, p.z})
        numbers.write_real(kOutputUnit, 13, 5, v);
    }
    numbers.end_line(kOutputUnit);
  }
}

// A row of the equivalent load: 8 blanks and three values R18.5.
void write_equivalent_row(ReportNumberWriter& numbers, double a, double b, double c) {
  numbers.write_blanks(kOutputUnit, 8);
  for (double v : {a, b, c}) numbers.write_real(kOutputUnit, 18, 5, v);
  numbers.end_line(kOutputUnit);
}

// The equivalent load of case `k` at the origin, scale factor included.
void echo_equivalent_load(AnalysisModel& model, ReportChannels& reports, int k) {
  const UnitLabels& u = model.units;
  const std::string moment = moment_label(u);
  ReportNumberWriter numbers(reports);
  case_equivalent_load(model, k);
  const auto& q = model.current.equivalent_load;
  reports.write(kOutputUnit, kEquivalentTitle);
  if (is_two_dimensional(model)) {
    reports.write(kOutputUnit, kEquivalentLoads2d, u.force3, u.force3, moment);
    write_equivalent_row(numbers, q[0], q[1], q[5]);
    return;
  }
  reports.write(kOutputUnit, kEquivalentForces3d, u.force3, u.force3, u.force3);
  write_equivalent_row(numbers, q[0], q[1], q[2]);
  reports.write(kOutputUnit, kEquivalentMoments3d, moment, moment, moment);
  write_equivalent_row(numbers, q[3], q[4], q[5]);
}

// "GLOBAL" for AXIS 1, "LOCAL " for any other value.
std::string_view axis_text(int axis) {
  return axis == 1 ? "GLOBAL" : "LOCAL ";
}

void echo_distributed_loads(const AnalysisModel& model, ReportChannels& reports,
                            const LoadCase& lc) {
  const bool two_d = is_two_dimensional(model);
  ReportNumberWriter numbers(reports);
  reports.write(kOutputUnit, kDistributedTitle);
  reports.write(kOutputUnit, two_d ? kDistributedHeading2d : kDistributedHeading3d);
  bool any_global = false;
  for (int i = 0; i < lc.n_distributed; ++i) {
    const DistributedLoad& d = lc.distributed[i];
    any_global = any_global || d.AXIS == 1;
    reports.write(kOutputUnit, kDistributedRow, d.load_number, axis_text(d.AXIS), d.INI_PILE,
                  d.END_PILE, d.INC_PILE);
    numbers.write_blanks(kOutputUnit, 2);
    numbers.write_int(kOutputUnit, 8, d.SET_Y);
    numbers.write_real(kOutputUnit, 14, 4, d.FACTOR_Y);
    if (!two_d) {
      numbers.write_int(kOutputUnit, 8, d.SET_Z);
      numbers.write_real(kOutputUnit, 14, 4, d.FACTOR_Z);
    }
    numbers.end_line(kOutputUnit);
  }
  if (any_global && lc.global_axial_to_head == 1) reports.write(kOutputUnit, kGlobalAxialNote);
}

void echo_stiffness_load_levels(ReportChannels& reports, LoadCase& lc) {
  if (lc.n_load_levels <= 0) set_default_load_levels(lc);
  assert(lc.n_load_levels <= kMaxLoadLevels && "load levels beyond the capacity of a load case");
  ReportNumberWriter numbers(reports);
  reports.write(kOutputUnit, kStiffnessTitle);
  reports.write(kOutputUnit, kLoadLevelsTitle);
  reports.write(kOutputUnit, kLoadLevelsHeading);
  for (int i = 0; i < lc.n_load_levels; ++i) {
    reports.write(kOutputUnit, kLoadLevelRow, i + 1);
    numbers.write_real(kOutputUnit, 13, 5, lc.load_levels[i]);
    numbers.end_line(kOutputUnit);
  }
}

// Load case k (1-based): name, type, scale, loads, stiffness levels and control parameters.
void echo_load_case(AnalysisModel& model, ReportChannels& reports, int k) {
  LoadCase& lc = model.input.load_cases[k - 1];
  assert(lc.n_concentrated <= kMaxConcentratedLoads && lc.n_distributed <= kMaxDistributedLoads &&
         "loads beyond the capacity of a load case");
  ReportNumberWriter numbers(reports);
  reports.write(kOutputUnit, kLoadCaseHead, k, padded_name(lc.name));
  reports.write(kOutputUnit, kLoadType, load_type_name(lc.load_type));
  reports.write(kOutputUnit, kScaleFactor);
  numbers.write_real(kOutputUnit, 12, 4, lc.scale_factor);
  numbers.end_line(kOutputUnit);

  if (lc.n_concentrated >= 1) {
    echo_concentrated_loads(model, reports, lc);
    echo_equivalent_load(model, reports, k);
  }
  if (lc.n_distributed >= 1) echo_distributed_loads(model, reports, lc);
  if (lc.stiffness_option >= 1) echo_stiffness_load_levels(reports, lc);
  echo_control(model, reports, control_echo(lc), false);
}

void echo_load_cases(AnalysisModel& model, ReportChannels& reports) {
  const LoadCaseHeader& h = model.input.case_header;
  assert(h.n_load_cases <= kMaxLoadCases && "load cases beyond the capacity of the model");
  if (h.n_load_cases >= 1) {
    reports.write(kOutputUnit, kLoadCasesTitle);
    reports.write(kOutputUnit, kLoadCaseCount, h.n_load_cases);
    for (int k = 1; k <= h.n_load_cases; ++k) echo_load_case(model, reports, k);
  }
  if (h.case_envelope_option >= 1) {
    reports.write(kOutputUnit, kCaseEnvelopesTitle);
    echo_print_option(reports, h.case_envelope_print, h.case_envelope_nodes, false);
  }
}

// The first 26 characters of the name of load case `case_number`; blanks for no such case.
std::string member_case_name(const AnalysisModel& model, int case_number) {
  std::string name;
  if (case_number >= 1 && case_number <= kMaxLoadCases)
    name = model.input.load_cases[case_number - 1].name;
  name.resize(26, ' ');
  return name;
}

void echo_combination(const AnalysisModel& model, ReportChannels& reports, int k) {
  const LoadCombination& c = model.input.combinations[k - 1];
  assert(c.n_members <= kMaxCombinationMembers && "members beyond the capacity of a combination");
  ReportNumberWriter numbers(reports);
  reports.write(kOutputUnit, kCombinationHead, k, padded_name(c.name), c.bending_rf, c.shear_rf);
  if (c.n_members >= 1) {
    reports.write(kOutputUnit, kMembersHeading);
    for (int i = 0; i < c.n_members; ++i) {
      reports.write(kOutputUnit, kMemberRow, i + 1, c.member_case[i],
                    member_case_name(model, c.member_case[i]));
      numbers.write_real(kOutputUnit, 12, 4, c.member_factor[i]);
      numbers.end_line(kOutputUnit);
    }
  }
  echo_control(model, reports, control_echo(c), true);
}

void echo_combinations(const AnalysisModel& model, ReportChannels& reports) {
  const CombinationHeader& h = model.input.combination_header;
  assert(h.n_combinations <= kMaxCombinations && "combinations beyond the capacity of the model");
  if (h.n_combinations >= 1) {
    reports.write(kOutputUnit, kCombinationsTitle);
    reports.write(kOutputUnit, kCombinationCount, h.n_combinations);
    for (int k = 1; k <= h.n_combinations; ++k) echo_combination(model, reports, k);
  }
  if (h.comb_envelope_option >= 1) {
    reports.write(kOutputUnit, kCombinationEnvelopesTitle);
    echo_print_option(reports, h.comb_envelope_print, h.comb_envelope_nodes, false);
  }
}

void echo_distributed_load_sets(const AnalysisModel& model, ReportChannels& reports) {
  const InputRecords& in = model.input;
  assert(in.n_distributed_load_sets <= kMaxDistributedLoadSets &&
         "distributed-load sets beyond the capacity of the model");
  if (in.n_distributed_load_sets < 1) return;
  const UnitLabels& u = model.units;
  ReportNumberWriter numbers(reports);
  reports.write(kOutputUnit, kSetsTitle);
  reports.write(kOutputUnit, kSetCount, in.n_distributed_load_sets);
  for (int s = 0; s < in.n_distributed_load_sets; ++s) {
    const DistributedLoadSet& set = in.distributed_load_sets[s];
    assert(set.n_points <= kMaxSetPoints && "points beyond the capacity of a set");
    reports.write(kOutputUnit, kSetHead, s + 1);
    reports.write(kOutputUnit, kSetHeading);
    reports.write(kOutputUnit, kSetUnits, u.length2, u.force3);
    for (int i = 0; i < set.n_points; ++i) {
      numbers.write_blanks(kOutputUnit, 5);
      numbers.write_int(kOutputUnit, 4, i + 1);
      numbers.write_blanks(kOutputUnit, 4);
      numbers.write_real(kOutputUnit, 12, 4, set.depth[i]);
      numbers.write_blanks(kOutputUnit, 2);
      numbers.write_real(kOutputUnit, 12, 4, set.load[i]);
      numbers.end_line(kOutputUnit);
    }
  }
}

}  // namespace

// The INPUT INFORMATION banner, title, analysis type, units system and Table B (printed with
// cap_option 1 or a nonzero cap); in 3D the cap width then becomes sqrt(length^2 + width^2).
void echo_headings_and_cap(AnalysisModel& model, ReportChannels& reports) {
  const InputRecords& in = model.input;
  reports.write(kOutputUnit, kInputInformation);
  reports.write(kOutputUnit, kTitle, padded_name(in.title[0]));
  reports.write(kOutputUnit, kAnalysisType, in.control.analysis_type);
  reports.write(kOutputUnit, kUnitsSystem, units_system_name(in.control.units_system));

  PileCap& cap = model.input.cap;
  const bool cap_given =
      cap.cap_length + cap.cap_width + cap.cap_thickness > model.constants.small_value;
  if (in.control.cap_option == 1 || cap_given) {
    const std::string_view length = model.units.length2;
    reports.write(kOutputUnit, kTableBTitle);
    reports.write(kOutputUnit, kCapLength, length, cap.cap_length);
    reports.write(kOutputUnit, kCapWidth, length, cap.cap_width);
    reports.write(kOutputUnit, kCapThickness, length, cap.cap_thickness);
    reports.write(kOutputUnit, in.control.cap_option == 1 ? kCapEmbedded : kCapNotConsidered);
  }
  if (!is_two_dimensional(model)) {
    cap.cap_width = std::sqrt(cap.cap_length * cap.cap_length + cap.cap_width * cap.cap_width);
  }
}

// Table C: load cases with their equivalent loads at the origin and default stiffness load
// levels, case envelopes, combinations, combination envelopes, distributed-load sets.
void echo_loads(AnalysisModel& model, ReportChannels& reports) {
  reports.write(kOutputUnit, kTableCTitle);
  echo_load_cases(model, reports);
  echo_combinations(model, reports);
  echo_distributed_load_sets(model, reports);
}

}  // namespace tovek8
