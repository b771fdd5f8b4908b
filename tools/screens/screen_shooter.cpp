#include "tools/screens/screen_shooter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QOpenGLWidget>
#include <QPainter>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>

namespace murena::screens {

ScreenShooter::ScreenShooter(QString dir) : dir_(std::move(dir)) { QDir().mkpath(dir_); }

void ScreenShooter::save(QWidget* widget, const QString& name) {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  const QString path = QDir(dir_).filePath(name + QStringLiteral(".png"));
  widget->grab().save(path);
  saved_ << path;
}

void ScreenShooter::saveImage(const QImage& image, const QString& name) {
  const QString path = QDir(dir_).filePath(name + QStringLiteral(".png"));
  image.save(path);
  saved_ << path;
}

void ScreenShooter::saveWithOpenGL(QWidget* window, QOpenGLWidget* gl, const QString& name) {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  QImage picture = window->grab().toImage();
  QImage glImage = gl->grabFramebuffer();
  glImage.setDevicePixelRatio(gl->devicePixelRatio());
  QPainter painter(&picture);
  painter.drawImage(gl->mapTo(window, QPoint(0, 0)), glImage);
  painter.end();
  saveImage(picture, name);
}

void ScreenShooter::drag(QWidget* widget, QPoint from, QPoint to) {
  const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &e);
  };
  send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  for (int i = 1; i <= 10; ++i) send(QEvent::MouseMove, from + (to - from) * i / 10, Qt::NoButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
  for (int i = 0; i < 10; ++i) QApplication::processEvents();
}

QString ScreenShooter::examplesFolder() { return QStringLiteral(MURENA_SOURCE_DIR "/examples"); }

QString ScreenShooter::exampleCopy(const QString& name) const {
  const QString folder = QDir(dir_).filePath(QStringLiteral("work/") + name);
  QDir(folder).removeRecursively();
  QDir().mkpath(folder);
  const QString data = QDir(folder).filePath(name + QStringLiteral(".mr5d"));
  QFile::copy(QDir(examplesFolder()).filePath(name + QStringLiteral(".mr5d")), data);
  QFile::copy(QStringLiteral(MURENA_SOURCE_DIR "/tests/integration/golden/") + name + QStringLiteral(".mr5p"),
              QDir(folder).filePath(name + QStringLiteral(".mr5p")));
  return data;
}

}  // namespace murena::screens
