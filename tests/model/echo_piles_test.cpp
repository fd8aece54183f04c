// Tables D and E of the input echo and the pile and section working tables they build.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "model/analysis_model.h"
#include "model/echo_tables.h"
#include "platform/report_channels.h"

#include "tests/model/echo_test_fixture.h"
#include "tests/test_support.h"

namespace tovek8 {
namespace {

using namespace tovek8::test_support;

class EchoPilesTest : public EchoTableTest {
 protected:
  // Two three-dimensional piles: a vertical one and a battered one with a restrained head.
  void two_piles_3d() {
    in().control.analysis_type = 3;
    in().n_groups = 2;
    PileGroup& a = in().groups[0];
    a.connect_y = 1;
    a.connect_z = 2;
    a.pile_prop = 1;
    a.p_factor_y = 0.8;
    a.y_factor_y = 1.0;
    a.p_factor_z = 0.9;
    a.y_factor_z = 0.95;
    a.axial_force_factor = 1.0;
    a.y = -30.0;
    a.z = 12.5;
    a.beta = 90.0;
    PileGroup& b = in().groups[1];
    b.connect_y = 3;
    b.connect_z = 0;  // no such code: printed as blanks
    b.pile_prop = 2;
    b.py_curve = -1;
    b.ls_curve = 3;
    b.tr_curve = 2;
    b.spring_y = 1.0e6;
    b.spring_z = 250000.0;
    b.p_factor_y = 0.7;
    b.y_factor_y = 0.6;
    b.p_factor_z = 0.5;
    b.y_factor_z = 0.4;
    b.axial_force_factor = 0.9;
    b.x = 1.5;
    b.y = 30.0;
    b.z = -12.5;
    b.alpha = 45.0;
    b.beta = 80.0;
    b.ground = -24.0;
  }

  // Two rows of the two-dimensional analysis.
  void two_rows_2d() {
    in().control.analysis_type = 2;
    in().n_groups = 2;
    PileGroup& a = in().groups[0];
    a.connect_y = 2;
    a.n_piles = 3;
    a.pile_prop = 1;
    a.spacing = 36.0;
    a.p_factor_y = 0.6;
    a.y_factor_y = 1.0;
    a.y = -36.0;
    PileGroup& b = in().groups[1];
    b.connect_y = 3;
    b.n_piles = 4;
    b.pile_prop = 1;
    b.py_curve = 2;
    b.ls_curve = 1;
    b.spring_y = 5.0e5;
    b.p_factor_y = 0.5;
    b.y_factor_y = 0.9;
    b.y = 36.0;
    b.slope = 45.0;
    b.ground = -12.0;
  }
};

TEST_F(EchoPilesTest, ThreeDimensionalGroupTable) {
  two_piles_3d();
  echo_pile_groups(*model_, reports_);
  EXPECT_EQ(output(), test_data("model/data/echo2_table_d_3d.txt"));
}

TEST_F(EchoPilesTest, ThreeDimensionalPileWorkingTable) {
  two_piles_3d();
  echo_pile_groups(*model_, reports_);
  const WorkingTables& w = model_->work;
  const double pi = 2.0 * std::asin(1.0);
  EXPECT_EQ(model_->constants.pi, pi);
  EXPECT_EQ(w.n_piles, 2);
  const PileData& b = w.piles[1];
  EXPECT_DOUBLE_EQ(b.alpha, 45.0 * pi / 180.0);
  EXPECT_DOUBLE_EQ(b.beta, 80.0 * pi / 180.0);
  EXPECT_DOUBLE_EQ(w.piles[0].beta, pi / 2.0);
  EXPECT_EQ(b.x, 1.5);
  EXPECT_EQ(b.y, 30.0);
  EXPECT_EQ(b.z, -12.5);
  EXPECT_EQ(b.ground, -24.0);
  EXPECT_EQ(b.connect_y, 3);
  EXPECT_EQ(b.spring_y, 1.0e6);
  EXPECT_EQ(b.spring_z, 250000.0);
  EXPECT_EQ(b.property, 2);
  EXPECT_EQ(b.py_curve, -1);
  EXPECT_EQ(b.ls_curve, 3);
  EXPECT_EQ(b.tr_curve, 2);
  EXPECT_EQ(b.axial_force_factor, 0.9);
  EXPECT_EQ(w.piles[0].piles_in_row, 1.0);
  EXPECT_EQ(b.piles_in_row, 1.0);

  // The y factors are also the plane factors; piles beyond the table keep 1.0.
  const PileMultipliers& m = w.multipliers;
  struct Expected {
    const std::array<double, kMaxPileGroups>& table;
    double first, second;
  };
  for (const Expected& e :
       {Expected{m.p_plane, 0.8, 0.7}, Expected{m.y_plane, 1.0, 0.6}, Expected{m.p_y, 0.8, 0.7},
        Expected{m.y_y, 1.0, 0.6}, Expected{m.p_z, 0.9, 0.5}, Expected{m.y_z, 0.95, 0.4}}) {
    EXPECT_EQ(e.table[0], e.first);
    EXPECT_EQ(e.table[1], e.second);
    EXPECT_EQ(e.table[2], 1.0);
    EXPECT_EQ(e.table[kMaxPileGroups - 1], 1.0);
  }
}

TEST_F(EchoPilesTest, TwoDimensionalGroupTable) {
  two_rows_2d();
  echo_pile_groups(*model_, reports_);
  EXPECT_EQ(output(), test_data("model/data/echo2_table_d_2d.txt"));
}

TEST_F(EchoPilesTest, TwoDimensionalRowWorkingTable) {
  two_rows_2d();
  echo_pile_groups(*model_, reports_);
  const WorkingTables& w = model_->work;
  EXPECT_EQ(w.n_piles, 2);
  EXPECT_EQ(w.piles[0].piles_in_row, 3.0);
  EXPECT_EQ(w.piles[1].piles_in_row, 4.0);
  EXPECT_EQ(w.piles[0].spacing, 36.0);
  EXPECT_DOUBLE_EQ(w.piles[1].slope, 2.0 * std::asin(1.0) / 4.0);
  EXPECT_EQ(w.piles[1].x, 0.0);
  EXPECT_EQ(w.piles[1].y, 36.0);
  EXPECT_EQ(w.piles[1].spring_y, 5.0e5);
  EXPECT_EQ(w.multipliers.p_plane[1], 0.5);
  EXPECT_EQ(w.multipliers.y_plane[1], 0.9);
  EXPECT_EQ(w.multipliers.p_plane[2], 1.0);
  // The directional tables belong to the three-dimensional analysis.
  EXPECT_EQ(w.multipliers.p_y[0], 1.0);
  EXPECT_EQ(w.multipliers.p_z[1], 1.0);
}

TEST_F(EchoPilesTest, PiBecomesFullOnlyWithGroups) {
  struct Case {
    int analysis_type;
    int n_groups;
    double pi;
  };
  const double full = 2.0 * std::asin(1.0);
  for (const Case& c :
       {Case{3, 0, kPiAtStart}, Case{3, 1, full}, Case{2, 0, kPiAtStart}, Case{2, 1, full}}) {
    fresh_model(1);
    in().control.analysis_type = c.analysis_type;
    in().n_groups = c.n_groups;
    echo_pile_groups(*model_, reports_);
    EXPECT_EQ(model_->constants.pi, c.pi)
        << "analysis type " << c.analysis_type << ", " << c.n_groups << " groups";
    EXPECT_EQ(model_->work.n_piles, c.n_groups);
  }
}

// Two properties on three cross sections: a circular pipe, a type-7 section (an H section)
// without Iz, and a general section without Iy.
class EchoPropertiesTest : public EchoPilesTest {
 protected:
  void properties_3d() {
    in().control.analysis_type = 3;
    in().control.mc_option = 1;
    in().n_properties = 2;
    PileProperty& p1 = in().properties[0];
    p1.n_sections = 2;
    p1.INC = 40;
    p1.LENGTH = 480.0;
    p1.E = 2.9e7;
    p1.pile_type = 1;
    p1.sections[0] = PileSection{0.0, 240.0, 1, 1, 2};
    p1.sections[1] = PileSection{240.0, 480.0, 2, 0, 0};
    PileProperty& p2 = in().properties[1];
    p2.n_sections = 1;
    p2.INC = 30;
    p2.LENGTH = 360.0;
    p2.E = 4.0e6;
    p2.pile_type = 2;
    p2.sections[0] = PileSection{0.0, 360.0, 3, 3, 3};

    in().n_cross_sections = 3;
    CrossSection& pipe = in().cross_sections[0];
    pipe.section_type = 1;
    pipe.name = "PIPE 24 IN";
    pipe.values[0] = 24.0;
    pipe.values[1] = 23.0;
    pipe.values[8] = 1.15e7;
    pipe.values[9] = 37.2;
    pipe.values[10] = 2560.0;
    pipe.values[11] = 2560.0;
    pipe.values[13] = 5.9e10;
    pipe.values[14] = 1.2e7;
    pipe.values[15] = 3.0e5;
    CrossSection& h = in().cross_sections[1];
    h.section_type = 7;
    h.name = "HP14X73";
    h.values[0] = 14.0;
    h.values[2] = 14.585;
    h.values[3] = 13.61;
    h.values[6] = 0.505;
    h.values[7] = 0.505;
    h.values[8] = 1.1e7;
    h.values[9] = 21.4;
    h.values[10] = 0.0;
    h.values[11] = 261.0;
    CrossSection& shaft = in().cross_sections[2];
    shaft.section_type = 0;
    shaft.name = "DRILLED SHAFT 36";
    shaft.values[0] = 36.0;
    shaft.values[8] = 1.0e6;  // not printed for a general section
    shaft.values[9] = 1017.88;
    shaft.values[10] = 82448.0;
    shaft.values[11] = 5.0e-11;  // below the small value
  }
};

TEST_F(EchoPropertiesTest, ThreeDimensionalPropertyTables) {
  properties_3d();
  echo_pile_properties(*model_, reports_);
  // Iz and Iy are printed as read, before any replacement.
  EXPECT_EQ(output(), test_data("model/data/echo2_table_e_3d.txt"));
}

TEST_F(EchoPropertiesTest, SectionWorkingTables) {
  properties_3d();
  echo_pile_properties(*model_, reports_);
  const WorkingTables& w = model_->work;
  EXPECT_EQ(w.min_increments, 30);
  const PropertyData& p1 = w.properties[0];
  EXPECT_EQ(p1.length, 480.0);
  EXPECT_EQ(p1.E, 2.9e7);
  EXPECT_EQ(p1.increments, 40);
  EXPECT_EQ(p1.pile_type, 1);
  EXPECT_EQ(p1.n_sections, 2);

  const SectionProperties& pipe = p1.sections[0];
  EXPECT_EQ(pipe.diameter, 24.0);
  EXPECT_EQ(pipe.area, 37.2);
  EXPECT_EQ(pipe.Iz, 2560.0);
  EXPECT_EQ(pipe.Iy, 2560.0);
  EXPECT_EQ(pipe.EIz, 2.9e7 * 2560.0);
  EXPECT_EQ(pipe.EIy, 2.9e7 * 2560.0);
  EXPECT_EQ(pipe.GJ, 5.9e10);
  EXPECT_EQ(pipe.Mn, 1.2e7);
  EXPECT_EQ(pipe.Vn, 3.0e5);

  // Iz of 0 becomes 0.0491 D^4 (0.0491 held in single precision); Iy stays.
  const SectionProperties& h = p1.sections[1];
  const double solid14 = 0.04910000041127205 * 14.0 * 14.0 * 14.0 * 14.0;
  EXPECT_DOUBLE_EQ(h.Iz, solid14);
  EXPECT_EQ(h.Iy, 261.0);
  EXPECT_DOUBLE_EQ(h.EIz, 2.9e7 * solid14);
  EXPECT_EQ(h.EIy, 2.9e7 * 261.0);

  // Iy of 5.0E-11 (below 1.0E-10) is replaced likewise; E of the second property.
  const SectionProperties& shaft = w.properties[1].sections[0];
  const double solid36 = 0.04910000041127205 * 36.0 * 36.0 * 36.0 * 36.0;
  EXPECT_EQ(shaft.Iz, 82448.0);
  EXPECT_DOUBLE_EQ(shaft.Iy, solid36);
  EXPECT_DOUBLE_EQ(shaft.EIy, 4.0e6 * solid36);
  EXPECT_EQ(shaft.EIz, 4.0e6 * 82448.0);
}

TEST_F(EchoPropertiesTest, TwoDimensionalPropertyTables) {
  fresh_model(-1);
  in().control.analysis_type = 2;
  in().control.mc_option = 1;
  in().n_properties = 1;
  PileProperty& p = in().properties[0];
  p.n_sections = 1;
  p.INC = 20;
  p.LENGTH = 15.0;
  p.E = 2.0e8;
  p.pile_type = 2;
  p.sections[0] = PileSection{0.0, 15.0, 1, 4, 5};
  in().n_cross_sections = 1;
  CrossSection& pipe = in().cross_sections[0];
  pipe.section_type = 1;
  pipe.name = "PIPE";
  pipe.values[0] = 0.6;
  pipe.values[1] = 0.58;
  pipe.values[8] = 8.0e7;  // the shear modulus lines belong to the three-dimensional echo
  pipe.values[9] = 0.0185;
  pipe.values[10] = 8.0e-4;
  pipe.values[14] = 1500.0;
  pipe.values[15] = 900.0;
  echo_pile_properties(*model_, reports_);
  EXPECT_EQ(output(), test_data("model/data/echo2_table_e_2d.txt"));
  EXPECT_EQ(model_->work.min_increments, 20);
  EXPECT_EQ(model_->work.properties[0].sections[0].EIz, 2.0e8 * 8.0e-4);
}

TEST_F(EchoPropertiesTest, SectionWithoutStoredCrossSectionKeepsZeroProperties) {
  in().control.analysis_type = 3;
  in().n_properties = 1;
  PileProperty& p = in().properties[0];
  p.n_sections = 1;
  p.INC = 10;
  p.E = 1.0;
  p.sections[0] = PileSection{0.0, 10.0, 0, 0, 0};
  echo_pile_properties(*model_, reports_);
  const SectionProperties& s = model_->work.properties[0].sections[0];
  EXPECT_EQ(s.diameter, 0.0);
  EXPECT_EQ(s.Iz, 0.0);
  EXPECT_EQ(s.EIy, 0.0);
}

}  // namespace
}  // namespace tovek8
