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
    EXPECT_EQ(window->updatesEnabled(), settling.count() == 0) << "draws while it waits to hide";
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

// A close that a top-level window accepted hides it, and Qt is told to keep its native window; the
// window stays until it is disposed of. A refused close, or a child's, is left as it is.
TEST(WindowDisposalTest, AnAcceptedCloseHidesTheWindowAndKeepsIt) {
  struct Case {
    bool topLevel, accepted;
  };
  for (const auto& [topLevel, accepted] :
       {Case{true, true}, Case{true, false}, Case{false, true}}) {
    QWidget parent;
    const QPointer<QWidget> window = new QWidget(topLevel ? nullptr : &parent);
    parent.show();
    window->show();
    QCloseEvent close;
    close.setAccepted(accepted);
    qt::CloseByHiding(*window, close);
    EXPECT_EQ(close.isAccepted(), accepted && !topLevel) << topLevel << accepted;
    QTest::qWait(50);
    EXPECT_EQ(window->isHidden(), topLevel && accepted) << topLevel << accepted;
    ASSERT_FALSE(window.isNull());
    delete window.data();
  }
}

}  // namespace
