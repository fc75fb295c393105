#include "qt/top_level_windows.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QToolButton>

#include "qt/qt_message_box.h"

namespace {

using std::chrono::milliseconds;

// A window that goes leaves the screen (at once where nothing is waited for, else once the event
// loop has run), and is deleted only once it has settled: by the event loop, or, when that has
// ended, by the last call, which waits for it.
TEST(TopLevelWindowsTest, AWindowThatGoesHidesThenIsDeletedOnceSettled) {
  struct Case {
    milliseconds lastFrameWait, settling;
    bool loopRuns;
  };
  for (const auto& [wait, settling, loopRuns] :
       {Case{milliseconds(0), milliseconds(0), true},
        Case{milliseconds(500), milliseconds(300), true},
        Case{milliseconds(0), milliseconds(300), true},
        Case{milliseconds(500), milliseconds(300), false}}) {
    qt::TopLevelWindows windows(qt::Frames::Desktop, {wait, settling});
    auto* content = new QWidget();
    const QPointer<QWidget> window = content;
    windows.Adopt(*content, [] {});
    windows.Present(*content);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(content));
    QElapsedTimer clock;
    clock.start();
    windows.Dispose(*content);
    EXPECT_EQ(window->isHidden(), wait.count() == 0) << wait.count();
    EXPECT_FALSE(window->updatesEnabled()) << "draws while it goes";
    EXPECT_FALSE(window->isEnabled()) << "takes input while it goes";
    if (loopRuns) {
      EXPECT_TRUE(QTest::qWaitFor([&] { return window->isHidden(); })) << wait.count();
      if (settling.count() > 0) {
        QTest::qWait(static_cast<int>(settling.count() / 2));
        EXPECT_FALSE(window.isNull()) << "deleted before it settled";
      }
      EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); })) << settling.count();
    } else {
      windows.DeleteGoneWindows();
      EXPECT_TRUE(window.isNull());
    }
    EXPECT_GE(clock.elapsed(), settling.count()) << "deleted before it settled";
  }
}

// A close, from the desktop or the frame's button, is reported once and hides the window, which
// stays until it is disposed of; a window that goes hears nothing more, its close nor the game's.
TEST(TopLevelWindowsTest, ACloseIsReportedOnceAndAWindowThatGoesHearsNoMore) {
  for (const qt::Frames frames : {qt::Frames::Desktop, qt::Frames::Own}) {
    qt::TopLevelWindows windows(frames, {});
    QWidget content;
    int closes = 0, heard = 0;
    QObject& game = windows.Adopt(content, [&] { ++closes; });
    QObject::connect(&content, &QWidget::windowTitleChanged, &game, [&] { ++heard; });
    windows.Present(content);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(content.window()));
    if (frames == qt::Frames::Own) {
      content.window()->findChild<QToolButton*>()->click();
    } else {
      content.window()->close();
    }
    content.window()->close();
    EXPECT_EQ(closes, 1) << "closed twice";
    EXPECT_TRUE(content.window()->isHidden());
    content.setWindowTitle("a");
    windows.Dispose(content);
    content.setWindowTitle("b");
    windows.Close(content);
    EXPECT_EQ(heard, 1) << "a window that goes heard the game";
    EXPECT_EQ(closes, 1);
  }
}

// The program ends once every window has hidden and settled, with the status it was given.
TEST(TopLevelWindowsTest, TheProgramEndsOnceEveryWindowHasSettled) {
  const milliseconds settling(300);
  qt::TopLevelWindows windows(qt::Frames::Desktop, {milliseconds(500), settling});
  auto* content = new QWidget();
  const QPointer<QWidget> window = content;
  windows.Adopt(*content, [] {});
  windows.Present(*content);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(content));
  QElapsedTimer clock;
  clock.start();
  windows.QuitOnceSettled(3);
  QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });  // rather than hang
  EXPECT_EQ(QApplication::exec(), 3);
  EXPECT_GE(clock.elapsed(), settling.count());
  EXPECT_TRUE(window->isHidden());
}

// A message box is one of the program's windows: in its own frame where chosen, sized to its
// text, closed by the frame's button as by OK, and gone once answered.
TEST(TopLevelWindowsTest, AMessageBoxIsFramedAndGoesOnceAnswered) {
  for (const bool byFrame : {false, true}) {
    qt::TopLevelWindows windows(qt::Frames::Own, {});
    QPointer<QWidget> frame;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      auto* box = modal == nullptr ? nullptr : modal->findChild<QMessageBox*>();
      if (box == nullptr || !box->isVisible()) {
        return;
      }
      frame = box->window();
      EXPECT_NE(frame.data(), box);
      EXPECT_TRUE(frame->rect().contains(box->geometry())) << "the frame fits its box";
      EXPECT_GT(box->width(), 200);
      EXPECT_EQ(frame->windowModality(), Qt::ApplicationModal);
      if (byFrame) {
        frame->findChild<QToolButton*>()->click();
      } else {
        box->button(QMessageBox::Ok)->click();
      }
    });
    answer.start(10);
    qt::ShowMessage(windows, QMessageBox::NoIcon, "System Information Is Unavailable At This Time");
    answer.stop();
    ASSERT_FALSE(frame.isNull()) << "no box shown";
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.isNull(); })) << "the box stays";
  }
}

}  // namespace
