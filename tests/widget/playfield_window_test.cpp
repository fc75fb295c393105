#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "assets/pictures.h"
#include "grab_checks.h"
#include "shown_playfield.h"
#include "view/error_report.h"
#include "view/qt_conversions.h"
#include "view/timer_bridge.h"

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);

int CountPixels(const QImage& shot, const QRect& area, const QColor& colour) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      count += shot.pixelColor(x, y) == colour;
    }
  }
  return count;
}

std::vector<QRect> StatusPlaces(const ShownPlayfield& shown) {
  const playfield::Form1& form = shown.form;
  std::vector<QRect> places;
  for (const forms::Label* label :
       {&form.Label1, &form.l, &form.Label2, &form.k, &form.Label3, &form.aa}) {
    places.push_back(shown.PlaceOf(*label));
  }
  return places;
}

void ExpectNoOverlap(const std::vector<QRect>& places, const char* when) {
  for (std::size_t i = 0; i < places.size(); ++i) {
    EXPECT_LE(places[i].right(), 207) << when << ": label " << i << " leaves the window";
    for (std::size_t j = i + 1; j < places.size(); ++j) {
      EXPECT_FALSE(places[i].intersects(places[j])) << when << ": labels " << i << " and " << j;
    }
  }
}

TEST(PlayfieldWindowTest, CaptionClientSizeAndFrame) {
  ShownPlayfield shown;
  EXPECT_EQ(shown.window.windowTitle(), "Game");
  EXPECT_EQ(shown.window.size(), QSize(208, 400));
  const Qt::WindowFlags flags = shown.window.windowFlags();
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_NE(shown.window.minimumSize(), shown.window.maximumSize()) << "the frame is sizeable";
  EXPECT_FALSE(shown.window.windowIcon().isNull());
}

TEST(PlayfieldWindowTest, DrawsTheFieldAtItsTellingPixels) {
  ShownPlayfield shown;
  const QImage shot = shown.Grab();
  ASSERT_EQ(shot.size(), QSize(208, 400));
  struct Case {
    int x, y;
    QColor colour;
  };
  for (const Case& test : std::vector<Case>{{5, 5, kBlack},
                                            {0, 336, kWhite},
                                            {104, 336, kWhite},
                                            {207, 336, kWhite},
                                            {150, 335, kBlack},
                                            {150, 337, kBlack},
                                            {71, 330, kBlack},
                                            {110, 330, kBlack}}) {
    EXPECT_EQ(shot.pixelColor(test.x, test.y).name().toStdString(),
              test.colour.name().toStdString())
        << test.x << "," << test.y;
  }
  EXPECT_EQ(CountPixels(shot, QRect(0, 336, 208, 1), kWhite), 208);
  ExpectPictureAt(shot, assets::Cannon(), {72, 312}, "cannon");
  for (const int i : {0, 1, 2}) {
    ExpectPictureAt(shot, assets::OvalTarget(), {90 * i, 232}, "oval");
  }
  for (const int i : {0, 1}) {
    ExpectPictureAt(shot, assets::SquareTarget(), {32 + 90 * i, 200}, "square");
  }
  EXPECT_EQ(CountPixels(shot, QRect(0, 0, 208, 336), kYellow), 0);
  EXPECT_GT(CountPixels(shot, QRect(0, 368, 208, 32), kYellow), 200) << "the About caption";
}

TEST(PlayfieldWindowTest, StatusLabelsNeverOverlap) {
  ShownPlayfield shown;
  ExpectNoOverlap(StatusPlaces(shown), "at start");
  for (forms::Label* counter : {&shown.form.l, &shown.form.k, &shown.form.aa}) {
    counter->SetCaption("99999");
  }
  shown.window.ShowModel();
  ExpectNoOverlap(StatusPlaces(shown), "at five digits");
}

TEST(PlayfieldWindowTest, AGrowingCounterWidensToTheRightAlone) {
  ShownPlayfield shown;
  shown.form.l.SetCaption("9");
  shown.window.ShowModel();
  const QRect before = shown.PlaceOf(shown.form.l);
  const std::vector<QRect> othersBefore = StatusPlaces(shown);

  shown.form.l.SetCaption("10");
  shown.window.ShowModel();
  const QRect after = shown.PlaceOf(shown.form.l);
  EXPECT_EQ(after.left(), before.left());
  EXPECT_EQ(after.top(), before.top());
  EXPECT_GT(after.width(), before.width());
  const std::vector<QRect> othersAfter = StatusPlaces(shown);
  for (std::size_t i = 0; i < othersAfter.size(); ++i) {
    if (i != 1) {
      EXPECT_EQ(othersAfter[i], othersBefore[i]) << "label " << i;
    }
  }
}

TEST(PlayfieldWindowTest, ALargerWindowShowsMoreFieldAndMovesNothing) {
  ShownPlayfield shown;
  const QRect about = shown.PlaceOf(shown.form.Label4);
  shown.window.resize(400, 600);
  const QImage shot = shown.Grab();
  ASSERT_EQ(shot.size(), QSize(400, 600));
  ExpectPictureAt(shot, assets::Cannon(), {72, 312}, "cannon");
  EXPECT_EQ(shot.pixelColor(300, 500), kBlack);
  EXPECT_EQ(shot.pixelColor(300, 336), kBlack) << "the ground line keeps its length";
  EXPECT_EQ(shown.PlaceOf(shown.form.Label4), about);
}

TEST(PlayfieldWindowTest, LabelsAreTextToAssistiveTechnology) {
  ShownPlayfield shown;
  for (const forms::Label* label : shown.form.Labels()) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(
        const_cast<view::LabelWidget*>(shown.window.WidgetOf(*label)));
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name).toStdString(), label->Caption());
  }
}

TEST(TimerBridgeTest, FollowsTheModelIntervalAndDeliversTicks) {
  forms::Timer timer(1);
  int ticks = 0;
  view::TimerBridge bridge(timer, [&] { ++ticks; });
  EXPECT_TRUE(bridge.Active());
  EXPECT_EQ(bridge.PeriodMs(), view::TimerBridge::kShortestPeriodMs);
  for (int waited = 0; ticks < 3 && waited < 2000; waited += 5) {
    QTest::qWait(5);
  }
  EXPECT_GE(ticks, 3);
  timer.SetInterval(0);
  EXPECT_FALSE(bridge.Active());
  const int stoppedAt = ticks;
  QTest::qWait(60);
  EXPECT_EQ(ticks, stoppedAt);
  timer.SetInterval(100);
  EXPECT_EQ(bridge.PeriodMs(), 100) << "intervals longer than the shortest period are kept";
}

}  // namespace

namespace {

TEST(ErrorReportTest, NamesTheErrorInABoxTitledWithTheApplication) {
  QString title;
  QString text;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    box->button(QMessageBox::Ok)->click();
  });
  view::ReportAndQuit(forms::errors::ElementDoesNotExist(3));
  EXPECT_EQ(title, "vexal");
  EXPECT_EQ(text, "Run-time error '340':\n\nControl array element '3' doesn't exist");
}

}  // namespace
