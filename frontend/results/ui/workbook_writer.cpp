// libxlsxwriter is C; nothing of Qt is needed here.
#include "frontend/results/ui/workbook_writer.h"

#include <xlsxwriter.h>

namespace murena {

namespace {

lxw_format* headerFormat(lxw_workbook* book) {
  lxw_format* f = workbook_add_format(book);
  format_set_bold(f);
  format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
  return f;
}

void writeCells(lxw_worksheet* sheet, const WorkbookSheet& plan, lxw_format* header) {
  for (const auto& [col, width] : plan.columnWidths)
    worksheet_set_column(sheet, static_cast<lxw_col_t>(col), static_cast<lxw_col_t>(col), width, nullptr);
  for (const WorkbookCell& c : plan.cells) {
    const auto row = static_cast<lxw_row_t>(c.row);
    const auto col = static_cast<lxw_col_t>(c.col);
    lxw_format* format = c.header ? header : nullptr;
    switch (c.kind) {
      case WorkbookCell::Kind::Number: worksheet_write_number(sheet, row, col, c.number, format); break;
      case WorkbookCell::Kind::Text: worksheet_write_string(sheet, row, col, c.text.c_str(), format); break;
      case WorkbookCell::Kind::Link: {
        const std::string url = "internal:" + c.target;
        worksheet_write_url_opt(sheet, row, col, url.c_str(), format, c.text.c_str(), nullptr);
        break;
      }
    }
  }
}

// An XY scatter chart with lines and markers: one series per curve, no
// title, axis titles and major gridlines, the value axis reversed for
// depth graphs.  libxlsxwriter has no border or fill for the chart legend;
// the legend is written with the chart's default look.
lxw_chart* scatterChart(lxw_workbook* book, const WorkbookChart& plan) {
  lxw_chart* chart = workbook_add_chart(book, LXW_CHART_SCATTER_STRAIGHT_WITH_MARKERS);
  for (const WorkbookSeries& s : plan.series) {
    lxw_chart_series* series = chart_add_series(chart, s.categories.c_str(), s.values.c_str());
    chart_series_set_name(series, s.name.c_str());
  }
  chart_title_off(chart);
  chart_axis_set_name(chart->x_axis, plan.xTitle.c_str());
  chart_axis_set_name(chart->y_axis, plan.yTitle.c_str());
  chart_axis_major_gridlines_set_visible(chart->x_axis, LXW_TRUE);
  chart_axis_major_gridlines_set_visible(chart->y_axis, LXW_TRUE);
  if (plan.reverseValueAxis) chart_axis_set_reverse(chart->y_axis);
  chart_legend_set_position(chart, LXW_CHART_LEGEND_RIGHT);
  return chart;
}

}  // namespace

std::string writeWorkbookFile(const WorkbookPlan& plan, const std::string& path) {
  lxw_workbook* book = workbook_new(path.c_str());
  if (book == nullptr) return "The workbook " + path + " could not be created.";
  lxw_format* header = headerFormat(book);
  for (const WorkbookSheet& s : plan.sheets) {
    if (s.chart) {
      lxw_chartsheet* sheet = workbook_add_chartsheet(book, s.name.c_str());
      if (sheet == nullptr || chartsheet_set_chart(sheet, scatterChart(book, *s.chart)) != LXW_NO_ERROR) {
        workbook_close(book);
        return "The chart sheet " + s.name + " could not be added to the workbook.";
      }
    } else {
      lxw_worksheet* sheet = workbook_add_worksheet(book, s.name.c_str());
      if (sheet == nullptr) {
        workbook_close(book);
        return "The sheet " + s.name + " could not be added to the workbook.";
      }
      writeCells(sheet, s, header);
    }
  }
  const lxw_error error = workbook_close(book);
  if (error != LXW_NO_ERROR) return "The workbook " + path + " could not be written: " + lxw_strerror(error);
  return {};
}

}  // namespace murena
