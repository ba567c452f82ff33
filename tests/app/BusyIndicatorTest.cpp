#include "app/BusyIndicator.h"

#include <QImage>

#include <gtest/gtest.h>

namespace quillora {
namespace {

constexpr BgrColor kBlack = 0x000000;
constexpr BgrColor kBlue = 0xFF0000;
constexpr BgrColor kGreen = 0x008000;

TEST(BusyColorTest, ColoursAreBlueGreenRedFromTheHighByteDown) {
  EXPECT_EQ(ColorFromBgr(kBlue), QColor(0, 0, 255));
  EXPECT_EQ(ColorFromBgr(kGreen), QColor(0, 128, 0));
  EXPECT_EQ(ColorFromBgr(0x0000FF), QColor(255, 0, 0));
  EXPECT_EQ(ColorFromBgr(0x123456), QColor(0x56, 0x34, 0x12));
}

struct StepCase {
  int step;
  int piece;
  BgrColor color;
};

TEST(BusyStepTest, BlackUntilTheFirstWrapThenBlueAndGreenInTurn) {
  const StepCase cases[] = {
      {1, 1, kBlack}, {23, 23, kBlack}, {24, 0, kBlue},  {25, 1, kBlue},
      {47, 23, kBlue}, {48, 0, kGreen}, {71, 23, kGreen}, {72, 0, kBlue},
  };
  BusyIndicatorState state;
  int done = 0;
  for (const StepCase& c : cases) {
    SCOPED_TRACE(c.step);
    BusyWedge wedge;
    while (done < c.step) {
      wedge = state.step(145);
      ++done;
    }
    EXPECT_EQ(state.Piece, c.piece);
    EXPECT_EQ(wedge.color, c.color);
    EXPECT_EQ(state.culoare, c.color);
  }
}

TEST(BusyStepTest, WedgeZeroOfTheFullSizeRing) {
  BusyIndicatorState state;
  state.Piece = 23;
  const BusyWedge wedge = state.step(145);
  EXPECT_EQ(wedge.corner1, QPoint(10, 10));
  EXPECT_EQ(wedge.corner2, QPoint(145, 145));
  // r = 135: (40 + 135 sin 0, 40 + 135 cos 0) and 15 degrees on.
  EXPECT_EQ(wedge.start, QPoint(40, 175));
  EXPECT_EQ(wedge.end, QPoint(75, 170));
  EXPECT_EQ(wedge.blank1, QPoint(25, 25));
  EXPECT_EQ(wedge.blank2, QPoint(130, 130));
}

TEST(BusyStepTest, QuarterTurnPointsOfASmallRing) {
  BusyIndicatorState state;
  state.Piece = 5;  // the step draws wedge 6, from 90 to 105 degrees
  const BusyWedge wedge = state.step(50);
  EXPECT_EQ(wedge.start, QPoint(80, 40));
  EXPECT_EQ(wedge.end, QPoint(79, 30));
}

struct PlacementCase {
  int hostWidth, hostHeight, fieldsHeight;
  BusyPlacement expected;
};

TEST(BusyPlacementTest, RingGoesBelowTheFieldsColumn) {
  const PlacementCase cases[] = {
      // 300 wide, 200 free below the column: a = 145, left 77, top = height - 145.
      {300, 500, 300, {145, 77, 355}},
      {300, 260, 60, {145, 77, 115}},
      {300, 150, 50, {100, 100, 50}},  // less room than 145 below the column
      {120, 500, 100, {120, 0, 380}},  // narrower host than free height
      {291, 300, 300, {0, 145, 300}},  // the column fills the host: nothing shows
      {291, 300, 350, {-50, 170, 350}},  // no lower bound on a
  };
  for (const PlacementCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.hostWidth << "x" << c.hostHeight << " / " << c.fieldsHeight);
    const BusyPlacement p = BusyPlacementFor(c.hostWidth, c.hostHeight, c.fieldsHeight);
    EXPECT_EQ(p.a, c.expected.a);
    EXPECT_EQ(p.left, c.expected.left);
    EXPECT_EQ(p.top, c.expected.top);
  }
}

// The widget in a host with its fields column: it moves below the column,
// and the wedges it drew stay painted whenever it is repainted.
TEST(BusyIndicatorWidgetTest, StepsMoveItAndTheRingPersists) {
  QWidget host;
  host.resize(300, 500);
  QWidget fields(&host);
  fields.setGeometry(0, 0, 300, 300);
  BusyIndicator indicator(&host);
  indicator.setFieldsColumn(&fields);
  EXPECT_EQ(indicator.objectName(), "PaintBox1");
  EXPECT_FALSE(indicator.isVisibleTo(&host));
  EXPECT_EQ(indicator.sizeHint(), QSize(145, 145));
  indicator.show();
  host.show();

  for (int i = 0; i < 24; ++i) indicator.step();
  EXPECT_EQ(indicator.pos(), QPoint(77, 355));

  // Wedge 0 runs from the radial through (40, 175) to the one through
  // (75, 170), seen from the centre (77.5, 77.5): the ring below left of
  // the bottom. (66, 136) lies inside it, (77, 77) in the blanked middle.
  const QColor blue = ColorFromBgr(kBlue);
  const QColor wedgeZero = indicator.grab().toImage().pixelColor(66, 136);
  EXPECT_EQ(wedgeZero.rgb(), blue.rgb());
  indicator.repaint();
  EXPECT_EQ(indicator.grab().toImage().pixelColor(66, 136).rgb(), blue.rgb());
  EXPECT_NE(indicator.grab().toImage().pixelColor(77, 77).rgb(), blue.rgb());
}

}  // namespace
}  // namespace quillora
