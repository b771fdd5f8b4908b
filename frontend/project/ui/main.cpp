// Murena2015: the desktop program.  "Murena2015 [FILE]" opens FILE at
// start-up (".mr4d" is added to a name without "."), else a new project.
#include <QApplication>
#include <QStringList>

#include "frontend/entry/ui/numeric_locale.h"
#include "frontend/project/ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  murena::ui::keepDecimalPointInNumbers();
  QApplication::setApplicationName(QStringLiteral("MURENA 2015"));
  QApplication::setApplicationVersion(QStringLiteral("2015.5.12"));
  murena::MainWindow window;
  window.show();
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) window.openAtStartup(arguments.at(1));
  return app.exec();
}
