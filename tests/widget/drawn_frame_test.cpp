#include <gtest/gtest.h>

#include <QToolButton>

#include "harness.h"

namespace {

// Where the compositor draws no frames, both windows in the program's own: the form's client
// size, title and buttons (close alone), a close that is the window's own, the main window
// sizeable, and each frame gone with its window.
TEST(DrawnFrameTest, FramesBothWindowsAsTheirFormsSay) {
  StartedGame game(/*clockRunning=*/false, /*drawnFrames=*/true);
  QTest::mouseClick(const_cast<qt::LabelWidget*>(game.Window().WidgetOf(game.form.Label4)),
                    Qt::LeftButton);
  qt::AboutWindow* about = game.host.AboutWidget();
  ASSERT_NE(about, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(about->window()));
  EXPECT_EQ(QApplication::focusWidget(), &about->OkButton());

  struct Case {
    QWidget* content;
    QSize client;
    const char* title;
    bool sizeable;
  };
  for (const auto& [content, client, title, sizeable] :
       {Case{&game.Window(), {208, 400}, "Game", true},
        Case{about, {351, 150}, "About vexal", false}}) {
    QWidget* frame = content->window();
    ASSERT_NE(frame, content) << title;
    EXPECT_TRUE(frame->isVisible()) << title;
    EXPECT_EQ(content->size(), client) << title;
    EXPECT_TRUE(frame->rect().contains(content->geometry())) << title;
    EXPECT_LT(frame->height() - client.height(), 40) << title << ": a caption of a usual height";
    EXPECT_EQ(frame->windowTitle(), title);
    EXPECT_TRUE(frame->windowFlags() & Qt::FramelessWindowHint) << title;
    EXPECT_FALSE(frame->windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(frame->minimumSize() != frame->maximumSize(), sizeable) << title;
    ExpectGolden(frame->grab().toImage(),
                 QStringLiteral("framed-") + (sizeable ? "game" : "about"));
    // The edges of a sizeable window size it, and the pointer shows which way; the caption moves.
    const int right = frame->width() - 1, bottom = frame->height() - 1;
    struct Place {
      QPoint at;
      Qt::CursorShape shape;
    };
    for (const auto& [at, shape] :
         {Place{{0, 100}, Qt::SizeHorCursor}, Place{{right, 100}, Qt::SizeHorCursor},
          Place{{100, bottom}, Qt::SizeVerCursor}, Place{{100, 0}, Qt::SizeVerCursor},
          Place{{right, bottom}, Qt::SizeFDiagCursor}, Place{{0, 0}, Qt::SizeFDiagCursor},
          Place{{right, 0}, Qt::SizeBDiagCursor}, Place{{60, 15}, Qt::ArrowCursor}}) {
      QTest::mouseMove(frame, at);
      EXPECT_EQ(frame->cursor().shape(), sizeable ? shape : Qt::ArrowCursor)
          << title << " " << at.x() << "," << at.y();
    }
    frame->resize(frame->size() + QSize(40, 20));
    EXPECT_EQ(content->size(), sizeable ? client + QSize(40, 20) : client) << title;
  }

  const QPointer<QWidget> aboutFrame = about->window();
  QTest::mouseClick(aboutFrame->findChild<QToolButton*>(), Qt::LeftButton);
  EXPECT_EQ(game.game.AboutWindow(), nullptr) << "its close button unloads the About window";
  EXPECT_TRUE(aboutFrame->isHidden());
  EXPECT_TRUE(QTest::qWaitFor([&] { return aboutFrame.isNull(); })) << "the frame outlives it";
  EXPECT_TRUE(game.host.quits.empty());
  game.Window().window()->findChild<QToolButton*>()->click();
  EXPECT_EQ(game.host.quits, std::vector<int>{0})
      << "closing the main window's frame ends the game";
  EXPECT_TRUE(game.Window().window()->isHidden());
}

}  // namespace
