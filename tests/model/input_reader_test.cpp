// The input data file reader: every section into the model, the reading log, the edge cases
// of the layout and one table of bad inputs with their messages and statuses.
#include "model/input_reader.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/fatal_error.h"

#include "tests/test_support.h"

namespace tovek8 {
namespace {

using namespace tovek8::test_support;

namespace fs = std::filesystem;

std::string fixture(const char* name) {
  return read_file(fs::path(TOVEK8_TEST_DATA_DIR) / "model" / "data" / name);
}

std::string padded(std::string text, std::size_t width = 80) {
  text.resize(width, ' ');
  return text;
}

template <class T, std::size_t N>
std::vector<T> first(const std::array<T, N>& a, int n) {
  return std::vector<T>(a.begin(), a.begin() + n);
}

// The outcome of reading one input text with the runtime file open.
struct Reading {
  std::unique_ptr<AnalysisModel> model = std::make_unique<AnalysisModel>();
  int status = 0;  // 0: read without error
  std::string message;
  std::string log;  // the runtime file
};

Reading read_text(const std::string& text) {
  Reading out;
  const fs::path log = fs::temp_directory_path() /
                       ("tovek8_reader_" + std::to_string(::getpid()) + "_" +
                        ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".run");
  {
    ReportChannels reports(nullptr);
    EXPECT_TRUE(reports.open(kRuntimeUnit, log.string()));
    try {
      read_input_file(*out.model, reports, "input.dat", text);
    } catch (const FatalRunError& e) {
      out.status = e.status();
      out.message = e.what();
    }
    reports.close_all();
  }
  out.log = read_file(log);
  fs::remove(log);
  return out;
}

// The reading log of a file with the given title and label lines.
std::string expected_log(const std::string& title, const std::vector<std::string>& labels) {
  std::string log = "            " + padded(title) + "\n\n\n     READING * TITLE AND VERSION\n";
  for (const std::string& label : labels) log += "     READING " + padded(label) + "\n";
  return log;
}

// Every field of reader_full_3d.dat, as the file gives it.
void expect_full_3d(const AnalysisModel& m) {
  const InputRecords& in = m.input;
  EXPECT_EQ(in.title[0], padded("Full input: every section present, 3D group of two batter piles"));
  EXPECT_EQ(in.title[1], padded("second title line, stored and not printed"));

  const ControlSettings& c = in.control;
  EXPECT_EQ((std::vector<int>{c.units_system, c.analysis_type, c.cap_option, c.flexible_cap_option,
                              c.py_curves_option, c.ls_curves_option, c.tr_curves_option,
                              c.reduction_factor_option, c.mc_option, c.reserved10, c.KPYOP,
                              c.reserved12}),
            (std::vector<int>{2, 3, 1, 1, 1, 1, 1, 0, 1, 7, 1, 8}));
  EXPECT_EQ(m.units.length2, " M");
  EXPECT_EQ(m.units.force3, " KN");
  EXPECT_EQ(m.units.length3, "  M");
  EXPECT_EQ(m.units.force4, "  KN");
  EXPECT_TRUE(m.switches.ls_curves_given);
  EXPECT_TRUE(m.switches.py_curves_given);
  EXPECT_EQ(m.switches.switches_2d, (std::array<int, 4>{1, 1, 1, 1}));
  EXPECT_EQ(m.current.stiffness_switch, 1);

  EXPECT_EQ(in.cap.cap_length, 4.5);
  EXPECT_EQ(in.cap.cap_width, 3.25);
  EXPECT_EQ(in.cap.cap_thickness, 1.2);
  const FlexibleCap& f = in.flexible_cap;
  EXPECT_EQ(f.plate_y0, 0.5);
  EXPECT_EQ(f.plate_z0, -0.5);
  EXPECT_EQ(f.plate_divisions_y, 4);
  EXPECT_EQ(f.plate_divisions_z, 6);
  EXPECT_EQ(f.plate_young_modulus, 2.5e7);
  EXPECT_EQ(f.plate_poisson_ratio, 0.2);

  const LoadCaseHeader& h = in.case_header;
  EXPECT_EQ((std::vector<int>{h.n_load_cases, h.case_envelope_option, h.case_envelope_print,
                              h.case_envelope_nodes}),
            (std::vector<int>{2, 1, 2, 5}));
  const LoadCase& c1 = in.load_cases[0];
  EXPECT_EQ(c1.reserved1, (std::array<int, 3>{11, 12, 13}));
  EXPECT_EQ(
      (std::vector<int>{c1.loading_kind, c1.n_cycles, c1.max_iter_foundation, c1.max_iter_pile}),
      (std::vector<int>{1, 100, 50, 40}));
  EXPECT_EQ((std::vector<double>{c1.tol_reaction, c1.tol_deflection, c1.load_increment_factor,
                                 c1.min_increment_factor}),
            (std::vector<double>{1.0e-3, 1.0e-5, 0.5, 0.01}));
  EXPECT_EQ(c1.name, padded("Dead load, with wind"));
  EXPECT_EQ((std::vector<int>{c1.load_type, c1.stiffness_option, c1.cap_stiffness_option,
                              c1.cap_stiffness_mode, c1.reserved3[0], c1.reserved3[1],
                              c1.global_axial_to_head}),
            (std::vector<int>{4, 1, 1, 0, 21, 22, 1}));
  EXPECT_EQ(c1.print_option, 2);
  EXPECT_EQ(c1.print_nodes, 5);
  EXPECT_EQ(c1.scale_factor, 1.5);
  EXPECT_EQ(c1.reserved4, 23);
  ASSERT_EQ(c1.n_concentrated, 2);
  const auto loads = [](const ConcentratedLoad& p) {
    return std::vector<double>{p.vertical, p.horizontal_y, p.moment_z, p.horizontal_z,
                               p.moment_y, p.moment_x,     p.x,        p.y,
                               p.z};
  };
  EXPECT_EQ(loads(c1.concentrated[0]),
            (std::vector<double>{1000, 200, 30, 40, 5, 6, 0.1, 0.2, 0.3}));
  EXPECT_EQ(loads(c1.concentrated[1]), (std::vector<double>{-1500, 2, 3, 4, 5, 6, 7, 8, 9}))
      << "a record split over two lines";
  ASSERT_EQ(c1.n_distributed, 1);
  const DistributedLoad& d = c1.distributed[0];
  EXPECT_EQ((std::vector<int>{d.load_number, d.AXIS, d.INI_PILE, d.END_PILE, d.INC_PILE, d.SET_Y,
                              d.SET_Z}),
            (std::vector<int>{1, 0, 1, 3, 1, 1, 2}));
  EXPECT_EQ(d.FACTOR_Y, 2.0);
  EXPECT_EQ(d.FACTOR_Z, -1.0);
  ASSERT_EQ(c1.n_load_levels, 10) << "stiffness_option 1 with no levels: the default levels";
  EXPECT_EQ(c1.load_levels[0], 0.10000000149011612);
  for (int i = 2; i <= 10; ++i) EXPECT_EQ(c1.load_levels[i - 1], std::log10(double(i))) << i;

  const LoadCase& c2 = in.load_cases[1];
  EXPECT_EQ(c2.reserved1, (std::array<int, 3>{0, 0, 0}));
  EXPECT_EQ(
      (std::vector<int>{c2.loading_kind, c2.n_cycles, c2.max_iter_foundation, c2.max_iter_pile}),
      (std::vector<int>{1, 3, 20, 30}));
  EXPECT_EQ((std::vector<double>{c2.tol_reaction, c2.tol_deflection, c2.load_increment_factor,
                                 c2.min_increment_factor}),
            (std::vector<double>{0.001, 0.0001, 1.0, 0.1}));
  EXPECT_EQ(c2.name, padded("Live load"));
  EXPECT_EQ(c2.load_type, 1);
  EXPECT_EQ(c2.stiffness_option, 0);
  EXPECT_EQ(c2.print_nodes, 1);
  EXPECT_EQ(c2.scale_factor, 1.0);
  EXPECT_EQ(c2.n_concentrated, 0);
  EXPECT_EQ(c2.n_distributed, 0);
  ASSERT_EQ(c2.n_load_levels, 2);
  EXPECT_EQ(first(c2.load_levels, 2), (std::vector<double>{0.25, 0.75}));

  const CombinationHeader& ch = in.combination_header;
  EXPECT_EQ((std::vector<int>{ch.n_combinations, ch.comb_envelope_option, ch.comb_envelope_print,
                              ch.comb_envelope_nodes}),
            (std::vector<int>{1, 1, 0, 3}));
  const LoadCombination& k = in.combinations[0];
  EXPECT_EQ(k.reserved1, (std::array<int, 3>{41, 42, 43}));
  EXPECT_EQ((std::vector<int>{k.loading_kind, k.n_cycles, k.max_iter_foundation, k.max_iter_pile}),
            (std::vector<int>{0, 7, 60, 70}));
  EXPECT_EQ((std::vector<double>{k.tol_reaction, k.tol_deflection, k.load_increment_factor,
                                 k.min_increment_factor}),
            (std::vector<double>{2.0e-3, 2.0e-5, 0.25, 0.02}));
  EXPECT_EQ(k.name, padded("Combination 1: dead plus live"));
  EXPECT_EQ(k.bending_rf, 0.9);
  EXPECT_EQ(k.shear_rf, 0.75);
  EXPECT_EQ(k.print_option, 1);
  EXPECT_EQ(k.print_nodes, 2);
  EXPECT_EQ(k.reserved4, (std::array<int, 2>{31, 32}));
  ASSERT_EQ(k.n_members, 2) << "the member count replaces the 5 of record 3";
  EXPECT_EQ(first(k.member_case, 2), (std::vector<int>{1, 2}));
  EXPECT_EQ(first(k.member_factor, 2), (std::vector<double>{1.2, -0.8}));

  ASSERT_EQ(in.n_distributed_load_sets, 2);
  const DistributedLoadSet& s1 = in.distributed_load_sets[0];
  ASSERT_EQ(s1.n_points, 2);
  EXPECT_EQ(first(s1.depth, 2), (std::vector<double>{0.0, 5.0}));
  EXPECT_EQ(first(s1.load, 2), (std::vector<double>{10.0, 12.5}));
  const DistributedLoadSet& s2 = in.distributed_load_sets[1];
  ASSERT_EQ(s2.n_points, 3);
  EXPECT_EQ(first(s2.depth, 3), (std::vector<double>{0, 1, 2}));
  EXPECT_EQ(first(s2.load, 3), (std::vector<double>{1, 2, 3}));

  ASSERT_EQ(in.n_groups, 2);
  const auto ints3d = [](const PileGroup& g) {
    return std::vector<int>{g.connect_y, g.connect_z, g.pile_prop,
                            g.py_curve,  g.ls_curve,  g.tr_curve};
  };
  const auto reals3d = [](const PileGroup& g) {
    return std::vector<double>{g.spring_y,
                               g.spring_z,
                               g.p_factor_y,
                               g.y_factor_y,
                               g.p_factor_z,
                               g.y_factor_z,
                               g.axial_force_factor,
                               g.x,
                               g.y,
                               g.z,
                               g.alpha,
                               g.beta,
                               g.ground};
  };
  EXPECT_EQ(ints3d(in.groups[0]), (std::vector<int>{1, 2, 1, -1, 0, 1}));
  EXPECT_EQ(reals3d(in.groups[0]),
            (std::vector<double>{1e5, 2e5, 0.8, 1.1, 0.7, 1.2, 0.95, 0, -1.5, 0, 0, 90, 0.5}));
  EXPECT_EQ(ints3d(in.groups[1]), (std::vector<int>{3, 1, 1, 0, 1, 0}));
  EXPECT_EQ(reals3d(in.groups[1]),
            (std::vector<double>{3e5, 4e5, 1, 1, 1, 1, 1, 0.1, 1.5, 0.25, 45, 80, -0.2}));

  ASSERT_EQ(in.n_properties, 1);
  const PileProperty& p = in.properties[0];
  EXPECT_EQ(p.number, 1);
  EXPECT_EQ(p.INC, 40);
  EXPECT_EQ(p.LENGTH, 20.0);
  EXPECT_EQ(p.E, 2.9e7);
  EXPECT_EQ(p.pile_type, 2);
  ASSERT_EQ(p.n_sections, 2);
  const auto section = [](const PileSection& s) {
    return std::vector<double>{s.FROM, s.TO, double(s.cross_section), double(s.set_nlei_y),
                               double(s.set_nlei_z)};
  };
  EXPECT_EQ(section(p.sections[0]), (std::vector<double>{0, 8, 1, 1, 2}));
  EXPECT_EQ(section(p.sections[1]), (std::vector<double>{8, 20, 2, 2, 1}));

  ASSERT_EQ(in.n_cross_sections, 2);
  const CrossSection& x1 = in.cross_sections[0];
  EXPECT_EQ(x1.number, 5) << "of 1 and 5 the second stays";
  EXPECT_EQ(x1.section_type, 1);
  EXPECT_EQ(x1.name, padded("PIPE 24, STEEL"));
  EXPECT_EQ(x1.values, (std::array<double, 18>{0.61, 0.59, 0, 0, 0, 0, 0, 0, 8.0e7, 0.0188, 8.4e-4,
                                               8.5e-4, 0, 1.4e5, 900, 1200, 0, 0}));
  const CrossSection& x2 = in.cross_sections[1];
  EXPECT_EQ(x2.number, 2);
  EXPECT_EQ(x2.section_type, 3);
  EXPECT_EQ(x2.name, padded("HP14x73"));
  EXPECT_EQ(x2.values, (std::array<double, 18>{0.35, 0, 0.37, 0.35, 0, 0, 0.0128, 0.0128, 8.0e7,
                                               0.0138, 3.2e-4, 1.1e-4, 0, 2.0e3, 500, 800, 0, 0}));

  ASSERT_EQ(in.n_layers, 2);
  const SoilLayer& l1 = in.layers[0];
  EXPECT_EQ((std::vector<int>{l1.number, l1.soil_model, l1.n_points, l1.n_values}),
            (std::vector<int>{1, 1, 2, 6}));
  EXPECT_EQ(l1.x_top, 0.0);
  EXPECT_EQ(l1.x_bottom, 6.0);
  EXPECT_EQ(l1.top, (std::array<double, 9>{7.5, 20, 0, 0, 0, 0.02, 0, 0, 0}));
  EXPECT_EQ(l1.bottom, (std::array<double, 9>{8, 25, 0, 0, 0, 0.015, 0, 0, 0}));
  const SoilLayer& l2 = in.layers[1];
  EXPECT_EQ((std::vector<int>{l2.number, l2.soil_model, l2.n_points, l2.n_values}),
            (std::vector<int>{2, 4, 2, 9}));
  EXPECT_EQ(l2.x_top, 6.0);
  EXPECT_EQ(l2.x_bottom, 20.0);
  EXPECT_EQ(l2.top, (std::array<double, 9>{9.0, 0, 32, 16000, 0, 0, 0, 50, 4000}));
  EXPECT_EQ(l2.bottom, (std::array<double, 9>{9.5, 0, 34, 18000, 0, 0, 0, 60, 5000}));

  ASSERT_EQ(in.n_py_requests, 2);
  EXPECT_EQ(in.py_requests[0].pile_group, 1);
  EXPECT_EQ(in.py_requests[0].depth, 2.5);
  ASSERT_EQ(in.py_requests[0].n_curve_points, 3);
  EXPECT_EQ(first(in.py_requests[0].deflections, 3), (std::vector<double>{0.001, 0.005, 0.01}));
  EXPECT_EQ(in.py_requests[1].pile_group, 2);
  EXPECT_EQ(in.py_requests[1].depth, 10.0);
  EXPECT_EQ(in.py_requests[1].n_curve_points, 0);

  ASSERT_EQ(in.n_py_curve_sets, 1);
  const PyCurveSet& ps = in.py_curve_sets[0];
  EXPECT_EQ(ps.number, 1);
  ASSERT_EQ(ps.n_curves, 2);
  EXPECT_EQ(ps.curves[0].x, 0.0);
  ASSERT_EQ(ps.curves[0].n_points, 2);
  EXPECT_EQ(first(ps.curves[0].p, 2), (std::vector<double>{0, 50}));
  EXPECT_EQ(first(ps.curves[0].y, 2), (std::vector<double>{0, 0.01}));
  EXPECT_EQ(ps.curves[1].x, 5.0);
  ASSERT_EQ(ps.curves[1].n_points, 3);
  EXPECT_EQ(first(ps.curves[1].p, 3), (std::vector<double>{0, 80, 120}));
  EXPECT_EQ(first(ps.curves[1].y, 3), (std::vector<double>{0, 0.01, 0.05}));

  ASSERT_EQ(in.n_ls_curves, 1);
  ASSERT_EQ(in.ls_curves[0].n_points, 3);
  EXPECT_EQ(first(in.ls_curves[0].force, 3), (std::vector<double>{-500, 0, 800}));
  EXPECT_EQ(first(in.ls_curves[0].displacement, 3), (std::vector<double>{-0.01, 0, 0.02}));
  ASSERT_EQ(in.n_tr_curves, 1);
  ASSERT_EQ(in.tr_curves[0].n_points, 2);
  EXPECT_EQ(first(in.tr_curves[0].force, 2), (std::vector<double>{0, 150}));
  EXPECT_EQ(first(in.tr_curves[0].displacement, 2), (std::vector<double>{0, 0.003}));

  ASSERT_EQ(in.n_mc_sets, 1);
  const MomentCurvatureSet& ms = in.mc_sets[0];
  EXPECT_EQ(ms.number, 1);
  ASSERT_EQ(ms.n_curves, 1);
  EXPECT_EQ(ms.curves[0].axial_load, -250.0);
  ASSERT_EQ(ms.curves[0].n_points, 12) << "of the record 7 12, the second value counts";
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(ms.curves[0].moment[i], 100.0 * i);
    EXPECT_DOUBLE_EQ(ms.curves[0].curvature[i], 0.001 * i);
  }
}

const std::vector<std::string> kFullLabels = {
    "CONTROL: UNITS, TYPE, CAP, FLEX, PY, LS, TR, RF, MC, -, KPYOP, -",
    "PILE CAP, then the flexible cap",
    "LOAD CASES",
    "LOAD COMBINATIONS",
    "DISTRIBUTED-LOAD SETS",
    "PILE GROUPS, 'CONNECT' \"PROP\" / 3*1",
    "PILE PROPERTIES",
    "CROSS SECTIONS",
    "SOIL LAYERS",
    "PRINTED P-Y CURVES",
    "INPUT P-Y CURVES",
    "LOAD-SETTLEMENT CURVES",
    "TORQUE-ROTATION CURVES",
    "MOMENT-CURVATURE SETS"};

TEST(InputReader, EverySectionIsReadIntoTheModelAndLogged) {
  const Reading r = read_text(fixture("reader_full_3d.dat"));
  ASSERT_EQ(r.status, 0) << r.message;
  expect_full_3d(*r.model);
  EXPECT_EQ(r.log, expected_log("Full input: every section present, 3D group of two batter piles",
                                kFullLabels));
}

TEST(InputReader, CrLfLineEndsAndAMissingFinalNewlineReadTheSame) {
  std::string text = fixture("reader_full_3d.dat");
  std::string crlf;
  for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  crlf.resize(crlf.size() - 2);
  const Reading r = read_text(crlf);
  ASSERT_EQ(r.status, 0) << r.message;
  expect_full_3d(*r.model);
  EXPECT_EQ(r.log, expected_log("Full input: every section present, 3D group of two batter piles",
                                kFullLabels));
}

TEST(InputReader, TwoDimensionalRowsShareTheSlotsOfThe3DRecord) {
  const Reading r = read_text(fixture("reader_2d.dat"));
  ASSERT_EQ(r.status, 0) << r.message;
  const InputRecords& in = r.model->input;
  EXPECT_EQ(in.control.analysis_type, 2);
  EXPECT_EQ(r.model->units.length2, "IN");
  EXPECT_EQ(r.model->units.force3, "LBS");
  EXPECT_FALSE(r.model->switches.ls_curves_given);
  EXPECT_FALSE(r.model->switches.py_curves_given);
  EXPECT_EQ(in.flexible_cap.plate_divisions_y, 0) << "no flexible cap record with option 0";
  // The 2D analysis ignores four values of a concentrated load; the reader keeps all nine.
  const ConcentratedLoad& p = in.load_cases[0].concentrated[0];
  EXPECT_EQ((std::vector<double>{p.vertical, p.horizontal_y, p.moment_z, p.horizontal_z, p.moment_y,
                                 p.moment_x, p.x, p.y, p.z}),
            (std::vector<double>{5.0e4, 2.0e3, 1.5e5, 7.0e2, 8.0e2, 9.0e2, 0, 12, 34}));
  EXPECT_EQ(in.load_cases[0].n_load_levels, 0) << "no stiffness option: no default levels";
  EXPECT_EQ(in.case_header.n_load_cases, 1);
  EXPECT_EQ(in.combination_header.n_combinations, 0);
  EXPECT_EQ(in.n_distributed_load_sets, 0);
  ASSERT_EQ(in.n_groups, 2);
  const auto row = [](const PileGroup& g) {
    return std::vector<double>{double(g.connect_y),
                               double(g.n_piles),
                               double(g.pile_prop),
                               double(g.py_curve),
                               double(g.ls_curve),
                               g.spring_y,
                               g.spacing,
                               g.p_factor_y,
                               g.y_factor_y,
                               g.axial_force_factor,
                               g.x,
                               g.y,
                               g.slope,
                               g.ground};
  };
  EXPECT_EQ(row(in.groups[0]),
            (std::vector<double>{2, 3, 1, -1, 0, 0, 36, 0.8, 1.0, 1.0, 0, -48, 0, 0}));
  EXPECT_EQ(row(in.groups[1]),
            (std::vector<double>{3, 4, 1, -1, 0, 2.5e6, 36, 0.7, 1.1, 0.9, 0, 48, 14.036, -12}));
  EXPECT_EQ(in.groups[1].connect_z, 0);
  EXPECT_EQ(in.groups[1].tr_curve, 0);
  EXPECT_EQ(in.cross_sections[0].name, padded("SQUARE 14"));
  EXPECT_EQ(in.layers[0].n_values, 5);
  EXPECT_EQ(in.layers[0].bottom, (std::array<double, 9>{0.040, 12, 0, 600, 0, 0, 0, 0, 0}));
  EXPECT_EQ(r.log, expected_log("Two-dimensional input: two rows of piles",
                                {"CONTROL", "PILE CAP", "LOAD CASES", "LOAD COMBINATIONS",
                                 "DISTRIBUTED-LOAD SETS", "PILE GROUPS", "PILE PROPERTIES",
                                 "CROSS SECTIONS", "SOIL LAYERS"}));
}

// A small input: control record, pile groups and the sections after them given whole.
std::string small_input(const std::string& control, const std::string& cases,
                        const std::string& groups, const std::string& tail = "") {
  return "title\n\nCONTROL\n" + control + "\nCAP\n 1 1 1\nCASES\n" + cases +
         "COMBINATIONS\n 0 0 0 0\nSETS\n 0\nGROUPS\n" + groups +
         "PROPERTIES\n 0\nSECTIONS\n 0\nLAYERS\n 0\n" + tail;
}

TEST(InputReader, ThirteenRealsOnOneLineLeaveRecord3ToTheNextLine) {
  const Reading r = read_text(small_input(" 1 3 0 0 0 0 0 0 0 0 0 0", " 0 0 0 0\n",
                                          " 1\n 1 1 1 0 0 0\n"
                                          " 1 2 3 4 5 6 7 8 9 10 11 12 13\n"));
  EXPECT_EQ(r.status, kStatusInputMalformed);
  EXPECT_EQ(r.message,
            "input.dat line 17, section pile groups, record 3 of group 1: expected a "
            "real number, found \"PROPERTIES\"");
  const PileGroup& g = r.model->input.groups[0];
  EXPECT_EQ(g.axial_force_factor, 7.0) << "record 2 takes the first 7 values";
  EXPECT_EQ(g.x, 0.0) << "the 8th value was not taken by record 3";
}

TEST(InputReader, CountsSwitchesAndAnalysisTypesChooseWhatIsRead) {
  struct Case {
    const char* what;
    std::string text;
    std::vector<std::string> labels_after_layers;
  };
  const std::string none = " 1 3 0 0 0 0 0 0 0 0 0 0";
  const Case cases[] = {
      {"no cases, no combinations, no groups",
       small_input(none, " 0 0 0 0\n", " 0\n", "anything after the last section\n"),
       {}},
      {"negative counts are no items", small_input(none, " -3 0 0 0\n", " -1\n"), {}},
      {"analysis type 1: the group section is its label alone",
       small_input(" 1 1 0 0 0 0 0 0 0 0 0 0", " 0 0 0 0\n", ""),
       {}},
      {"a flexible cap option of 2 reads the plate record",
       "t\n\nC\n 1 3 0 2 0 0 0 0 0 0 0 0\nCAP\n 1 1 1\n 0 0 2 2 1 0.3\nCASES\n 0 0 0 0\n"
       "COMBINATIONS\n 0 0 0 0\nSETS\n 0\nGROUPS\n 0\nPROPERTIES\n 0\nSECTIONS\n 0\nLAYERS\n 0\n",
       {}},
      {"switches other than 1 leave the optional sections out",
       small_input(" 3 3 0 0 2 2 2 0 2 0 -1 0", " 0 0 0 0\n", " 0\n"),
       {}},
      {"every optional section with no items",
       small_input(" 3 3 0 0 1 1 1 0 1 0 1 0", " 0 0 0 0\n", " 0\n",
                   "PY PRINT\n 0\nPY INPUT\n 0\nLS\n 0\nTR\n 0\nMC\n 0\n"),
       {"PY PRINT", "PY INPUT", "LS", "TR", "MC"}},
  };
  for (const Case& c : cases) {
    const Reading r = read_text(c.text);
    EXPECT_EQ(r.status, 0) << c.what << ": " << r.message;
    std::vector<std::string> labels = {"CONTROL", "CAP",        "CASES",    "COMBINATIONS", "SETS",
                                       "GROUPS",  "PROPERTIES", "SECTIONS", "LAYERS"};
    if (c.text.find("\nC\n") != std::string::npos) labels[0] = "C";
    labels.insert(labels.end(), c.labels_after_layers.begin(), c.labels_after_layers.end());
    EXPECT_EQ(r.log, expected_log(c.text.substr(0, c.text.find('\n')), labels)) << c.what;
    EXPECT_EQ(r.model->input.case_header.n_load_cases, 0) << c.what;
    EXPECT_EQ(r.model->input.n_groups, 0) << c.what;
  }
  const Reading plate = read_text(cases[3].text);
  EXPECT_EQ(plate.model->input.flexible_cap.plate_divisions_z, 2);
  EXPECT_EQ(plate.model->input.flexible_cap.plate_poisson_ratio, 0.3);
  const Reading generic = read_text(cases[4].text);
  EXPECT_EQ(generic.model->units.length2, " L") << "units system 3";
  EXPECT_TRUE(generic.model->switches.py_curves_given) << "py_curves_option 2";
  EXPECT_FALSE(generic.model->switches.ls_curves_given) << "ls_curves_option 2";
}

TEST(InputReader, LayerPointsAndPropertyValuesTakeTheirLinesAsCounted) {
  // One point with 2 values: only the top; then a layer whose two points have no values
  // still takes a line for each.
  const Reading r = read_text(
      "t\n\nC\n 1 3 0 0 0 0 0 0 0 0 0 0\nCAP\n 1 1 1\nCASES\n 0 0 0 0\nCOMBINATIONS\n 0 0 0 0\n"
      "SETS\n 0\nGROUPS\n 0\nPROPERTIES\n 0\nSECTIONS\n 0\nLAYERS\n 2\n 1 5\n 0 3\n 1 2\n"
      " 4.5 6.5 7.5\n 2 1\n 3 9\n 2 0\n 99 99\n\n");
  ASSERT_EQ(r.status, 0) << r.message;
  const SoilLayer& a = r.model->input.layers[0];
  EXPECT_EQ(a.n_points, 1);
  EXPECT_EQ(a.top, (std::array<double, 9>{4.5, 6.5, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(a.bottom, (std::array<double, 9>{}));
  const SoilLayer& b = r.model->input.layers[1];
  EXPECT_EQ(b.x_top, 3.0);
  EXPECT_EQ(b.n_values, 0);
  EXPECT_EQ(b.top, (std::array<double, 9>{}));
}

TEST(InputReader, DefaultLoadLevelsOnlyForAStiffnessCaseWithNoLevels) {
  struct Case {
    const char* record3_and_levels;
    int n_levels;
    double first_level;
  };
  const Case cases[] = {
      {" 0 1 0 0 0 0 0\n 0 1 1.0 0\n 0\n 0\n 0\n", 10, 0.10000000149011612},
      {" 0 2 0 0 0 0 0\n 0 1 1.0 0\n 0\n 0\n 0\n", 10, 0.10000000149011612},
      {" 0 1 0 0 0 0 0\n 0 1 1.0 0\n 0\n 0\n 1\n 0.5\n", 1, 0.5},
      // A negative count means no levels were given, as a count of 0 does.
      {" 0 1 0 0 0 0 0\n 0 1 1.0 0\n 0\n 0\n -1\n", 10, 0.10000000149011612},
      {" 0 0 0 0 0 0 0\n 0 1 1.0 0\n 0\n 0\n 0\n", 0, 0.0},
  };
  for (const Case& c : cases) {
    const std::string cases_text =
        " 1 0 0 0\n 0 0 0 1 1 10 10\n 0.1 0.1 1 0.1\nname\n" + std::string(c.record3_and_levels);
    const Reading r = read_text(small_input(" 1 3 0 0 0 0 0 0 0 0 0 0", cases_text, " 0\n"));
    ASSERT_EQ(r.status, 0) << r.message;
    const LoadCase& lc = r.model->input.load_cases[0];
    EXPECT_EQ(lc.n_load_levels, c.n_levels) << c.record3_and_levels;
    EXPECT_EQ(lc.load_levels[0], c.first_level) << c.record3_and_levels;
    EXPECT_EQ(lc.load_levels[9], c.n_levels == 10 ? 1.0 : 0.0) << "log10(10)";
  }
}

// One bad input per row: a unique piece of reader_full_3d.dat replaced (or the file cut
// where the piece starts, when the replacement is null), the message and the status.
TEST(InputReader, BadInputEndsTheRunWithItsMessageAndStatus) {
  struct Case {
    const char* find;
    const char* replace;  // nullptr: the file ends just before `find`
    int status;
    const char* message;
  };
  const Case cases[] = {
      // Malformed values.
      {" 3.0E5 4.0E5 1.0", " 3.0E5 4.0E5 1.2x", kStatusInputMalformed,
       "line 57, section pile groups, record 2 of group 2: expected a real number, found "
       "\"1.2x\""},
      {" 2 3 1 1 1", " 2 three 1 1 1", kStatusInputMalformed,
       "line 4, section control, control record: expected an integer, found \"three\""},
      {" 40 20.0", " 40.0 20.0", kStatusInputMalformed,
       "line 62, section pile properties, record 2 of property 1: expected an integer, found "
       "\"40.0\""},
      {" 40 20.0", " 4000000000 20.0", kStatusInputMalformed,
       "line 62, section pile properties, record 2 of property 1: expected an integer from "
       "-2147483648 to 2147483647, found \"4000000000\""},
      {" 8 9\n", " 8 9x\n", kStatusInputMalformed,
       "line 18, section load cases, concentrated load 2 of load case 1: expected a real number, "
       "found \"9x\""},
      {"'PIPE 24, STEEL'", "'PIPE 24, STEEL", kStatusInputMalformed,
       "line 68, section cross sections, name of cross section 1: expected a closing quote, "
       "found \"'PIPE 24, STEEL\""},
      {" 4.5, 3.25, 1.2", " 4.5, 3.25, NaN", kStatusInputMalformed,
       "line 6, section pile cap, pile cap record: expected a real number, found \"NaN\""},
      {" 1 1.2\n", " 1 1.2.\n", kStatusInputMalformed,
       "line 40, section load combinations, member 1 of combination 1: expected a real number, "
       "found \"1.2.\""},
      {" 9.5 0 34.", " 9.5 0 phi", kStatusInputMalformed,
       "line 86, section soil layers, point 2 of layer 2: expected a real number, found "
       "\"phi\""},
      // The end of the file inside a record or before a label line.
      {"", "", kStatusInputEnded,
       "line 1, section title, title line 1: expected a line of text, found the end of the file"},
      {" 1100. 0.011\n", " 1100.\n", kStatusInputEnded,
       "line 133, section moment-curvature sets, point 12 of curve 1 of set 1: expected a real "
       "number, found the end of the file"},
      {"TORQUE-ROTATION CURVES", nullptr, kStatusInputEnded,
       "line 111, section torque-rotation curves, label line: expected a line of text, found "
       "the end of the file"},
      {"Live load", nullptr, kStatusInputEnded,
       "line 23, section load cases, name of load case 2: expected a line of text, found the end "
       "of the file"},
      // Counts above the capacity of their tables.
      {" 2 1 2 5", " 101 1 2 5", kStatusInputCapacity,
       "line 9, section load cases, load case header: 101 load cases exceed the limit of 100"},
      {"\n 2\n 1000.", "\n 101\n 1000.", kStatusInputCapacity,
       "line 15, section load cases, concentrated load count of load case 1: 101 concentrated "
       "loads exceed the limit of 100"},
      {"\n 1\n 1 0 1 3", "\n 101\n 1 0 1 3", kStatusInputCapacity,
       "line 19, section load cases, distributed load count of load case 1: 101 distributed "
       "loads exceed the limit of 100"},
      {"\n 2\n 0.25", "\n 11\n 0.25", kStatusInputCapacity,
       "line 29, section load cases, load level count of load case 2: 11 load levels exceed the "
       "limit of 10"},
      {" 1 1 0 3", " 101 1 0 3", kStatusInputCapacity,
       "line 33, section load combinations, load combination header: 101 load combinations "
       "exceed the limit of 100"},
      {"\n 2\n 1 1.2", "\n 101\n 1 1.2", kStatusInputCapacity,
       "line 39, section load combinations, member count of combination 1: 101 member load "
       "cases exceed the limit of 100"},
      {"SETS\n 2\n", "SETS\n 2001\n", kStatusInputCapacity,
       "line 43, section distributed-load sets, set count: 2001 distributed-load sets exceed the "
       "limit of 2000"},
      {"\n 3\n 0. 1.", "\n 102\n 0. 1.", kStatusInputCapacity,
       "line 47, section distributed-load sets, point count of set 2: 102 points exceed the "
       "limit of 101"},
      {"3*1\n 2\n", "3*1\n 2001\n", kStatusInputCapacity,
       "line 52, section pile groups, group count: 2001 pile groups exceed the limit of 2000"},
      {"PROPERTIES\n 1\n 1 2", "PROPERTIES\n 51\n 1 2", kStatusInputCapacity,
       "line 60, section pile properties, property count: 51 pile properties exceed the limit "
       "of 50"},
      {"PROPERTIES\n 1\n 1 2", "PROPERTIES\n 1\n 1 21", kStatusInputCapacity,
       "line 61, section pile properties, record 1 of property 1: 21 sections exceed the limit "
       "of 20"},
      {" 40 20.0", " 101 20.0", kStatusInputCapacity,
       "line 62, section pile properties, record 2 of property 1: INC 101 exceeds the limit of "
       "100"},
      {"SECTIONS\n 2\n", "SECTIONS\n 101\n", kStatusInputCapacity,
       "line 66, section cross sections, cross-section count: 101 cross sections exceed the "
       "limit of 100"},
      {"LAYERS\n 2\n", "LAYERS\n 21\n", kStatusInputCapacity,
       "line 76, section soil layers, layer count: 21 soil layers exceed the limit of 20"},
      {" 2 6\n", " 3 6\n", kStatusInputCapacity,
       "line 79, section soil layers, record 3 of layer 1: 3 property points exceed the limit of "
       "2"},
      {" 2 9\n", " 2 10\n", kStatusInputCapacity,
       "line 84, section soil layers, record 3 of layer 2: 10 property values exceed the limit "
       "of 9"},
      {"PRINTED P-Y CURVES\n 2", "PRINTED P-Y CURVES\n 51", kStatusInputCapacity,
       "line 88, section printed p-y curves, request count: 51 printed p-y curve requests exceed "
       "the limit of 50"},
      {" 3\n 0.001", " 21\n 0.001", kStatusInputCapacity,
       "line 90, section printed p-y curves, record 2 of request 1: 21 requested deflections "
       "exceed the limit of 20"},
      {"INPUT P-Y CURVES\n 1\n 1 2", "INPUT P-Y CURVES\n 51\n 1 2", kStatusInputCapacity,
       "line 95, section input p-y curves, set count: 51 p-y curve sets exceed the limit of 50"},
      {"INPUT P-Y CURVES\n 1\n 1 2", "INPUT P-Y CURVES\n 1\n 1 21", kStatusInputCapacity,
       "line 96, section input p-y curves, record 1 of set 1: 21 curves exceed the limit of 20"},
      {" 5.0\n 3\n", " 5.0\n 26\n", kStatusInputCapacity,
       "line 102, section input p-y curves, point count of curve 2 of set 1: 26 points exceed "
       "the limit of 25"},
      {"LOAD-SETTLEMENT CURVES\n 1\n 1 3", "LOAD-SETTLEMENT CURVES\n 51\n 1 3",
       kStatusInputCapacity,
       "line 107, section load-settlement curves, curve count: 51 load-settlement curves exceed "
       "the limit of 50"},
      {"LOAD-SETTLEMENT CURVES\n 1\n 1 3", "LOAD-SETTLEMENT CURVES\n 1\n 1 26",
       kStatusInputCapacity,
       "line 108, section load-settlement curves, record 1 of curve 1: 26 points exceed the "
       "limit of 25"},
      {"TORQUE-ROTATION CURVES\n 1\n", "TORQUE-ROTATION CURVES\n 51\n", kStatusInputCapacity,
       "line 113, section torque-rotation curves, curve count: 51 torque-rotation curves exceed "
       "the limit of 50"},
      {"MOMENT-CURVATURE SETS\n 1\n 1 1", "MOMENT-CURVATURE SETS\n 51\n 1 1", kStatusInputCapacity,
       "line 118, section moment-curvature sets, set count: 51 moment-curvature sets exceed the "
       "limit of 50"},
      {"MOMENT-CURVATURE SETS\n 1\n 1 1", "MOMENT-CURVATURE SETS\n 1\n 1 21", kStatusInputCapacity,
       "line 119, section moment-curvature sets, record 1 of set 1: 21 curves exceed the limit "
       "of 20"},
      {" 7 12\n", " 7 26\n", kStatusInputCapacity,
       "line 121, section moment-curvature sets, record 2 of curve 1 of set 1: 26 points exceed "
       "the limit of 25"},
  };
  const std::string base = fixture("reader_full_3d.dat");
  for (const Case& c : cases) {
    std::string text;
    if (*c.find != '\0') {
      const std::size_t at = base.find(c.find);
      ASSERT_NE(at, std::string::npos) << c.find;
      ASSERT_EQ(base.find(c.find, at + 1), std::string::npos) << c.find << " is not unique";
      text = c.replace ? base.substr(0, at) + c.replace + base.substr(at + std::strlen(c.find))
                       : base.substr(0, at);
    }
    const Reading r = read_text(text);
    EXPECT_EQ(r.status, c.status) << c.message;
    EXPECT_EQ(r.message, std::string("input.dat ") + c.message);
  }
}

TEST(InputReader, TheReadingLogUpToABadValueStays) {
  std::string text = fixture("reader_full_3d.dat");
  text.replace(text.find(" 3.0E5 4.0E5 1.0"), 16, " 3.0E5 4.0E5 1.2x");
  const Reading r = read_text(text);
  EXPECT_EQ(r.status, kStatusInputMalformed);
  EXPECT_EQ(r.log,
            expected_log("Full input: every section present, 3D group of two batter piles",
                         std::vector<std::string>(kFullLabels.begin(), kFullLabels.begin() + 6)));
}

}  // namespace
}  // namespace tovek8
