#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace varnelle {

// Lets the user move the window by pressing the left button on its background, a group box or
// a label, as on the title bar. Uses the platform's own move where there is one, and moves the
// window along with the pointer otherwise.
class WindowMover : public QObject {
  Q_OBJECT

 public:
  explicit WindowMover(QWidget* window);
  void Watch(QWidget* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  bool armed_ = false;     // left button down on a watched widget, not yet moved far
  bool dragging_ = false;  // moving the window along with the pointer ourselves
  QPoint press_at_;
  QPoint grab_offset_;
};

}  // namespace varnelle
