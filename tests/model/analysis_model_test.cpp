// Unit labels, load type names, default load levels and the constants a run starts with.
#include "model/analysis_model.h"

#include <gtest/gtest.h>

#include <memory>

namespace tovek8 {
namespace {

TEST(UnitLabels, ChosenBySignOfTheUnitsArgument) {
  struct Case {
    int units;
    const char* length3;
    const char* force4;
    const char* length2;
    const char* force3;
  };
  const Case cases[] = {
      {1, " IN", " LBS", "IN", "LBS"},  {5, " IN", " LBS", "IN", "LBS"},
      {-1, "  M", "  KN", " M", " KN"}, {-2, "  M", "  KN", " M", " KN"},
      {0, "  L", "   F", " L", "  F"},
  };
  auto model = std::make_unique<AnalysisModel>();
  for (const Case& c : cases) {
    set_unit_labels(*model, c.units);
    const UnitLabels& u = model->units;
    EXPECT_EQ(u.length3, c.length3) << c.units;
    EXPECT_EQ(u.force4, c.force4) << c.units;
    EXPECT_EQ(u.length2, c.length2) << c.units;
    EXPECT_EQ(u.force3, c.force3) << c.units;
    EXPECT_EQ(u.cubed, "3  ");
    EXPECT_EQ(u.power, "**");
  }
}

TEST(LoadTypeName, NamesPaddedTo32Characters) {
  struct Case {
    int code;
    const char* name;
  };
  const Case cases[] = {{0, "Dead, DL"},     {1, "Live, LL"},      {2, "Seismic, EQ"},
                        {7, "Soils, Hsl"},   {8, "Roof Live, Lr"}, {11, "Temperature, Tm"},
                        {12, "Special, Sp"}, {-1, "Special, Sp"},  {1000, "Special, Sp"}};
  for (const Case& c : cases) {
    std::string expected = c.name;
    expected.resize(32, ' ');
    EXPECT_EQ(load_type_name(c.code), expected) << c.code;
  }
}

TEST(UnitsSystemName, EchoNamesOfTheThreeSystems) {
  EXPECT_EQ(units_system_name(1), "ENGL");
  EXPECT_EQ(units_system_name(2), "METR");
  EXPECT_EQ(units_system_name(3), "OPEN");
  EXPECT_EQ(units_system_name(4), "    ");
}

TEST(SharedConstants, SetBeforeTheInputIsRead) {
  auto model = std::make_unique<AnalysisModel>();
  EXPECT_EQ(model->work.multipliers.p_y[0], 0.0) << "the model starts at zero";
  set_shared_constants(*model);
  EXPECT_EQ(model->constants.pi, 3.141590118408203);
  EXPECT_EQ(model->constants.pi, double(3.14159f)) << "single-precision 3.14159";
  EXPECT_EQ(model->constants.small_value, double(1.0e-10f));
  EXPECT_EQ(model->constants.tolerance_a, 1.0e-14);
  EXPECT_EQ(model->constants.tolerance_b, 1.0e-6);
  EXPECT_EQ(model->constants.tolerance_c, 1.0e-5);
  const PileMultipliers& m = model->work.multipliers;
  for (const auto* table : {&m.p_plane, &m.y_plane, &m.p_y, &m.y_y, &m.p_z, &m.y_z}) {
    EXPECT_EQ(table->front(), 1.0);
    EXPECT_EQ(table->back(), 1.0);
  }
}

TEST(DefaultLoadLevels, TenLevelsFromOneTenthToOne) {
  LoadCase lc;
  set_default_load_levels(lc);
  ASSERT_EQ(lc.n_load_levels, 10);
  EXPECT_EQ(lc.load_levels[0], double(0.1f));
  EXPECT_DOUBLE_EQ(lc.load_levels[1], 0.30102999566398120);
  EXPECT_DOUBLE_EQ(lc.load_levels[8], 0.95424250943932487);
  EXPECT_EQ(lc.load_levels[9], 1.0);
}

}  // namespace
}  // namespace tovek8
