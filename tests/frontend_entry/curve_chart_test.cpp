// The chart of the curve editor as a drawing: axis label formats, rounded
// ticks, inverted axes, the equal-y rule, the second series with its legend.
#include "frontend/entry/curve_chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "frontend/entry/grid_table.h"
#include "table_fixture.h"

namespace murena {
namespace {

using testing::realColumn;

// Fixed-width text: 7 units per character, 14 high.
class FixedMetrics : public draw::TextMetrics {
 public:
  double width(const draw::Font&, const std::string& text) const override { return 7.0 * text.size(); }
  double height(const draw::Font&) const override { return 14; }
};

struct CurveTable {
  CurveTable() : table(registry) {
    table.setMinRows(2);
    table.setMaxRows(17);
    table.addColumn(realColumn({"Lateral", "Deflection, y (*)"}, "L"));
    table.addColumn(realColumn({"Soil", "Resistance, p"}, "F/L"));
  }
  void rows(const std::vector<std::pair<double, double>>& points) {
    table.setRowCount(static_cast<int>(points.size()));
    for (size_t r = 0; r < points.size(); ++r) {
      table.setReal(0, static_cast<int>(r), points[r].first);
      table.setReal(1, static_cast<int>(r), points[r].second);
    }
  }
  TGridTableChartRegistry registry;
  TGridTableChart table;
};

TEST(CurveChart, AxisLabelFormats) {
  struct Case {
    double value;
    bool scientific;
    const char* text;
  };
  const Case cases[] = {
      {0, false, "0"},           {1234.5, false, "1,234.5"},   {-1234567, false, "-1,234,567"},
      {0.125, false, "0.125"},   {0.00049, false, "0"},        {-0.0004, false, "0"},
      {2.0004, false, "2"},      {999.9996, false, "1,000"},   {150000, true, "1.5E5"},
      {0.0002, true, "2.0E-4"},  {-1.25e6, true, "-1.25E6"},   {123456, true, "1.235E5"},
      {9.9996e5, true, "1.0E6"}, {1, true, "1.0E0"},
  };
  for (const Case& c : cases) EXPECT_EQ(axisLabel(c.value, c.scientific), c.text) << c.value;
}

TEST(CurveChart, ScientificLabelsBeyondTheRangeOfPlainOnes) {
  EXPECT_FALSE(axisUsesScientific(-100000, 100000));
  EXPECT_TRUE(axisUsesScientific(0, 100001));
  EXPECT_TRUE(axisUsesScientific(-200000, 10));
  EXPECT_TRUE(axisUsesScientific(0, 0.0009));
  EXPECT_FALSE(axisUsesScientific(0, 0.001));
  EXPECT_FALSE(axisUsesScientific(0, 0));  // exactly 0 stays plain
}

TEST(CurveChart, AxesWidenToRoundTicks) {
  const ChartAxis axis = scaleAxis(-0.04, 0.037);
  EXPECT_DOUBLE_EQ(axis.min, -0.04);
  EXPECT_DOUBLE_EQ(axis.max, 0.04);
  ASSERT_EQ(axis.ticks.size(), 5u);
  EXPECT_EQ(axis.ticks[2], 0.0);
  const ChartAxis flat = scaleAxis(5, 5);
  EXPECT_LT(flat.min, 5);
  EXPECT_GT(flat.max, 5);
}

TEST(CurveChart, PyCurveChartFromTheTableRows) {
  CurveTable t;
  t.rows({{-0.04, 60}, {0, 0}, {0.04, -60}});
  const CurveChart chart = curveChartOf(t.table);
  ASSERT_EQ(chart.series.size(), 1u);
  EXPECT_FALSE(chart.legend);
  EXPECT_EQ(chart.x.title, "Lateral Deflection, y (*) (in)");
  EXPECT_EQ(chart.y.title, "Soil Resistance, p (lbs/in)");
  EXPECT_EQ(chart.series[0].points.size(), 3u);
  EXPECT_LE(chart.y.min, -60);
  EXPECT_GE(chart.y.max, 60);
  EXPECT_FALSE(chart.x.scientific);
}

TEST(CurveChart, EqualYValuesFixTheAxisAndRaiseTheSecondPoint) {
  CurveTable t;
  t.rows({{0, 150000}, {2000, 150000}, {4000, 150000}});
  const CurveChart chart = curveChartOf(t.table);
  EXPECT_DOUBLE_EQ(chart.y.min, 135000);
  EXPECT_DOUBLE_EQ(chart.y.max, 165000);
  EXPECT_TRUE(chart.y.scientific);  // the band lies beyond 100000
  EXPECT_DOUBLE_EQ(chart.series[0].points[1].second, 150150);
  EXPECT_DOUBLE_EQ(chart.series[0].points[2].second, 150000);
}

TEST(CurveChart, InvertedAxesPutTheLargestValueAtTheStart) {
  CurveTable t;
  t.rows({{0, 1000}, {10, 2000}});
  FixedMetrics metrics;
  auto labelX = [&](bool invertX, bool invertY, const std::string& text, bool wantX) {
    t.table.chart().invertedXAxis = invertX;
    t.table.chart().invertedYAxis = invertY;
    const draw::Drawing d = drawCurveChart(curveChartOf(t.table), 400, 300, metrics);
    for (const draw::TextItem& item : d.itemsOf<draw::TextItem>())
      if (item.text == text) return wantX ? item.at.x : item.at.y;
    ADD_FAILURE() << "no label " << text;
    return 0.0;
  };
  EXPECT_LT(labelX(false, false, "0", true), labelX(false, false, "10", true));
  EXPECT_GT(labelX(true, false, "0", true), labelX(true, false, "10", true));
  EXPECT_GT(labelX(false, false, "1,000", false), labelX(false, false, "2,000", false));  // y grows upwards
  EXPECT_LT(labelX(false, true, "1,000", false), labelX(false, true, "2,000", false));
}

TEST(CurveChart, ThirdDataColumnAddsASeriesAndALegend) {
  CurveTable t;
  t.table.addColumn(realColumn({"Upper", "Bound"}, "F/L"));
  t.rows({{0, 1}, {1, 2}});
  t.table.setReal(2, 0, 5);
  t.table.setReal(2, 1, 6);
  const CurveChart chart = curveChartOf(t.table);
  ASSERT_EQ(chart.series.size(), 2u);
  EXPECT_TRUE(chart.legend);
  EXPECT_EQ(chart.series[1].title, "Upper");
  EXPECT_GE(chart.y.max, 6);
  FixedMetrics metrics;
  const draw::Drawing d = drawCurveChart(chart, 400, 300, metrics);
  const auto texts = d.itemsOf<draw::TextItem>();
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const draw::TextItem& i) { return i.text == "Upper"; }));
  EXPECT_EQ(d.itemsOf<draw::PolylineItem>().size(), 2u);
}

TEST(CurveChart, TablesOfCurveSetsShowNoChart) {
  TGridTableChartRegistry registry;
  TGridTableChart sets(registry);
  sets.addColumn(std::make_unique<TIntColumn>(0, 0, 100));
  sets.addColumn(std::make_unique<TTableColumn>(std::vector<int>{-1}));
  sets.addColumn(realColumn({"p"}, ""));
  sets.addColumn(realColumn({"y"}, ""));
  sets.chart().xColumn = 2;
  sets.chart().yColumn = 3;
  EXPECT_FALSE(tableHasCurveChart(sets));
  CurveTable t;
  EXPECT_TRUE(tableHasCurveChart(t.table));
  t.table.chart().yColumn = 5;
  EXPECT_FALSE(tableHasCurveChart(t.table));
}

}  // namespace
}  // namespace murena
