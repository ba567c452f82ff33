// A command strip button with its icon at the bottom and its caption
// word-wrapped above it, as the tall buttons of the main window are drawn.
#pragma once

#include <QToolButton>

namespace quillora {

class TallButton : public QToolButton {
  Q_OBJECT
 public:
  TallButton(const QString& caption, const QIcon& icon, QWidget* parent = nullptr);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace quillora
