#pragma once
// An explanatory drawing of a dialog or a table editor: an SVG resource
// shown at its natural size for the screen's resolution.
#include <QSvgRenderer>
#include <QWidget>

namespace murena::ui {

class SvgPicture : public QWidget {
  Q_OBJECT
 public:
  // `resource` is a path such as ":/entry/pictures/wall_geometry.svg";
  // `scale` enlarges or shrinks the natural size.
  explicit SvgPicture(const QString& resource, QWidget* parent = nullptr, double scale = 1.0);
  bool isValid() const { return renderer_.isValid(); }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSvgRenderer renderer_;
  double scale_;
};

// Registers the pictures of data entry (dialog pictures, help pictures).
void ensureEntryPictures();

// The resource path of a table's help picture by its name ("EarthPressure",
// "Tieback"); empty when there is none.
QString helpPictureResource(const QString& name);

}  // namespace murena::ui
