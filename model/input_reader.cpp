// Reads the input data file, section by section, into the input records of the model.
#include "model/input_reader.h"

#include <cassert>
#include <cmath>
#include <string>

#include "model/free_format_reader.h"
#include "platform/fatal_error.h"
#include "run/layout.h"

namespace tovek8 {
namespace {

class InputFileReader {
 public:
  InputFileReader(AnalysisModel& model, ReportChannels& reports, std::string_view file_name,
                  std::string_view contents)
      : in_(model.input), model_(model), reports_(reports), r_(file_name, contents) {}

  void read_all() {
    read_title();
    read_control();
    read_pile_cap();
    read_load_cases();
    read_load_combinations();
    read_distributed_load_sets();
    read_pile_groups();
    read_pile_properties();
    read_cross_sections();
    read_soil_layers();
    const ControlSettings& c = in_.control;
    if (c.KPYOP == 1) read_printed_py_requests();
    if (c.py_curves_option == 1) read_input_py_curves();
    if (c.ls_curves_option == 1)
      read_user_curves("load-settlement curves", in_.n_ls_curves, in_.ls_curves);
    if (c.tr_curves_option == 1)
      read_user_curves("torque-rotation curves", in_.n_tr_curves, in_.tr_curves);
    if (c.mc_option == 1) read_moment_curvature_sets();
  }

 private:
  // A count of items: above the capacity of its table the run ends; zero or less is no item.
  int checked_count(int& count, int capacity, std::string_view items) {
    if (count > capacity) {
      r_.fail(kStatusInputCapacity, std::to_string(count) + " " + std::string(items) +
                                        " exceed the limit of " + std::to_string(capacity));
    }
    if (count < 0) count = 0;
    return count;
  }

  // Starts a section: its label line, logged as read.
  // `count` records of two reals, point i into first[i - 1] and second[i - 1]. The record
  // pattern numbers the point first, then `outer` and, when given, `outermost`.
  template <std::size_t N>
  void read_point_pairs(int count, std::array<double, N>& first, std::array<double, N>& second,
                        std::string_view pattern, int outer, int outermost = 0) {
    assert(count <= static_cast<int>(N) && "point count checked against its capacity first");
    for (int i = 1; i <= count; ++i) {
      if (outermost > 0)
        r_.begin_record(pattern, {i, outer, outermost});
      else
        r_.begin_record(pattern, {i, outer});
      r_.read_real(first[i - 1]);
      r_.read_real(second[i - 1]);
      r_.end_record();
    }
  }

  void begin_section(std::string_view section) {
    static const Layout kReadingLabel{R"((5X,"READING ",A80))"};
    r_.set_section(section);
    const std::string label = r_.read_text_line("label line", {}, kLabelLength);
    reports_.write(kRuntimeUnit, kReadingLabel, label);
  }

  void read_title() {
    static const Layout kTitleLine{R"((12X,A80,//))"};
    static const Layout kReadingTitle{R"((5X,"READING * TITLE AND VERSION"))"};
    r_.set_section("title");
    in_.title[0] = r_.read_text_line("title line #", {1}, kTitleLength);
    in_.title[1] = r_.read_text_line("title line #", {2}, kTitleLength);
    reports_.write(kRuntimeUnit, kTitleLine, in_.title[0]);
    reports_.write(kRuntimeUnit, kReadingTitle);
  }

  void read_control() {
    begin_section("control");
    ControlSettings& c = in_.control;
    r_.begin_record("control record");
    for (int* field :
         {&c.units_system, &c.analysis_type, &c.cap_option, &c.flexible_cap_option,
          &c.py_curves_option, &c.ls_curves_option, &c.tr_curves_option, &c.reduction_factor_option,
          &c.mc_option, &c.reserved10, &c.KPYOP, &c.reserved12})
      r_.read_int(*field);
    r_.end_record();

    set_unit_labels(model_, c.units_system == 1 ? 1 : c.units_system == 2 ? -1 : 0);
    DerivedSwitches& s = model_.switches;
    s.ls_curves_given = c.ls_curves_option == 1;
    s.py_curves_given = c.py_curves_option >= 1;
    s.switches_2d = {1, 1, 1, 1};
    model_.current.stiffness_switch = 1;
  }

  void read_pile_cap() {
    begin_section("pile cap");
    PileCap& cap = in_.cap;
    r_.begin_record("pile cap record");
    r_.read_real(cap.cap_length);
    r_.read_real(cap.cap_width);
    r_.read_real(cap.cap_thickness);
    r_.end_record();
    if (in_.control.flexible_cap_option < 1) return;
    FlexibleCap& plate = in_.flexible_cap;
    r_.begin_record("flexible cap record");
    r_.read_real(plate.plate_y0);
    r_.read_real(plate.plate_z0);
    r_.read_int(plate.plate_divisions_y);
    r_.read_int(plate.plate_divisions_z);
    r_.read_real(plate.plate_young_modulus);
    r_.read_real(plate.plate_poisson_ratio);
    r_.end_record();
  }

  void read_load_cases() {
    begin_section("load cases");
    LoadCaseHeader& h = in_.case_header;
    r_.begin_record("load case header");
    r_.read_int(h.n_load_cases);
    checked_count(h.n_load_cases, kMaxLoadCases, "load cases");
    r_.read_int(h.case_envelope_option);
    r_.read_int(h.case_envelope_print);
    r_.read_int(h.case_envelope_nodes);
    r_.end_record();
    for (int k = 1; k <= h.n_load_cases; ++k) read_load_case(k, in_.load_cases[k - 1]);
  }

  // Records 1 and 2 of a load case or a combination, the same fields in both: reserved
  // integers, loading kind, cycles, iteration limits; tolerances and increment factors.
  template <class CaseOrCombination>
  void read_loading_and_tolerances(CaseOrCombination& c, std::string_view record1,
                                   std::string_view record2, int k) {
    r_.begin_record(record1, {k});
    for (int& v : c.reserved1) r_.read_int(v);
    r_.read_int(c.loading_kind);
    r_.read_int(c.n_cycles);
    r_.read_int(c.max_iter_foundation);
    r_.read_int(c.max_iter_pile);
    r_.end_record();

    r_.begin_record(record2, {k});
    r_.read_real(c.tol_reaction);
    r_.read_real(c.tol_deflection);
    r_.read_real(c.load_increment_factor);
    r_.read_real(c.min_increment_factor);
    r_.end_record();
  }

  void read_load_case(int k, LoadCase& c) {
    read_loading_and_tolerances(c, "record 1 of load case #", "record 2 of load case #", k);

    c.name = r_.read_text_line("name of load case #", {k}, kNameLength);

    r_.begin_record("record 3 of load case #", {k});
    r_.read_int(c.load_type);
    r_.read_int(c.stiffness_option);
    r_.read_int(c.cap_stiffness_option);
    r_.read_int(c.cap_stiffness_mode);
    r_.read_int(c.reserved3[0]);
    r_.read_int(c.reserved3[1]);
    r_.read_int(c.global_axial_to_head);
    r_.end_record();

    r_.begin_record("record 4 of load case #", {k});
    r_.read_int(c.print_option);
    r_.read_int(c.print_nodes);
    r_.read_real(c.scale_factor);
    r_.read_int(c.reserved4);
    r_.end_record();

    r_.begin_record("concentrated load count of load case #", {k});
    r_.read_int(c.n_concentrated);
    checked_count(c.n_concentrated, kMaxConcentratedLoads, "concentrated loads");
    r_.end_record();
    for (int i = 1; i <= c.n_concentrated; ++i) {
      ConcentratedLoad& p = c.concentrated[i - 1];
      r_.begin_record("concentrated load # of load case #", {i, k});
      for (double* field : {&p.vertical, &p.horizontal_y, &p.moment_z, &p.horizontal_z, &p.moment_y,
                            &p.moment_x, &p.x, &p.y, &p.z})
        r_.read_real(*field);
      r_.end_record();
    }

    r_.begin_record("distributed load count of load case #", {k});
    r_.read_int(c.n_distributed);
    checked_count(c.n_distributed, kMaxDistributedLoads, "distributed loads");
    r_.end_record();
    for (int i = 1; i <= c.n_distributed; ++i) {
      DistributedLoad& d = c.distributed[i - 1];
      r_.begin_record("distributed load # of load case #", {i, k});
      r_.read_int(d.load_number);
      r_.read_int(d.AXIS);
      r_.read_int(d.INI_PILE);
      r_.read_int(d.END_PILE);
      r_.read_int(d.INC_PILE);
      r_.read_int(d.SET_Y);
      r_.read_real(d.FACTOR_Y);
      r_.read_int(d.SET_Z);
      r_.read_real(d.FACTOR_Z);
      r_.end_record();
    }

    r_.begin_record("load level count of load case #", {k});
    r_.read_int(c.n_load_levels);
    checked_count(c.n_load_levels, kMaxLoadLevels, "load levels");
    r_.end_record();
    for (int i = 1; i <= c.n_load_levels; ++i) {
      r_.begin_record("load level # of load case #", {i, k});
      r_.read_real(c.load_levels[i - 1]);
      r_.end_record();
    }
    if (c.stiffness_option >= 1 && c.n_load_levels == 0) set_default_load_levels(c);
  }

  void read_load_combinations() {
    begin_section("load combinations");
    CombinationHeader& h = in_.combination_header;
    r_.begin_record("load combination header");
    r_.read_int(h.n_combinations);
    checked_count(h.n_combinations, kMaxCombinations, "load combinations");
    r_.read_int(h.comb_envelope_option);
    r_.read_int(h.comb_envelope_print);
    r_.read_int(h.comb_envelope_nodes);
    r_.end_record();
    for (int k = 1; k <= h.n_combinations; ++k) read_combination(k, in_.combinations[k - 1]);
  }

  void read_combination(int k, LoadCombination& c) {
    read_loading_and_tolerances(c, "record 1 of combination #", "record 2 of combination #", k);

    c.name = r_.read_text_line("name of combination #", {k}, kNameLength);

    r_.begin_record("record 3 of combination #", {k});
    r_.read_real(c.bending_rf);
    r_.read_real(c.shear_rf);
    r_.read_int(c.n_members);
    r_.end_record();

    r_.begin_record("record 4 of combination #", {k});
    r_.read_int(c.print_option);
    r_.read_int(c.print_nodes);
    r_.read_int(c.reserved4[0]);
    r_.read_int(c.reserved4[1]);
    r_.end_record();

    // The member count replaces the count of record 3.
    r_.begin_record("member count of combination #", {k});
    r_.read_int(c.n_members);
    checked_count(c.n_members, kMaxCombinationMembers, "member load cases");
    r_.end_record();
    for (int i = 1; i <= c.n_members; ++i) {
      r_.begin_record("member # of combination #", {i, k});
      r_.read_int(c.member_case[i - 1]);
      r_.read_real(c.member_factor[i - 1]);
      r_.end_record();
    }
  }

  void read_distributed_load_sets() {
    begin_section("distributed-load sets");
    r_.begin_record("set count");
    r_.read_int(in_.n_distributed_load_sets);
    checked_count(in_.n_distributed_load_sets, kMaxDistributedLoadSets, "distributed-load sets");
    r_.end_record();
    for (int k = 1; k <= in_.n_distributed_load_sets; ++k) {
      DistributedLoadSet& set = in_.distributed_load_sets[k - 1];
      r_.begin_record("point count of set #", {k});
      r_.read_int(set.n_points);
      checked_count(set.n_points, kMaxSetPoints, "points");
      r_.end_record();
      read_point_pairs(set.n_points, set.depth, set.load, "point # of set #", k);
    }
  }

  void read_pile_groups() {
    begin_section("pile groups");
    const int type = in_.control.analysis_type;
    if (type != 2 && type != 3) return;  // the section is its label line alone
    r_.begin_record("group count");
    r_.read_int(in_.n_groups);
    checked_count(in_.n_groups, kMaxPileGroups, "pile groups");
    r_.end_record();
    for (int k = 1; k <= in_.n_groups; ++k) {
      if (type == 3) {
        read_group_3d(k, in_.groups[k - 1]);
      } else {
        read_group_2d(k, in_.groups[k - 1]);
      }
    }
  }

  void read_group_3d(int k, PileGroup& g) {
    r_.begin_record("record 1 of group #", {k});
    for (int* field :
         {&g.connect_y, &g.connect_z, &g.pile_prop, &g.py_curve, &g.ls_curve, &g.tr_curve})
      r_.read_int(*field);
    r_.end_record();
    r_.begin_record("record 2 of group #", {k});
    for (double* field : {&g.spring_y, &g.spring_z, &g.p_factor_y, &g.y_factor_y, &g.p_factor_z,
                          &g.y_factor_z, &g.axial_force_factor})
      r_.read_real(*field);
    r_.end_record();
    r_.begin_record("record 3 of group #", {k});
    for (double* field : {&g.x, &g.y, &g.z, &g.alpha, &g.beta, &g.ground}) r_.read_real(*field);
    r_.end_record();
  }

  // A row of identical piles in the plane; its fields share the slots of the 3D record.
  void read_group_2d(int k, PileGroup& g) {
    r_.begin_record("record 1 of group #", {k});
    for (int* field : {&g.connect_y, &g.n_piles, &g.pile_prop, &g.py_curve, &g.ls_curve})
      r_.read_int(*field);
    r_.end_record();
    r_.begin_record("record 2 of group #", {k});
    for (double* field :
         {&g.spring_y, &g.spacing, &g.p_factor_y, &g.y_factor_y, &g.axial_force_factor})
      r_.read_real(*field);
    r_.end_record();
    r_.begin_record("record 3 of group #", {k});
    for (double* field : {&g.x, &g.y, &g.slope, &g.ground}) r_.read_real(*field);
    r_.end_record();
  }

  void read_pile_properties() {
    begin_section("pile properties");
    r_.begin_record("property count");
    r_.read_int(in_.n_properties);
    checked_count(in_.n_properties, kMaxPileProperties, "pile properties");
    r_.end_record();
    for (int k = 1; k <= in_.n_properties; ++k) {
      PileProperty& p = in_.properties[k - 1];
      r_.begin_record("record 1 of property #", {k});
      r_.read_int(p.number);
      r_.read_int(p.n_sections);
      checked_count(p.n_sections, kMaxSections, "sections");
      r_.end_record();

      r_.begin_record("record 2 of property #", {k});
      r_.read_int(p.INC);
      if (p.INC > kMaxIncrements) {
        r_.fail(kStatusInputCapacity, "INC " + std::to_string(p.INC) + " exceeds the limit of " +
                                          std::to_string(kMaxIncrements));
      }
      r_.read_real(p.LENGTH);
      r_.read_real(p.E);
      r_.read_int(p.pile_type);
      r_.end_record();

      for (int i = 1; i <= p.n_sections; ++i) {
        PileSection& s = p.sections[i - 1];
        r_.begin_record("section # of property #", {i, k});
        r_.read_real(s.FROM);
        r_.read_real(s.TO);
        r_.read_int(s.cross_section);
        r_.read_int(s.set_nlei_y);
        r_.read_int(s.set_nlei_z);
        r_.end_record();
      }
    }
  }

  void read_cross_sections() {
    begin_section("cross sections");
    r_.begin_record("cross-section count");
    r_.read_int(in_.n_cross_sections);
    checked_count(in_.n_cross_sections, kMaxCrossSections, "cross sections");
    r_.end_record();
    for (int k = 1; k <= in_.n_cross_sections; ++k) {
      CrossSection& s = in_.cross_sections[k - 1];
      // The first two integers are read into the same place: the second one stays.
      r_.begin_record("record 1 of cross section #", {k});
      r_.read_int(s.number);
      r_.read_int(s.number);
      r_.read_int(s.section_type);
      r_.end_record();

      r_.begin_record("name of cross section #", {k});
      r_.read_text(s.name, kNameLength);
      r_.end_record();
      s.name.resize(kNameLength, ' ');

      r_.begin_record("geometry record of cross section #", {k});
      for (int i = 0; i < 8; ++i) r_.read_real(s.values[i]);
      r_.end_record();
      r_.begin_record("property record of cross section #", {k});
      for (int i = 8; i < 18; ++i) r_.read_real(s.values[i]);
      r_.end_record();
    }
  }

  void read_soil_layers() {
    begin_section("soil layers");
    r_.begin_record("layer count");
    r_.read_int(in_.n_layers);
    checked_count(in_.n_layers, kMaxSoilLayers, "soil layers");
    r_.end_record();
    for (int k = 1; k <= in_.n_layers; ++k) {
      SoilLayer& l = in_.layers[k - 1];
      r_.begin_record("record 1 of layer #", {k});
      r_.read_int(l.number);
      r_.read_int(l.soil_model);
      r_.end_record();

      r_.begin_record("record 2 of layer #", {k});
      r_.read_real(l.x_top);
      r_.read_real(l.x_bottom);
      r_.end_record();

      r_.begin_record("record 3 of layer #", {k});
      r_.read_int(l.n_points);
      checked_count(l.n_points, kMaxLayerPoints, "property points");
      r_.read_int(l.n_values);
      checked_count(l.n_values, kMaxPropertyValues, "property values");
      r_.end_record();

      // Point 1 is the top of the layer, point 2 its bottom; a record of no values still
      // takes its line.
      for (int i = 1; i <= l.n_points; ++i) {
        auto& values = i == 1 ? l.top : l.bottom;
        r_.begin_record("point # of layer #", {i, k});
        for (int j = 0; j < l.n_values; ++j) r_.read_real(values[j]);
        r_.end_record();
      }
    }
  }

  void read_printed_py_requests() {
    begin_section("printed p-y curves");
    r_.begin_record("request count");
    r_.read_int(in_.n_py_requests);
    checked_count(in_.n_py_requests, kMaxPyCurveRequests, "printed p-y curve requests");
    r_.end_record();
    for (int k = 1; k <= in_.n_py_requests; ++k) {
      PyCurveRequest& q = in_.py_requests[k - 1];
      r_.begin_record("record 1 of request #", {k});
      r_.read_int(q.pile_group);
      r_.read_real(q.depth);
      r_.end_record();

      r_.begin_record("record 2 of request #", {k});
      r_.read_int(q.n_curve_points);
      checked_count(q.n_curve_points, kMaxRequestedDeflections, "requested deflections");
      r_.end_record();
      if (q.n_curve_points < 1) continue;
      r_.begin_record("deflections of request #", {k});
      for (int i = 0; i < q.n_curve_points; ++i) r_.read_real(q.deflections[i]);
      r_.end_record();
    }
  }

  void read_input_py_curves() {
    begin_section("input p-y curves");
    r_.begin_record("set count");
    r_.read_int(in_.n_py_curve_sets);
    checked_count(in_.n_py_curve_sets, kMaxPyCurveSets, "p-y curve sets");
    r_.end_record();
    for (int k = 1; k <= in_.n_py_curve_sets; ++k) {
      PyCurveSet& set = in_.py_curve_sets[k - 1];
      r_.begin_record("record 1 of set #", {k});
      r_.read_int(set.number);
      r_.read_int(set.n_curves);
      checked_count(set.n_curves, kMaxCurvesPerSet, "curves");
      r_.end_record();
      for (int c = 1; c <= set.n_curves; ++c) {
        InputPyCurve& curve = set.curves[c - 1];
        r_.begin_record("depth of curve # of set #", {c, k});
        r_.read_real(curve.x);
        r_.end_record();
        r_.begin_record("point count of curve # of set #", {c, k});
        r_.read_int(curve.n_points);
        checked_count(curve.n_points, kMaxCurvePoints, "points");
        r_.end_record();
        read_point_pairs(curve.n_points, curve.p, curve.y, "point # of curve # of set #", c, k);
      }
    }
  }

  // Sections 13 and 14: curves of (force, displacement) points.
  void read_user_curves(std::string_view section, int& n_curves,
                        std::array<UserCurve, kMaxUserCurves>& curves) {
    begin_section(section);
    r_.begin_record("curve count");
    r_.read_int(n_curves);
    checked_count(n_curves, kMaxUserCurves, section);
    r_.end_record();
    for (int k = 1; k <= n_curves; ++k) {
      UserCurve& curve = curves[k - 1];
      r_.begin_record("record 1 of curve #", {k});
      r_.read_int(curve.number);
      r_.read_int(curve.n_points);
      checked_count(curve.n_points, kMaxCurvePoints, "points");
      r_.end_record();
      read_point_pairs(curve.n_points, curve.force, curve.displacement, "point # of curve #", k);
    }
  }

  void read_moment_curvature_sets() {
    begin_section("moment-curvature sets");
    r_.begin_record("set count");
    r_.read_int(in_.n_mc_sets);
    checked_count(in_.n_mc_sets, kMaxMomentCurvatureSets, "moment-curvature sets");
    r_.end_record();
    for (int k = 1; k <= in_.n_mc_sets; ++k) {
      MomentCurvatureSet& set = in_.mc_sets[k - 1];
      r_.begin_record("record 1 of set #", {k});
      r_.read_int(set.number);
      r_.read_int(set.n_curves);
      checked_count(set.n_curves, kMaxCurvesPerSet, "curves");
      r_.end_record();
      for (int c = 1; c <= set.n_curves; ++c) {
        MomentCurvatureCurve& curve = set.curves[c - 1];
        r_.begin_record("axial load of curve # of set #", {c, k});
        r_.read_real(curve.axial_load);
        r_.end_record();
        // The curve number and the point count are read into the same place: the second
        // value counts the points.
        r_.begin_record("record 2 of curve # of set #", {c, k});
        r_.read_int(curve.n_points);
        r_.read_int(curve.n_points);
        checked_count(curve.n_points, kMaxCurvePoints, "points");
        r_.end_record();
        read_point_pairs(curve.n_points, curve.moment, curve.curvature,
                         "point # of curve # of set #", c, k);
      }
    }
  }

  InputRecords& in_;
  AnalysisModel& model_;
  ReportChannels& reports_;
  FreeFormatReader r_;
};

}  // namespace

void read_input_file(AnalysisModel& model, ReportChannels& reports, std::string_view file_name,
                     std::string_view contents) {
  InputFileReader(model, reports, file_name, contents).read_all();
}

}  // namespace tovek8
