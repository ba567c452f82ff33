// The busy indicator: a ring of 24 wedges, one wedge drawn per processed row,
// in a colour that changes every 24 steps (black until the first change,
// then cl1 and cl2 in turn).
//
// The geometry is computed by BusyPlacementFor and BusyIndicatorState::step,
// which need no painting. The widget draws each step's wedge onto a canvas of
// its own and paints that canvas in paintEvent, so the ring drawn so far stays
// on screen when Qt repaints the widget.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QWidget>

#include <vector>

namespace quillora {

// Colours are 0x00BBGGRR: red in the lowest byte, blue in the third.
using BgrColor = quint32;
QColor ColorFromBgr(BgrColor color);

// Where the indicator goes in its host: a ring of size a below the fields
// column, centred across the host.
struct BusyPlacement {
  int a = 0;
  int left = 0;
  int top = 0;
};
BusyPlacement BusyPlacementFor(int hostWidth, int hostHeight, int fieldsColumnHeight);

// One step's drawing: a pie wedge in the ellipse with corners corner1 and
// corner2, from the radial through start counter-clockwise to the radial
// through end, then the middle blanked by the ellipse with corners blank1 and
// blank2, which leaves a ring.
struct BusyWedge {
  BgrColor color = 0;
  QPoint corner1, corner2;
  QPoint start, end;
  QPoint blank1, blank2;
};

struct BusyIndicatorState {
  int Piece = 0;        // the wedge last drawn
  BgrColor culoare = 0;  // the colour of the wedges being drawn
  BgrColor cl1 = 0xFF0000;
  BgrColor cl2 = 0x008000;

  // Advances to the next wedge (switching colour after wedge 23) and returns
  // its drawing for a ring of size a.
  BusyWedge step(int a);
};

class BusyIndicator : public QWidget {
  Q_OBJECT

 public:
  // host is the panel the indicator moves in; it starts hidden.
  explicit BusyIndicator(QWidget* host = nullptr);

  // The column whose bottom the indicator is placed below.
  void setFieldsColumn(QWidget* fieldsColumn) { fieldsColumn_ = fieldsColumn; }
  void setColors(BgrColor cl1, BgrColor cl2);

  // Moves the indicator to its place in the host and adds the next wedge;
  // the wedges are drawn when the widget is next painted, as the steps of a
  // long command come far faster than the screen shows them.
  void step();

  const BusyIndicatorState& state() const { return state_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void draw(const BusyWedge& wedge);
  void drawPending();
  void fitCanvas();

  QWidget* fieldsColumn_ = nullptr;
  BusyIndicatorState state_;
  QImage canvas_;
  std::vector<BusyWedge> pending_;
  int pendingSize_ = -1;
};

}  // namespace quillora
