#include "shell/window_mover.h"

#include <QApplication>
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
      if (mouse->button() != Qt::LeftButton) break;
      // The move starts only once the pointer has travelled, so that clicks and double-clicks
      // (the "？" label's) still reach the widget instead of the window manager.
      armed_ = true;
      dragging_ = false;
      press_at_ = mouse->globalPosition().toPoint();
      break;
    }
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (!(mouse->buttons() & Qt::LeftButton)) {
        armed_ = dragging_ = false;  // the release went elsewhere
        break;
      }
      const QPoint at = mouse->globalPosition().toPoint();
      if (armed_ && (at - press_at_).manhattanLength() >= QApplication::startDragDistance()) {
        armed_ = false;
        QWindow* handle = window_->windowHandle();
        if (handle == nullptr || !handle->startSystemMove()) {
          dragging_ = true;
          grab_offset_ = press_at_ - window_->pos();
        }
      }
      if (dragging_) window_->move(at - grab_offset_);
      break;
    }
    case QEvent::MouseButtonRelease:
      armed_ = dragging_ = false;
      break;
    default:
      break;
  }
  // Presses still reach the widget, so a double-click on a label gets to its handler.
  return false;
}

}  // namespace varnelle
