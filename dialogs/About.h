// The About window: the product's name, a picture and the program's version.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;

namespace quillora {

class TAbout : public QDialog {
  Q_OBJECT

 public:
  explicit TAbout(QWidget* parent = nullptr);

  // The version compiled into the program ("0.0.0.6"), empty when none is.
  static QString ReadVersion();

 private:
  void FormCreate();

  QLabel* Version_ = nullptr;
};

}  // namespace quillora
