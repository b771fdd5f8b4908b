#include "frontend/entry/ui/svg_picture.h"

#include <QFile>
#include <QPainter>

namespace murena::ui {

SvgPicture::SvgPicture(const QString& resource, QWidget* parent, double scale)
    : QWidget(parent), scale_(scale) {
  ensureEntryPictures();
  renderer_.load(resource);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize SvgPicture::sizeHint() const {
  const QSize natural = renderer_.isValid() ? renderer_.defaultSize() : QSize(0, 0);
  const double dpi = logicalDpiX() / 96.0;
  return (QSizeF(natural) * scale_ * dpi).toSize();
}

void SvgPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QSizeF area = size();
  QSizeF fit = QSizeF(renderer_.defaultSize()).scaled(area, Qt::KeepAspectRatio);
  const QRectF target(QPointF((area.width() - fit.width()) / 2, (area.height() - fit.height()) / 2), fit);
  renderer_.render(&painter, target);
}

QString helpPictureResource(const QString& name) {
  if (name.isEmpty()) return {};
  ensureEntryPictures();
  const QString path = QStringLiteral(":/entry/pictures/help_%1.svg").arg(name.toLower());
  return QFile::exists(path) ? path : QString();
}

}  // namespace murena::ui

// The pictures are compiled into this static library; registering them from
// here keeps the linker from dropping them.
static void registerEntryPictures() { Q_INIT_RESOURCE(entry_pictures); }

namespace murena::ui {

void ensureEntryPictures() {
  static const bool registered = (registerEntryPictures(), true);
  (void)registered;
}

}  // namespace murena::ui
