// Echo of the pile groups and pile properties (Tables D and E) and their working tables.
#include <algorithm>
#include <cassert>
#include <cmath>
#include <span>
#include <string>
#include <string_view>

#include "model/echo_tables.h"
#include "run/layout.h"
#include "run/report_number_writer.h"

namespace tovek8 {

namespace {

// Moments of inertia below the small value are taken as those of a solid circle, 0.0491 D^4
// (pi/64 held in single precision).
constexpr double kSolidCircleInertiaFactor = 0.04910000041127205;

// Table D.
const Layout kTableDTitle{R"((/,/,/,5X,"* TABLE D *   ARRANGEMENT OF PILE GROUPS"))"};
const Layout kGroupHeading3d{
    R"((/,7X,"GROUP  CONNECTY CONNECTZ  PILE PROP   ","P-Y CURVE  L-S CURVE  T-R CURVE   "))"};
const Layout kGroupRow3d{R"((5X,I5,6X,A3,6X,A3,5X,I5,6X,I5,6X,I5,6X,I5))"};
const Layout kCoordinateHeading3d{
    R"((/,7X,"GROUP",5X,"CorX,",A,6X,"CorY,",A,6X,"CorZ,",A,4X," ALPHA,","DEG",3X,"  BETA,","DEG",3X,"GROUND,",A,2X,"SPR.y,",A,1X,"SPR.z,",A))"};
const Layout kGroupHeading2d{
    R"((/,7X,"GROUP   CONNECT   NO OF PILE   PILE PROP ","   P-Y CURVE    L-S CURVE"))"};
const Layout kGroupRow2d{R"((5X,I5,7X,A3,5X,I5,8X,I5,7X,I5,8X,I5))"};
const Layout kCoordinateHeading2d{
    R"((/,7X,"GROUP",10X,"VERT,",A,7X,"HOR,",A,4X,"SLOPE,",A,"/",A,3X,"GROUND,",A,2X,"SPRING,",A))"};

// Table E.
const Layout kTableETitle{
    R"((/,/,/,5X,"* TABLE E *   PILE GEOMETRY AND PROPERTIES ",/,5X,"              PILE TYPE = 1 - DRIVEN PILE",/,5X,"                        = 2 - DRILLED SHAFT"))"};
const Layout kPropertyHeading{
    R"((/,7X,"PROP  "," SECTS ","  INC  ","   PILE TYPE",6X,"LENGTH,",A,4X,"    E,",A,"/",A,"**","2"))"};
const Layout kSectionsTitle{R"((/,5X,"* PILE SECTIONS *"))"};
const Layout kSectionHeading{R"((/,7X,"PROP    ","SECT",6X,"FROM,",A,9X,"TO,",A,4X,"CROSS SECT"))"};
const Layout kSectionHeadingSets3d{
    R"((/,7X,"PROP    ","SECT",6X,"FROM,",A,9X,"TO,",A,4X,"CROSS SECT",4X,"SET NLEIy",4X,"SET NLEIz"))"};
const Layout kSectionHeadingSets2d{
    R"((/,7X,"PROP    ","SECT",6X,"FROM,",A,9X,"TO,",A,4X,"CROSS SECT",4X,"SET_NLEI"))"};
const Layout kCrossSectionsTitle{R"((/,5X,"* PILE CROSS SECTIONS *"))"};
const Layout kCrossSectionName{
    R"((/,5X," CROSS SECTION       : ",I5,/,5X," SECTION NAME        : ",A32))"};
const Layout kCrossSectionType{R"((5X," CROSS SECTION TYPE  : ",A))"};
const Layout kGeometryLabel{R"((5X,A,$))"};
const Layout kLengthUnitEnd{R"((" ",A))"};
const Layout kShearModulus{R"((5X," SHEAR MODULUS       : ",1P,E13.5," ",A,"/",A,"**","2"))"};
const Layout kShearModulusRepeatLabel{R"((5X," HEAR MODULUS       : ,",$))"};
const Layout kStressUnitEnd{R"((" ",A,"/",A,"**","2"))"};
const Layout kCrossPropertiesTitle{R"((/,5X,"* PILE CROSS SECTIONS PROPERTIES *"))"};
const Layout kCrossPropertiesHeading3d{
    R"((/,5X,"  SECT",6X,"DIAM,",A,5X,"AREA,",A,"**","2",4X," Iz,",A,"**","4",5X," Iy,",A,"**","4",5X," GJ,",A,"-",A,"**","2",4X," Mn,",A,5X," Vn,",A))"};
const Layout kCrossPropertiesHeading2d{
    R"((/,5X,"  SECT",6X,"DIAM,",A,5X,"AREA,",A,"**","2",4X,"  I,",A,"**","4",4X," Mn,",A,5X," Vn,",A))"};

// Positions (0-based) of the cross-section values used here.
enum CrossSectionValue : int {
  kDiameter = 0,
  kInternalDiameter = 1,
  kExternalWidth = 2,
  kExternalDepth = 3,
  kInternalWidth = 4,
  kInternalDepth = 5,
  kFlangeThickness = 6,
  kWebThickness = 7,
  kShearModulusValue = 8,
  kArea = 9,
  kIz = 10,
  kIy = 11,
  kGJ = 13,
  kMn = 14,
  kVn = 15,
};

struct GeometryLine {
  std::string_view label;
  int value;
};

constexpr GeometryLine kGeneralGeometry[] = {{" EQUIVALENT DIAMETER : ", kDiameter}};
constexpr GeometryLine kCircularPipeGeometry[] = {{" EXTERNAL DIAMETER   : ", kDiameter},
                                                  {" INTERNAL DIAMETER   : ", kInternalDiameter}};
constexpr GeometryLine kRectangularPipeGeometry[] = {{" EQUIVALENT DIAMETER : ", kDiameter},
                                                     {" EXTERNAL WIDTH      : ", kExternalWidth},
                                                     {" EXTERNAL DEPTH      : ", kExternalDepth},
                                                     {" INTERNAL WIDTH      : ", kInternalWidth},
                                                     {" INTERNAL DEPTH      : ", kInternalDepth}};
constexpr GeometryLine kFlangedGeometry[] = {{" EQUIVALENT DIAMETER : ", kDiameter},
                                             {" EXTERNAL WIDTH      : ", kExternalWidth},
                                             {" EXTERNAL DEPTH      : ", kExternalDepth},
                                             {" FLANGE THICKNESS    : ", kFlangeThickness},
                                             {" WEB THICKNESS       : ", kWebThickness}};

bool is_two_dimensional(const AnalysisModel& model) {
  return model.input.control.analysis_type == 2;
}

std::string moment_label(const UnitLabels& u) {
  return std::string(u.force3) + std::string(u.dash) + std::string(u.length2);
}

// "PIN", "FIX", "RES" for connection codes 1, 2, 3; blanks for any other code.
std::string_view connection_text(int code) {
  switch (code) {
    case 1:
      return "PIN";
    case 2:
      return "FIX";
    case 3:
      return "RES";
    default:
      return "   ";
  }
}

// Degrees to radians with the model's pi.
double to_radians(const AnalysisModel& model, double degrees) {
  return degrees * model.constants.pi / model.constants.degrees_per_half_turn;
}

// The pile's head data, property and curve numbers, common to both analysis types.
PileData pile_data_from_group(const PileGroup& g) {
  PileData p;
  p.x = g.x;
  p.y = g.y;
  p.z = g.z;
  p.connect_y = g.connect_y;
  p.connect_z = g.connect_z;
  p.spring_y = g.spring_y;
  p.spring_z = g.spring_z;
  p.ground = g.ground;
  p.property = g.pile_prop;
  p.py_curve = g.py_curve;
  p.ls_curve = g.ls_curve;
  p.tr_curve = g.tr_curve;
  p.axial_force_factor = g.axial_force_factor;
  p.spacing = g.spacing;
  return p;
}

void echo_groups_3d(AnalysisModel& model, ReportChannels& reports) {
  const InputRecords& in = model.input;
  const UnitLabels& u = model.units;
  ReportNumberWriter numbers(reports);
  const std::string moment = moment_label(u);

  reports.write(kOutputUnit, kGroupHeading3d);
  for (int i = 0; i < in.n_groups; ++i) {
    const PileGroup& g = in.groups[i];
    reports.write(kOutputUnit, kGroupRow3d, i + 1, connection_text(g.connect_y),
                  connection_text(g.connect_z), g.pile_prop, g.py_curve, g.ls_curve, g.tr_curve);
  }
  reports.write(kOutputUnit, kCoordinateHeading3d, u.length2, u.length2, u.length2, u.length2,
                moment, moment);
  for (int i = 0; i < in.n_groups; ++i) {
    const PileGroup& g = in.groups[i];
    numbers.write_blanks(kOutputUnit, 5);
    numbers.write_int(kOutputUnit, 5, i + 1);
    numbers.write_blanks(kOutputUnit, 4);
    numbers.write_real(kOutputUnit, 11, 5, g.x);
    for (double v : {g.y, g.z, g.alpha, g.beta, g.ground, g.spring_y, g.spring_z})
      numbers.write_real(kOutputUnit, 13, 5, v);
    numbers.end_line(kOutputUnit);
  }

  WorkingTables& work = model.work;
  for (int i = 0; i < in.n_groups; ++i) {
    const PileGroup& g = in.groups[i];
    PileData& p = work.piles[i];
    p = pile_data_from_group(g);
    p.alpha = to_radians(model, g.alpha);
    p.beta = to_radians(model, g.beta);
    p.piles_in_row = 1.0;
    work.multipliers.p_y[i] = g.p_factor_y;
    work.multipliers.y_y[i] = g.y_factor_y;
    work.multipliers.p_plane[i] = g.p_factor_y;
    work.multipliers.y_plane[i] = g.y_factor_y;
    work.multipliers.p_z[i] = g.p_factor_z;
    work.multipliers.y_z[i] = g.y_factor_z;
  }
}

void echo_groups_2d(AnalysisModel& model, ReportChannels& reports) {
  const InputRecords& in = model.input;
  const UnitLabels& u = model.units;
  ReportNumberWriter numbers(reports);

  reports.write(kOutputUnit, kGroupHeading2d);
  for (int i = 0; i < in.n_groups; ++i) {
    const PileGroup& g = in.groups[i];
    reports.write(kOutputUnit, kGroupRow2d, i + 1, connection_text(g.connect_y), g.n_piles,
                  g.pile_prop, g.py_curve, g.ls_curve);
  }
  reports.write(kOutputUnit, kCoordinateHeading2d, u.length2, u.length2, u.length2, u.length2,
                u.length2, moment_label(u));

  WorkingTables& work = model.work;
  for (int i = 0; i < in.n_groups; ++i) {
    const PileGroup& g = in.groups[i];
    PileData& p = work.piles[i];
    p = pile_data_from_group(g);
    p.slope = to_radians(model, g.slope);
    p.piles_in_row = static_cast<double>(g.n_piles);
    work.multipliers.p_plane[i] = g.p_factor_y;
    work.multipliers.y_plane[i] = g.y_factor_y;

    numbers.write_blanks(kOutputUnit, 5);
    numbers.write_int(kOutputUnit, 5, i + 1);
    numbers.write_blanks(kOutputUnit, 8);
    for (double v : {g.x, g.y, std::tan(p.slope), g.ground, g.spring_y})
      numbers.write_real(kOutputUnit, 13, 5, v);
    numbers.end_line(kOutputUnit);
  }
}

void echo_property_rows(const AnalysisModel& model, ReportChannels& reports) {
  const InputRecords& in = model.input;
  const UnitLabels& u = model.units;
  ReportNumberWriter numbers(reports);
  reports.write(kOutputUnit, kPropertyHeading, u.length2, u.force3, u.length2);
  for (int ip = 0; ip < in.n_properties; ++ip) {
    const PileProperty& prop = in.properties[ip];
    numbers.write_blanks(kOutputUnit, 5);
    numbers.write_int(kOutputUnit, 5, ip + 1);
    numbers.write_int(kOutputUnit, 7, prop.n_sections);
    numbers.write_int(kOutputUnit, 8, prop.INC);
    numbers.write_int(kOutputUnit, 11, prop.pile_type);
    numbers.write_blanks(kOutputUnit, 3);
    numbers.write_real(kOutputUnit, 16, 4, prop.LENGTH);
    numbers.write_real(kOutputUnit, 18, 4, prop.E);
    numbers.end_line(kOutputUnit);
  }
}

void echo_section_rows(const AnalysisModel& model, ReportChannels& reports) {
  const InputRecords& in = model.input;
  const UnitLabels& u = model.units;
  const bool with_sets = in.control.mc_option == 1;
  const bool two_d = is_two_dimensional(model);
  ReportNumberWriter numbers(reports);

  reports.write(kOutputUnit, kSectionsTitle);
  const Layout& heading =
      !with_sets ? kSectionHeading : (two_d ? kSectionHeadingSets2d : kSectionHeadingSets3d);
  reports.write(kOutputUnit, heading, u.length2, u.length2);
  for (int ip = 0; ip < in.n_properties; ++ip) {
    const PileProperty& prop = in.properties[ip];
    for (int is = 0; is < prop.n_sections; ++is) {
      const PileSection& s = prop.sections[is];
      numbers.write_blanks(kOutputUnit, 5);
      numbers.write_int(kOutputUnit, 5, ip + 1);
      numbers.write_int(kOutputUnit, 8, is + 1);
      numbers.write_blanks(kOutputUnit, 1);
      numbers.write_real(kOutputUnit, 14, 5, s.FROM);
      numbers.write_real(kOutputUnit, 15, 5, s.TO);
      numbers.write_int(kOutputUnit, 8, s.cross_section);
      if (with_sets) {
        numbers.write_int(kOutputUnit, 12, s.set_nlei_y);
        if (!two_d) numbers.write_int(kOutputUnit, 12, s.set_nlei_z);
      }
      numbers.end_line(kOutputUnit);
    }
  }
}

// The type line and geometry lines of one cross section.
void echo_cross_section_geometry(const AnalysisModel& model, ReportChannels& reports,
                                 const CrossSection& cs) {
  std::string_view type_name;
  std::span<const GeometryLine> lines;
  switch (cs.section_type) {
    case 0:
      type_name = "GENERAL SECTION  ";
      lines = kGeneralGeometry;
      break;
    case 1:
      type_name = "CIRCULAR PIPE    ";
      lines = kCircularPipeGeometry;
      break;
    case 2:
      type_name = "RECTANGULAR PIPE ";
      lines = kRectangularPipeGeometry;
      break;
    case 3:
      type_name = "I SECTION        ";
      lines = kFlangedGeometry;
      break;
    default:
      type_name = "H SECTION        ";
      lines = kFlangedGeometry;
      break;
  }
  ReportNumberWriter numbers(reports);
  reports.write(kOutputUnit, kCrossSectionType, type_name);
  for (const GeometryLine& line : lines) {
    reports.write(kOutputUnit, kGeometryLabel, line.label);
    numbers.write_real(kOutputUnit, 13, 5, cs.values[line.value]);
    reports.write(kOutputUnit, kLengthUnitEnd, model.units.length2);
  }
}

void echo_cross_sections(const AnalysisModel& model, ReportChannels& reports) {
  const InputRecords& in = model.input;
  const UnitLabels& u = model.units;
  const bool two_d = is_two_dimensional(model);
  ReportNumberWriter numbers(reports);

  reports.write(kOutputUnit, kCrossSectionsTitle);
  for (int ic = 0; ic < in.n_cross_sections; ++ic) {
    const CrossSection& cs = in.cross_sections[ic];
    std::string name = cs.name;  // a name of 80 characters, of which 32 are printed
    name.resize(kNameLength, ' ');
    reports.write(kOutputUnit, kCrossSectionName, ic + 1, name);
    echo_cross_section_geometry(model, reports, cs);
    if (!two_d && cs.section_type != 0) {
      const double g = cs.values[kShearModulusValue];
      reports.write(kOutputUnit, kShearModulus, g, u.force3, u.length2);
      reports.write(kOutputUnit, kShearModulusRepeatLabel);
      numbers.write_real(kOutputUnit, 13, 5, g);
      reports.write(kOutputUnit, kStressUnitEnd, u.force3, u.length2);
    }
  }

  reports.write(kOutputUnit, kCrossPropertiesTitle);
  const std::string moment = moment_label(u);
  if (two_d) {
    reports.write(kOutputUnit, kCrossPropertiesHeading2d, u.length2, u.length2, u.length2, moment,
                  u.force3);
  } else {
    reports.write(kOutputUnit, kCrossPropertiesHeading3d, u.length2, u.length2, u.length2,
                  u.length2, u.force3, u.length2, moment, u.force3);
  }
  for (int ic = 0; ic < in.n_cross_sections; ++ic) {
    const auto& v = in.cross_sections[ic].values;
    numbers.write_blanks(kOutputUnit, 5);
    numbers.write_int(kOutputUnit, 5, ic + 1);
    numbers.write_blanks(kOutputUnit, 1);
    if (two_d) {
      for (int k : {kDiameter, kArea, kIz, kMn, kVn}) numbers.write_real(kOutputUnit, 14, 5, v[k]);
    } else {
      for (int k : {kDiameter, kArea, kIz, kIy}) numbers.write_real(kOutputUnit, 14, 5, v[k]);
      numbers.write_blanks(kOutputUnit, 2);
      for (int k : {kGJ, kMn, kVn}) numbers.write_real(kOutputUnit, 14, 5, v[k]);
    }
    numbers.end_line(kOutputUnit);
  }
}

// I below the small value: that of a solid circle of the section's diameter.
double inertia_or_solid_circle(double inertia, double diameter, double small_value) {
  if (inertia >= small_value) return inertia;
  return kSolidCircleInertiaFactor * ((diameter * diameter) * (diameter * diameter));
}

// The per-property working tables: length, E, INC, type and the derived section properties.
void build_property_tables(AnalysisModel& model) {
  const InputRecords& in = model.input;
  WorkingTables& work = model.work;
  work.min_increments = 0;
  for (int ip = 0; ip < in.n_properties; ++ip) {
    const PileProperty& prop = in.properties[ip];
    assert(prop.n_sections <= kMaxSections && "sections beyond the capacity of a pile property");
    PropertyData& data = work.properties[ip];
    data.length = prop.LENGTH;
    data.E = prop.E;
    data.increments = prop.INC;
    data.pile_type = prop.pile_type;
    data.n_sections = prop.n_sections;
    for (int is = 0; is < prop.n_sections; ++is) {
      SectionProperties& sp = data.sections[is];
      sp = SectionProperties{};
      const int ic = prop.sections[is].cross_section;
      // A section naming no stored cross section keeps zero properties.
      if (ic >= 1 && ic <= kMaxCrossSections) {
        const auto& v = in.cross_sections[ic - 1].values;
        sp.diameter = v[kDiameter];
        sp.area = v[kArea];
        sp.Iz = v[kIz];
        sp.Iy = v[kIy];
        sp.GJ = v[kGJ];
        sp.Mn = v[kMn];
        sp.Vn = v[kVn];
      }
      sp.Iz = inertia_or_solid_circle(sp.Iz, sp.diameter, model.constants.small_value);
      sp.Iy = inertia_or_solid_circle(sp.Iy, sp.diameter, model.constants.small_value);
      sp.EIz = prop.E * sp.Iz;
      sp.EIy = prop.E * sp.Iy;
    }
    work.min_increments = ip == 0 ? prop.INC : std::min(work.min_increments, prop.INC);
  }
}

}  // namespace

// Table D; the per-pile working table, multipliers from the group records, angles in radians
// with pi = 2 asin(1) once the group table is not empty.
void echo_pile_groups(AnalysisModel& model, ReportChannels& reports) {
  assert(model.input.n_groups >= 0 && model.input.n_groups <= kMaxPileGroups &&
         "group count beyond the capacity of the model");
  reports.write(kOutputUnit, kTableDTitle);
  model.work.n_piles = model.input.n_groups;
  if (model.input.n_groups > 0) model.constants.pi = 2.0 * std::asin(1.0);
  if (is_two_dimensional(model)) {
    echo_groups_2d(model, reports);
  } else {
    echo_groups_3d(model, reports);
  }
}

// Table E; per-section diameter, area, Iz, Iy (0.0491 D^4 below the small value), E*Iz, E*Iy,
// GJ, Mn, Vn, and the smallest INC over all properties.
void echo_pile_properties(AnalysisModel& model, ReportChannels& reports) {
  assert(model.input.n_properties >= 0 && model.input.n_properties <= kMaxPileProperties &&
         "property count beyond the capacity of the model");
  assert(model.input.n_cross_sections >= 0 && model.input.n_cross_sections <= kMaxCrossSections &&
         "cross-section count beyond the capacity of the model");
  reports.write(kOutputUnit, kTableETitle);
  echo_property_rows(model, reports);
  echo_section_rows(model, reports);
  echo_cross_sections(model, reports);
  build_property_tables(model);
}

}  // namespace tovek8
