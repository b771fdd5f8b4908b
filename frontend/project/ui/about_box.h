#pragma once
// Help, About: the program's name, version and purpose.
#include <QDialog>

namespace murena {

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);
};

}  // namespace murena
