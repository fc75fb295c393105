#pragma once

#include <QDialog>
#include <QObject>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "qt/frame_choice.h"
#include "qt/wayland/wayland.h"

namespace qt {

// The one owner of the program's top-level windows: each is made, framed, closed and ended here,
// so that no kind of window slips past these rules.
// - Framed in the program's own frame where that was chosen, else in the desktop's.
// - A close, the desktop's or the frame's, is never left to Qt: it is reported once, and the
//   window hides (Qt would end the native window, maybe in the middle of a paint).
// - A window that goes hears no more of the game, takes no more input, hides once the compositor
//   has answered its last frame, and is deleted once that has settled.
// - The program ends once every window has hidden and settled.
class TopLevelWindows : public QObject {
 public:
  explicit TopLevelWindows(Frames frames, wayland::Ending ending = wayland::WindowEnding());
  ~TopLevelWindows() override;

  // Makes a widget with no parent a window of the program; `closed` hears its close. Its
  // connections to the game are made with the returned context, which is deleted as it goes.
  QObject& Adopt(QWidget& content, std::function<void()> closed);
  void Present(QWidget& content);  // shown, in front and active
  void Close(QWidget& content);    // as the frame's close button does
  void Dispose(QWidget& content);
  // Shows the box in front of all, modal to the application, until it is answered; then it goes.
  void RunModal(QDialog& box);
  // Hides every window and ends the event loop with this status once all have settled.
  void QuitOnceSettled(int status);
  // Deletes every window that goes, now, each once settled: when the event loop has ended.
  void DeleteGoneWindows();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Window;
  Window* Find(const QObject* widget);
  void Hide(Window& window);
  void Hidden(Window& window);
  void Settled(Window& window);
  void QuitIfSettled();

  const Frames frames_;
  const wayland::Ending ending_;
  std::vector<std::unique_ptr<Window>> windows_;
  std::optional<int> quitStatus_;
};

}  // namespace qt
