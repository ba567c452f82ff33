#include "app/BusyIndicator.h"

#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quillora {
namespace {

constexpr int kMaxRingSize = 145;
constexpr int kWedges = 24;

// Halves round to even, as the platform's rounding does.
int RoundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

QPoint RingPoint(int r, int k) {
  const double theta = k * 2 * std::numbers::pi / kWedges;
  return {RoundEven(40 + r * std::sin(theta)), RoundEven(40 + r * std::cos(theta))};
}

QRectF EllipseRect(QPoint corner1, QPoint corner2) {
  return QRectF(QPointF(corner1), QPointF(corner2));
}

// The screen angle of point seen from the ellipse's centre, in degrees,
// counter-clockwise from three o'clock.
double AngleOf(const QRectF& ellipse, QPoint point) {
  const QPointF d = QPointF(point) - ellipse.center();
  return std::atan2(-d.y(), d.x()) * 180 / std::numbers::pi;
}

// A pie from the radial through start counter-clockwise to the radial through
// end; equal points make the whole ellipse.
void DrawPie(QPainter& painter, const QRectF& ellipse, QPoint start, QPoint end) {
  if (start == end) {
    painter.drawEllipse(ellipse);
    return;
  }
  const double from = AngleOf(ellipse, start);
  double span = std::fmod(AngleOf(ellipse, end) - from + 360, 360);
  if (span == 0) span = 360;
  painter.drawPie(ellipse, RoundEven(from * 16), RoundEven(span * 16));
}

}  // namespace

QColor ColorFromBgr(BgrColor color) {
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

BusyPlacement BusyPlacementFor(int hostWidth, int hostHeight, int fieldsColumnHeight) {
  BusyPlacement placement;
  placement.a = std::min({hostWidth, hostHeight - fieldsColumnHeight, kMaxRingSize});
  placement.left = (hostWidth - placement.a) / 2;
  placement.top = std::max(fieldsColumnHeight, hostHeight - placement.a);
  return placement;
}

BusyWedge BusyIndicatorState::step(int a) {
  ++Piece;
  if (Piece > kWedges - 1) {
    culoare = culoare == cl1 ? cl2 : cl1;
    Piece = 0;
  }
  const int r = a - 10;
  BusyWedge wedge;
  wedge.color = culoare;
  wedge.corner1 = {10, 10};
  wedge.corner2 = {a, a};
  wedge.start = RingPoint(r, Piece);
  wedge.end = RingPoint(r, Piece + 1);
  wedge.blank1 = {25, 25};
  wedge.blank2 = {a - 15, a - 15};
  return wedge;
}

BusyIndicator::BusyIndicator(QWidget* host) : QWidget(host) {
  setObjectName(QStringLiteral("PaintBox1"));
  resize(sizeHint());
  hide();
}

QSize BusyIndicator::sizeHint() const { return {kMaxRingSize, kMaxRingSize}; }

void BusyIndicator::setColors(BgrColor cl1, BgrColor cl2) {
  state_.cl1 = cl1;
  state_.cl2 = cl2;
}

void BusyIndicator::step() {
  int a = std::min(width(), height());
  if (QWidget* host = parentWidget()) {
    const int fieldsHeight = fieldsColumn_ ? fieldsColumn_->height() : 0;
    const BusyPlacement placement = BusyPlacementFor(host->width(), host->height(), fieldsHeight);
    move(placement.left, placement.top);
    a = placement.a;
  }
  // A ring of another size is not overdrawn by the new wedges.
  if (a != pendingSize_) drawPending();
  pendingSize_ = a;
  pending_.push_back(state_.step(a));
  // Wedge n + 24 covers wedge n, so one turn of the ring is all that shows.
  if (pending_.size() > size_t(kWedges)) pending_.erase(pending_.begin());
  update();
}

void BusyIndicator::drawPending() {
  for (const BusyWedge& wedge : pending_) draw(wedge);
  pending_.clear();
}

void BusyIndicator::draw(const BusyWedge& wedge) {
  fitCanvas();
  const QColor background = palette().color(backgroundRole());
  QPainter painter(&canvas_);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(background);
  painter.setBrush(ColorFromBgr(wedge.color));
  const QRectF ring = EllipseRect(wedge.corner1, wedge.corner2);
  if (ring.isValid()) DrawPie(painter, ring, wedge.start, wedge.end);
  painter.setBrush(background);
  const QRectF blank = EllipseRect(wedge.blank1, wedge.blank2);
  if (blank.isValid()) painter.drawEllipse(blank);
}

void BusyIndicator::paintEvent(QPaintEvent*) {
  drawPending();
  QPainter painter(this);
  painter.drawImage(0, 0, canvas_);
}

void BusyIndicator::resizeEvent(QResizeEvent*) { fitCanvas(); }

// The canvas follows the widget's size and keeps what was drawn on it.
void BusyIndicator::fitCanvas() {
  if (canvas_.size() == size()) return;
  QImage grown(size(), QImage::Format_ARGB32_Premultiplied);
  grown.fill(Qt::transparent);
  QPainter painter(&grown);
  painter.drawImage(0, 0, canvas_);
  canvas_ = grown;
}

}  // namespace quillora
