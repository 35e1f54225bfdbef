#include "shell/window_mover.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace varnelle {

WindowMover::WindowMover(QWidget* window) : QObject(window), window_(window) {}

void WindowMover::Watch(QWidget* widget) {
  widget->installEventFilter(this);
}

bool WindowMover::eventFilter(QObject* /*watched*/, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      // A press a group box or label ignores reaches the window too: start only once.
      if (mouse->button() != Qt::LeftButton || mouse->timestamp() == last_press_) break;
      last_press_ = mouse->timestamp();
      QWindow* handle = window_->windowHandle();
      if (handle != nullptr && handle->startSystemMove()) break;
      dragging_ = true;
      grab_offset_ = mouse->globalPosition().toPoint() - window_->pos();
      break;
    }
    case QEvent::MouseMove:
      if (dragging_) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!(mouse->buttons() & Qt::LeftButton)) {
          dragging_ = false;  // the release went elsewhere
          break;
        }
        window_->move(mouse->globalPosition().toPoint() - grab_offset_);
      }
      break;
    case QEvent::MouseButtonRelease:
      dragging_ = false;
      break;
    default:
      break;
  }
  // Presses still reach the widget, so a double-click on a label gets to its handler.
  return false;
}

}  // namespace varnelle
