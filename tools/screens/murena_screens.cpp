// murena-screens DIR [main] [entry] [results] [views] [guide]
// Renders the program's windows to PNG files in DIR for review.  Without a
// family name every family is rendered.  "guide" renders the pictures of the
// user's guide (tools/make-guide-pictures.sh puts them into docs/images).
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise (the
// 3D view needs an X server with OpenGL, such as Xvfb with Mesa:
// QT_QPA_PLATFORM=xcb).
#include <QApplication>
#include <QTextStream>

#include "frontend/entry/ui/numeric_locale.h"
#include "tools/screens/screen_shooter.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    QTextStream(stderr) << "usage: murena-screens DIR [main] [entry] [results] [views] [guide]\n";
    return 2;
  }
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  murena::ui::keepDecimalPointInNumbers();  // as the desktop program does
  murena::screens::ScreenShooter shooter(QString::fromLocal8Bit(argv[1]));
  QStringList families;
  for (int i = 2; i < argc; ++i) families << QString::fromLocal8Bit(argv[i]);
  const auto wanted = [&](const char* family) { return families.isEmpty() || families.contains(family); };
  if (wanted("main")) murena::screens::shootMainWindow(shooter);
  if (wanted("entry")) murena::screens::shootDataEntry(shooter);
  if (wanted("results")) murena::screens::shootResults(shooter);
  if (wanted("views")) murena::screens::shootViews(shooter);
  if (wanted("guide")) murena::screens::shootUserGuide(shooter);
  QTextStream out(stdout);
  for (const QString& path : shooter.saved()) out << path << '\n';
  return 0;
}
