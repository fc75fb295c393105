#include "qt/window_disposal.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPointer>
#include <QTest>

namespace {

using std::chrono::milliseconds;

// A closed window leaves the screen (at once where nothing has to settle, else once the event
// loop has run), and is deleted only once it has settled: by the event loop, or, when the
// application ends first, by the last call, which waits for it.
TEST(WindowDisposalTest, HidesAtOnceAndDeletesOnceSettled) {
  struct Case {
    milliseconds settling;
    bool loopRuns;
  };
  for (const auto& [settling, loopRuns] :
       {Case{milliseconds(0), true}, Case{milliseconds(300), true},
        Case{milliseconds(300), false}}) {
    const QPointer<QWidget> window = new QWidget();
    window->show();
    QElapsedTimer clock;
    clock.start();
    qt::DisposeWindow(*window, settling);
    EXPECT_EQ(window->isHidden(), settling.count() == 0) << settling.count();
    if (loopRuns) {
      EXPECT_TRUE(QTest::qWaitFor([&] { return window->isHidden(); })) << settling.count();
      if (settling.count() > 0) {
        QTest::qWait(static_cast<int>(settling.count() / 2));
        EXPECT_FALSE(window.isNull()) << "deleted before it settled";
      }
      EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); })) << settling.count();
    } else {
      qt::DisposeWaitingWindows();
      EXPECT_TRUE(window.isNull());
    }
    EXPECT_GE(clock.elapsed(), settling.count()) << "deleted before it settled";
  }
}

}  // namespace
