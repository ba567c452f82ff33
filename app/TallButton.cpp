#include "app/TallButton.h"

#include <QPainter>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace quillora {

namespace {
constexpr int kIconSize = 40;
constexpr int kWidth = 78;
constexpr int kHeight = 76;
constexpr int kPadding = 3;
}  // namespace

TallButton::TallButton(const QString& caption, const QIcon& icon, QWidget* parent)
    : QToolButton(parent) {
  setText(caption);
  setIcon(icon);
  setIconSize(QSize(kIconSize, kIconSize));
  setToolTip(QString(caption).replace(QLatin1String("&&"), QLatin1String("&")));
  setFocusPolicy(Qt::StrongFocus);
  setAutoRaise(false);
}

QSize TallButton::sizeHint() const { return QSize(kWidth, kHeight); }

void TallButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionToolButton option;
  initStyleOption(&option);
  option.text.clear();
  option.icon = QIcon();
  painter.drawComplexControl(QStyle::CC_ToolButton, option);

  const QRect inner = rect().adjusted(kPadding, kPadding, -kPadding, -kPadding);
  const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
  const QRect iconRect(inner.center().x() - kIconSize / 2, inner.bottom() - kIconSize + 1,
                       kIconSize, kIconSize);
  icon().paint(&painter, iconRect, Qt::AlignCenter, mode);

  QString caption = text();
  caption.replace(QLatin1String("&&"), QLatin1String("&"));
  const QRect textRect(inner.left(), inner.top(), inner.width(), iconRect.top() - inner.top());
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::ButtonText));
  painter.drawText(textRect, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap, caption);
}

}  // namespace quillora
