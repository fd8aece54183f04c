// Tables F to K of the input echo, the soil profile points and the curve working tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "model/analysis_model.h"
#include "model/echo_tables.h"
#include "platform/report_channels.h"

#include "tests/model/echo_test_fixture.h"
#include "tests/test_support.h"

namespace tovek8 {
namespace {

using namespace tovek8::test_support;

class EchoSoilTest : public EchoTableTest {
 protected:
  void SetUp() override { fresh_model(1); }

  // A fresh three-dimensional model.
  void fresh_model(int units) {
    EchoTableTest::fresh_model(units);
    in().control.analysis_type = 3;
  }

  SoilLayer& add_layer(int code, double x_top, double x_bottom) {
    SoilLayer& layer = in().layers[in().n_layers++];
    layer.soil_model = code;
    layer.x_top = x_top;
    layer.x_bottom = x_bottom;
    layer.n_points = 2;
    layer.n_values = kMaxPropertyValues;
    return layer;
  }
};

// ---- Soil profile points

// The profile column of property value k (1-based, as the input numbers them).
double profile_column(const SoilProfile& s, int k, int point) {
  switch (k) {
    case 1:
      return s.unit_weight[point];
    case 2:
      return s.c[point];
    case 3:
      return s.phi[point];
    case 4:
      return s.k[point];
    case 5:
      return s.Er[point];
    case 6:
      return s.e50[point];
    case 7:
      return s.rqd[point];
    case 8:
      return s.side_friction[point];
    case 9:
      return s.tip_resistance[point];
  }
  return -1.0;
}

struct ZeroingCase {
  int code;
  std::vector<int> zeroed;  // property values forced to 0 for the layer
};

TEST_F(EchoSoilTest, ProfileZeroesTheValuesEachSoilModelDoesNotUse) {
  const ZeroingCase cases[] = {
      {1, {3, 4, 7}},
      {2, {3, 7}},
      {3, {3, 4, 7}},
      {4, {2, 5, 6, 7}},
      {5, {2, 3, 4, 5, 6, 7}},
      {6, {3, 4, 5, 7}},
      {7, {5, 6}},
      {8, {2, 5, 6, 7}},
      {9, {3, 4}},
      {10, {3, 7}},
      {11, {2, 3, 4, 5, 6, 7}},
      {0, {}},
      {12, {}},
  };
  for (const ZeroingCase& c : cases) {
    fresh_model(1);
    SoilLayer& layer = add_layer(c.code, 10.0, 50.0);
    for (int k = 1; k <= kMaxPropertyValues; ++k) {
      layer.top[k - 1] = k + 0.25;
      layer.bottom[k - 1] = 100.0 + k;
    }
    echo_soil(*model_, reports_);
    const SoilProfile& s = model_->work.soil;
    ASSERT_EQ(s.NS, 2);
    EXPECT_EQ(s.x[0], 10.0);
    EXPECT_EQ(s.x[1], 50.0);
    for (int k = 1; k <= kMaxPropertyValues; ++k) {
      const bool zeroed = std::find(c.zeroed.begin(), c.zeroed.end(), k) != c.zeroed.end();
      for (int point = 0; point < 2; ++point) {
        double expected = point == 0 ? k + 0.25 : 100.0 + k;
        if (k == 3) expected = expected * kPiAtStart / 180.0;  // no groups: pi of the start
        if (zeroed) expected = 0.0;
        if (c.code == 6 && k == 6) expected = 4.999999873689376e-04;
        EXPECT_DOUBLE_EQ(profile_column(s, k, point), expected)
            << "code " << c.code << ", value " << k << ", point " << point + 1;
      }
    }
  }
}

TEST_F(EchoSoilTest, ProfileHasTwoPointsPerLayerAndFrictionWithTheModelPi) {
  model_->constants.pi = 2.0 * std::asin(1.0);  // set by the echo of a non-empty group table
  add_layer(4, 0.0, 120.0).top[2] = 30.0;
  add_layer(8, 120.0, 300.0).bottom[2] = 40.0;
  echo_soil(*model_, reports_);
  const SoilProfile& s = model_->work.soil;
  EXPECT_EQ(s.NS, 4);
  EXPECT_EQ(s.x[1], 120.0);
  EXPECT_EQ(s.x[2], 120.0);
  EXPECT_EQ(s.x[3], 300.0);
  EXPECT_DOUBLE_EQ(s.phi[0], 30.0 * std::acos(-1.0) / 180.0);
  EXPECT_EQ(s.phi[1], 0.0);
  EXPECT_DOUBLE_EQ(s.phi[3], 40.0 * std::acos(-1.0) / 180.0);
}

// ---- Table F and the printed p-y curve requests

TEST_F(EchoSoilTest, SoilTableWithPrintedCurveRequests) {
  in().control.KPYOP = 1;
  SoilLayer& sand = add_layer(4, 0.0, 120.0);
  sand.top = {0.0361, 5.0, 35.0, 90.0, 1.0, 0.01, 50.0, 0.0, 0.0};
  sand.bottom = {0.0361, 5.0, 36.0, 90.0, 1.0, 0.01, 50.0, 0.0, 0.0};
  SoilLayer& rock = add_layer(9, 120.0, 240.0);
  rock.top = {0.08, 1000.0, 30.0, 500.0, 2.0e5, 5.0e-4, 50.0, 20.0, 300.0};
  rock.bottom = {0.08, 1200.0, 30.0, 500.0, 2.0e5, 5.0e-4, 50.0, 20.0, 300.0};
  SoilLayer& clay = add_layer(10, 240.0, 360.0);
  clay.top = {0.04, 15.0, 10.0, 500.0, 3.0, 0.005, 9.0, 0.0, 0.0};
  clay.bottom = clay.top;
  in().n_py_requests = 2;
  in().py_requests[0].pile_group = 1;
  in().py_requests[0].depth = 36.0;
  in().py_requests[1].pile_group = 2;
  in().py_requests[1].depth = 120.5;
  echo_soil(*model_, reports_);
  EXPECT_EQ(output(), test_data("model/data/echo2_table_f.txt"));
}

TEST_F(EchoSoilTest, TenLayersPrintTheCountAsAnAsterisk) {
  for (int l = 0; l < 10; ++l) add_layer(1, 10.0 * l, 10.0 * (l + 1));
  echo_soil(*model_, reports_);
  const std::string text = output();
  EXPECT_NE(text.find("\n         * LAYER(S) OF SOIL\n"), std::string::npos);
  EXPECT_NE(text.find("\n         LAYER 10\n"), std::string::npos);
  EXPECT_EQ(model_->work.soil.NS, 20);
}

TEST_F(EchoSoilTest, WithoutLayersOnlyTheNoticeIsPrinted) {
  echo_soil(*model_, reports_);
  EXPECT_EQ(output(), "\n\n\n     * TABLE F *   SOIL DATA\n\n       NO SOIL LAYERS DEFINED\n");
  EXPECT_EQ(model_->work.soil.NS, 0);
}

TEST_F(EchoSoilTest, CurveRequestsArePrintedOnlyForPyYes) {
  struct Case {
    int kpyop;
    int n_requests;
    std::string tail;
  };
  const std::string title = "\n\n     * DATA TO PRINT GENERATED P-Y CURVES *\n";
  for (const Case& c : {Case{0, 1, ""}, Case{-1, 1, ""}, Case{1, 0, title}}) {
    fresh_model(1);
    in().control.KPYOP = c.kpyop;
    in().n_py_requests = c.n_requests;
    echo_soil(*model_, reports_);
    EXPECT_EQ(output(),
              "\n\n\n     * TABLE F *   SOIL DATA\n\n       NO SOIL LAYERS DEFINED\n" + c.tail)
        << "KPYOP " << c.kpyop;
  }
}

// ---- Table G

TEST_F(EchoSoilTest, InputPyCurvesArePrintedAndCopied) {
  in().control.py_curves_option = 1;
  in().n_py_curve_sets = 1;
  PyCurveSet& set = in().py_curve_sets[0];
  set.n_curves = 1;
  InputPyCurve& curve = set.curves[0];
  curve.x = 24.0;
  curve.n_points = 3;
  curve.p = {0.0, 150.5, 300.0};
  curve.y = {0.0, 0.25, 1.5};
  echo_input_py_curves(*model_, reports_);
  EXPECT_EQ(output(), test_data("model/data/echo2_table_g.txt"));
  const WorkingTables& w = model_->work;
  EXPECT_EQ(w.n_py_curve_sets, 1);
  EXPECT_EQ(w.py_curves[0].n_curves, 1);
  EXPECT_EQ(w.py_curves[0].curves[0].x, 24.0);
  EXPECT_EQ(w.py_curves[0].curves[0].n_points, 3);
  EXPECT_EQ(w.py_curves[0].curves[0].p[1], 150.5);
  EXPECT_EQ(w.py_curves[0].curves[0].y[2], 1.5);
}

TEST_F(EchoSoilTest, InputPyCurvesNeedTheirOption) {
  in().control.py_curves_option = 2;
  in().n_py_curve_sets = 1;
  in().py_curve_sets[0].n_curves = 1;
  echo_input_py_curves(*model_, reports_);
  EXPECT_EQ(output(), "");
  EXPECT_EQ(model_->work.n_py_curve_sets, 0);
}

// ---- Tables H and I

void one_user_curve(int& n_curves, UserCurve& curve) {
  n_curves = 1;
  curve.n_points = 3;
  curve.force = {-5000.0, 0.0, 12000.0};
  curve.displacement = {-0.25, 0.0, 0.5};
}

TEST_F(EchoSoilTest, UserLoadSettlementCurves) {
  in().control.ls_curves_option = 1;
  one_user_curve(in().n_ls_curves, in().ls_curves[0]);
  int status = 0;
  EXPECT_TRUE(echo_load_settlement_curves(*model_, reports_, status));
  EXPECT_EQ(status, 0);
  EXPECT_EQ(output(), test_data("model/data/echo2_table_h.txt"));
}

TEST_F(EchoSoilTest, UserTorqueRotationCurves) {
  in().control.tr_curves_option = 1;
  one_user_curve(in().n_tr_curves, in().tr_curves[0]);
  int status = 0;
  EXPECT_TRUE(echo_torque_rotation_curves(*model_, reports_, status));
  EXPECT_EQ(status, 0);
  EXPECT_EQ(output(), test_data("model/data/echo2_table_i.txt"));
}

TEST_F(EchoSoilTest, WithoutUserCurvesOnlyTheTitlesArePrinted) {
  int status = 0;
  EXPECT_TRUE(echo_load_settlement_curves(*model_, reports_, status));
  EXPECT_TRUE(echo_torque_rotation_curves(*model_, reports_, status));
  EXPECT_EQ(output(),
            "\n\n\n     * TABLE H *   AXIAL LOAD VS SETTLEMENT \n"
            "\n\n\n     * TABLE I *   TORS. MOM. VS ANGLE ROT. \n");
}

// Piles with curve number 0 take the generated curve of their property, -(property), but
// only when the soil has layers; the group records and the working table agree.
TEST_F(EchoSoilTest, PilesWithoutUserCurvesAreMarkedForGeneratedCurves) {
  struct Case {
    int n_layers;
    std::array<int, 3> expected;
  };
  for (const Case& c : {Case{1, {-2, 1, -3}}, Case{0, {0, 1, 0}}}) {
    fresh_model(1);
    for (int l = 0; l < c.n_layers; ++l) add_layer(1, 0.0, 100.0);
    in().n_groups = 3;
    model_->work.n_piles = 3;
    const std::array<int, 3> props{2, 1, 3};
    const std::array<int, 3> curves{0, 1, 0};
    for (int i = 0; i < 3; ++i) {
      in().groups[i].pile_prop = props[i];
      in().groups[i].ls_curve = curves[i];
      in().groups[i].tr_curve = curves[i];
      model_->work.piles[i].ls_curve = curves[i];
      model_->work.piles[i].tr_curve = curves[i];
    }
    int status = 0;
    EXPECT_TRUE(echo_load_settlement_curves(*model_, reports_, status));
    EXPECT_TRUE(echo_torque_rotation_curves(*model_, reports_, status));
    EXPECT_EQ(status, 0);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(in().groups[i].ls_curve, c.expected[i]) << c.n_layers << " layers, pile " << i + 1;
      EXPECT_EQ(model_->work.piles[i].ls_curve, c.expected[i]);
      EXPECT_EQ(in().groups[i].tr_curve, c.expected[i]);
      EXPECT_EQ(model_->work.piles[i].tr_curve, c.expected[i]);
    }
  }
}

// A property number read as the most negative integer has no negative counterpart: the
// marker keeps it rather than overflowing.
TEST_F(EchoSoilTest, MarkingAPileWithTheMostNegativePropertyNumberDoesNotOverflow) {
  add_layer(1, 0.0, 100.0);
  in().n_groups = 1;
  model_->work.n_piles = 1;
  in().groups[0].pile_prop = std::numeric_limits<int>::min();
  int status = 0;
  EXPECT_TRUE(echo_load_settlement_curves(*model_, reports_, status));
  EXPECT_EQ(in().groups[0].ls_curve, std::numeric_limits<int>::min());
  EXPECT_EQ(model_->work.piles[0].ls_curve, std::numeric_limits<int>::min());
}

// ---- Table J

TEST_F(EchoSoilTest, MomentCurvatureSets) {
  in().control.mc_option = 1;
  in().n_mc_sets = 1;
  MomentCurvatureSet& set = in().mc_sets[0];
  set.n_curves = 1;
  set.curves[0].axial_load = 1500.0;
  set.curves[0].n_points = 2;
  set.curves[0].moment = {0.0, 2.5e6};
  set.curves[0].curvature = {0.0, 1.0e-4};
  echo_moment_curvature(*model_, reports_);
  EXPECT_EQ(output(), test_data("model/data/echo2_table_j.txt"));
}

TEST_F(EchoSoilTest, MomentCurvatureNeedsItsOption) {
  in().n_mc_sets = 1;
  echo_moment_curvature(*model_, reports_);
  EXPECT_EQ(output(), "");
}

// ---- Table K

class ReductionFactorsTest : public EchoSoilTest {
 protected:
  // Two piles with the factors of their group records in force; load case 1 pulls along
  // (hy, hz) when `with_case`.
  void two_piles(int analysis_type, int option, bool with_case, double hy, double hz) {
    fresh_model(1);
    in().control.analysis_type = analysis_type;
    in().control.reduction_factor_option = option;
    in().n_groups = 2;
    WorkingTables& w = model_->work;
    w.n_piles = 2;
    PileMultipliers& m = w.multipliers;
    m.p_y[0] = 0.8;
    m.p_y[1] = 0.7;
    m.p_z[0] = 0.9;
    m.y_z[1] = 0.95;
    m.p_plane[0] = 0.6;
    m.p_plane[1] = 0.5;
    if (!with_case) return;
    in().case_header.n_load_cases = 1;
    LoadCase& lc = in().load_cases[0];
    lc.scale_factor = 1.0;
    lc.n_concentrated = 1;
    lc.concentrated[0].horizontal_y = hy;
    lc.concentrated[0].horizontal_z = hz;
  }
};

TEST_F(ReductionFactorsTest, EstimatedFactorsCarryTheSignsOfLoadCaseOne) {
  two_piles(3, 1, true, -100.0, 50.0);
  echo_reduction_factors(*model_, reports_);
  EXPECT_EQ(output(), test_data("model/data/echo2_table_k_3d_estimated.txt"));
}

TEST_F(ReductionFactorsTest, DirectionSigns) {
  struct Case {
    bool with_case;
    double hy, hz;
    std::string y_sign, z_sign;
  };
  for (const Case& c : {Case{true, -100.0, 50.0, "(-)", "(+)"}, Case{true, 0.0, -1.0, "(+)", "(-)"},
                        Case{true, 20.0, 0.0, "(+)", "(+)"}, Case{false, 0.0, 0.0, "(+)", "(+)"}}) {
    two_piles(3, 1, c.with_case, c.hy, c.hz);
    echo_reduction_factors(*model_, reports_);
    const std::string text = output();
    EXPECT_NE(text.find("THE DIRECTION OF Y-FORCE " + c.y_sign + "\n"), std::string::npos)
        << c.hy << ", " << c.hz;
    EXPECT_NE(text.find("THE DIRECTION OF Z-FORCE " + c.z_sign + "\n"), std::string::npos)
        << c.hy << ", " << c.hz;
  }
}

TEST_F(ReductionFactorsTest, GivenFactorsAlongEachDirection) {
  two_piles(3, 2, true, -100.0, 50.0);
  echo_reduction_factors(*model_, reports_);
  EXPECT_EQ(output(), test_data("model/data/echo2_table_k_3d_given.txt"));
}

TEST_F(ReductionFactorsTest, TwoDimensionalFactorsForAnyNonzeroOption) {
  for (int option : {1, 2, 3, -1}) {
    two_piles(2, option, true, -100.0, 0.0);
    echo_reduction_factors(*model_, reports_);
    EXPECT_EQ(output(), test_data("model/data/echo2_table_k_2d.txt")) << "option " << option;
  }
}

TEST_F(ReductionFactorsTest, NothingPrintedWithoutTheOption) {
  struct Case {
    int analysis_type, option;
  };
  for (const Case& c : {Case{3, 0}, Case{3, 3}, Case{3, -1}, Case{2, 0}}) {
    two_piles(c.analysis_type, c.option, true, 1.0, 1.0);
    echo_reduction_factors(*model_, reports_);
    EXPECT_EQ(output(), "") << "analysis type " << c.analysis_type << ", option " << c.option;
  }
}

}  // namespace
}  // namespace tovek8
