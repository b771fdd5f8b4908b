#pragma once
// The graph window (TPlotForm): an MDI child that shows one graph with its
// "Plot" menu, the legend list box, the data values under the mouse in its
// title, rubber-band zoom and zoom out, printing (a PDF file when no printer
// is installed), page setup, print preview, saving as a Windows bitmap, PNG,
// SVG or PDF, copying to the clipboard, and the Graph Caption, Legend and
// Active Curves dialogs.
#include <QImage>
#include <QString>
#include <QWidget>
#include <memory>

#include "frontend/results/graph_files.h"
#include "frontend/results/plot_menu.h"
#include "frontend/results/plot_view.h"
#include "frontend/results/ui/graph_output.h"

class QMenu;
class QMenuBar;
class QPrinter;

namespace murena {
class MainWindowHost;
}

namespace murena::ui {

class LegendListBox;
class PlotCanvas;

class TPlotForm : public QWidget {
  Q_OBJECT
 public:
  TPlotForm(MainWindowHost& host, TGraphPlot& graph, QWidget* parent = nullptr);
  ~TPlotForm() override;

  // False when the graph's ranges have no usable step: the window is not shown.
  bool opened() const { return opened_; }
  PlotView& view() { return view_; }
  PlotCanvas* canvas() const { return canvas_; }
  LegendListBox* legendList() const { return legend_; }
  QMenu* plotMenu() const { return plotMenu_; }
  QMenuBar* menuBar() const { return menuBar_; }

  // Every item of the Plot menu ends here.
  void runCommand(PlotCommand command, int value = 0);
  // The menu's items refreshed from the graph (done whenever it opens).
  void refreshMenu();

  // The screen legend's place as fractions of the client area, for the
  // legend drawn on pictures and pages.
  LegendFraction legendFraction() const;
  // Writes the picture to a file; an error text, empty on success.
  QString saveTo(const QString& path, GraphFileFormat format, const SaveAttributes& attributes) const;
  // The picture of the client area's size, as copied to the clipboard.
  QImage clientPicture() const;
  void printTo(QPrinter& printer) const;
  const SaveAttributes& saveAttributes() const { return saveAttributes_; }

  // The window laid out again; the legend resized, and moved to the plot's
  // lower right corner when the program (not the user) asks for it.
  void relayout(bool moveLegend);

 private:
  void rebuildLegend();
  void refreshLegendTexts();
  void editTitle();
  void editLegend();
  void editActiveCurves();
  void print();
  void preview();
  void pageSetup();
  void save();
  void copyToClipboard();
  QPrinter& printer();
  QString defaultPath(const char* suffix) const;

  MainWindowHost& host_;
  PlotView view_;
  bool opened_ = false;
  QMenuBar* menuBar_ = nullptr;
  QMenu* plotMenu_ = nullptr;
  PlotCanvas* canvas_ = nullptr;
  LegendListBox* legend_ = nullptr;
  std::unique_ptr<QPrinter> printer_;
  SaveAttributes saveAttributes_;
  bool legendToCorner_ = false;
  bool legendDocked_ = true;
};

}  // namespace murena::ui
