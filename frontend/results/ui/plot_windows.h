#pragma once
// The graph windows of the result graphs (one per graph, created by Show on
// first use and brought up afterwards) and the workbook export dialog.
#include <QObject>
#include <QPointer>
#include <map>

#include <QWidget>

namespace murena {

class MainWindowHost;
class TGraphPlot;

class PlotWindows : public QObject {
  Q_OBJECT
 public:
  explicit PlotWindows(MainWindowHost& host, QObject* parent = nullptr);
  ~PlotWindows() override;

  // Creates the graph's window on first use (maximised in the main window),
  // otherwise brings it up; a minimised window is restored.
  void show(TGraphPlot& graph);
  QWidget* windowOf(const TGraphPlot& graph) const;
  void closeAll();
  // The modal "Export to Excel" dialog.
  void showExportDialog();

 private:
  MainWindowHost& host_;
  std::map<const TGraphPlot*, QPointer<QWidget>> windows_;
};

}  // namespace murena
