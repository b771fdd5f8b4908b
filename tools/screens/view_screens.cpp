// The model views: the side view and the default 3D view of every example,
// the 3D view of an anchored wall with tiebacks and surcharges (default view,
// turned, deformed) and the Deformed Shape dialog.  The 3D pictures need OpenGL on an X
// display (QT_QPA_PLATFORM=xcb under Xvfb); on the offscreen platform they
// are left out with a note.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QTextStream>
#include <QToolButton>

#include "frontend/project/ui/bare_host.h"
#include "frontend/views/ui/block_view_window.h"
#include "frontend/views/ui/deformed_shape_dialog.h"
#include "frontend/views/ui/model_views.h"
#include "frontend/views/ui/side_view_window.h"
#include "tools/screens/screen_shooter.h"

namespace murena::screens {

namespace {

void settle() {
  for (int i = 0; i < 10; ++i) QApplication::processEvents();
}

void shootSideViews(ScreenShooter& shooter) {
  const QStringList examples =
      QDir(ScreenShooter::examplesFolder()).entryList({QStringLiteral("*.mr5d")}, QDir::Files, QDir::Name);
  for (const QString& file : examples) {
    const QString name = QFileInfo(file).completeBaseName();
    BareHost host;
    host.resize(700, 520);
    host.show();
    host.openProject(shooter.exampleCopy(name).toStdString());
    host.modelViews().showSideView();
    settle();
    shooter.save(host.modelViews().sideView()->parentWidget(), QStringLiteral("side_view_") + name);
    if (name == QLatin1String("anchored_soft_over_stiff_clay_english")) {
      // The printed page (landscape letter) at 150 dots per inch.
      QImage page(1650, 1275, QImage::Format_RGB32);
      page.setDotsPerMeterX(5906);
      page.setDotsPerMeterY(5906);
      page.fill(Qt::white);
      qobject_cast<ui::TDlgSideView*>(host.modelViews().sideView())->paintPage(page);
      shooter.saveImage(page, QStringLiteral("side_view_printed_page"));
    }
  }
}

void save3D(ScreenShooter& shooter, ui::TDlgBlock* view, const QString& name) {
  settle();
  shooter.saveWithOpenGL(view->parentWidget(), view->glWindow(), name);
}

// Point, line and strip surcharges behind the anchored wall (English: inches).
void addSurcharges(TProject& project) {
  GridTable& t = project.tables().SurchargeTable;
  const double rows[3][4] = {{1, 20000, 240, 0}, {2, 1500, 420, 0}, {3, 400, 660, 120}};
  t.setRowCount(3);
  for (int r = 0; r < 3; ++r) {
    t.setInteger(col::kSurchargeType, r, int(rows[r][0]));
    t.setReal(col::kSurchargeMagnitude, r, rows[r][1]);
    t.setReal(col::kSurchargeDistance, r, rows[r][2]);
    t.setReal(col::kSurchargeWidth, r, rows[r][3]);
  }
  project.data().ApplySurcharge = true;
}

void shoot3DViews(ScreenShooter& shooter) {
  BareHost host;
  host.resize(1000, 760);
  host.show();
  host.openProject(shooter.exampleCopy(QStringLiteral("anchored_soft_over_stiff_clay_english")).toStdString());
  addSurcharges(host.project());
  host.modelViews().show3DView();
  settle();
  auto* view = qobject_cast<ui::TDlgBlock*>(host.modelViews().view3D());
  if (view == nullptr) {
    QTextStream(stderr) << "views: the 3D view could not be opened (no OpenGL context)\n";
    return;
  }
  view->RedrawComplete();
  save3D(shooter, view, QStringLiteral("view3d_default"));

  ui::TglWindow* gl = view->glWindow();
  const QPoint middle(gl->width() / 2, gl->height() / 2);
  ScreenShooter::drag(gl, middle, middle - QPoint(gl->width() / 3, 0));
  ScreenShooter::drag(gl, middle, middle + QPoint(0, gl->height() / 6));
  save3D(shooter, view, QStringLiteral("view3d_rotated"));

  view->DeformedShapeWindow();
  settle();
  ui::TDlgDeformedShape* dialog = view->deformedShapeDialog();
  dialog->showBox()->click();
  dialog->undeformedBox()->click();
  // The wall moves about a tenth of an inch: exaggerated 50 times it shows.
  dialog->factorEdit()->setText(QStringLiteral("50"));
  emit dialog->factorEdit()->textEdited(QStringLiteral("50"));
  settle();
  shooter.save(dialog, QStringLiteral("deformed_shape_dialog_in_view"));
  dialog->close();
  settle();
  save3D(shooter, view, QStringLiteral("view3d_deformed"));
}

// The default 3D view of every example, each in a view of its own (the
// second and later views are fitted like the first).
void shootExample3DViews(ScreenShooter& shooter) {
  BareHost host;
  host.resize(1000, 760);
  host.show();
  const QStringList examples =
      QDir(ScreenShooter::examplesFolder()).entryList({QStringLiteral("*.mr5d")}, QDir::Files, QDir::Name);
  for (const QString& file : examples) {
    const QString name = QFileInfo(file).completeBaseName();
    host.openProject(shooter.exampleCopy(name).toStdString());
    // The closed view of the previous example goes before the next opens.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    host.modelViews().show3DView();
    settle();
    auto* view = qobject_cast<ui::TDlgBlock*>(host.modelViews().view3D());
    if (view == nullptr) return;
    save3D(shooter, view, QStringLiteral("view3d_") + name);
  }
}

void shootDeformedShapeDialog(ScreenShooter& shooter) {
  views::DeformedShapeSettings settings;
  settings.show = true;
  settings.factor = 50;
  ui::TDlgDeformedShape dialog(settings, [] {});
  dialog.setAttribute(Qt::WA_DeleteOnClose, false);
  dialog.show();
  settle();
  shooter.save(&dialog, QStringLiteral("deformed_shape_dialog"));
}

}  // namespace

void shootViews(ScreenShooter& shooter) {
  shootSideViews(shooter);
  shootDeformedShapeDialog(shooter);
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
    QTextStream(stderr) << "views: 3D pictures left out on the offscreen platform; run under Xvfb with "
                           "QT_QPA_PLATFORM=xcb for them\n";
    return;
  }
  shoot3DViews(shooter);
  shootExample3DViews(shooter);
}

}  // namespace murena::screens
