#pragma once
// The Save Attributes dialog (TdlgFormat): the picture's height and width in
// inches, its pixels per inch and the colour depth of a Windows bitmap.
#include <QDialog>

#include "frontend/results/graph_files.h"

class QComboBox;
class QDoubleSpinBox;
class QSpinBox;

namespace murena::ui {

class TdlgFormat : public QDialog {
  Q_OBJECT
 public:
  explicit TdlgFormat(const SaveAttributes& initial, QWidget* parent = nullptr);
  SaveAttributes attributes() const;

  QDoubleSpinBox* heightBox() const { return height_; }
  QDoubleSpinBox* widthBox() const { return width_; }
  QSpinBox* pixelsPerInchBox() const { return ppi_; }
  QComboBox* colorDepthBox() const { return depth_; }

 private:
  QDoubleSpinBox* height_;
  QDoubleSpinBox* width_;
  QSpinBox* ppi_;
  QComboBox* depth_;
};

}  // namespace murena::ui
