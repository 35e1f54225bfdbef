#pragma once

#include <QPoint>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <deque>

class QLabel;

namespace varnelle {

// A short notice at a screen point: fades in, rests a second, fades out, with no action needed
// from the user. It never takes the focus. A notice requested while another is showing waits
// until that one has faded out, so notices are seen one after the other.
class BalloonNotice : public QWidget {
  Q_OBJECT

 public:
  // Transparency on a scale of 0 (opaque) to 100 (invisible).
  static constexpr int kStepMs = 50;
  static constexpr int kStepAmount = 20;
  static constexpr int kRestingTransparency = 10;
  static constexpr int kRestMs = 1000;

  BalloonNotice();

  void Request(const QString& text, QPoint at);

  // True when nothing is shown and nothing waits.
  bool IsIdle() const;
  QString CurrentText() const;
  int Transparency() const { return transparency_; }

 signals:
  void noticeShown(const QString& text);
  void noticeHidden(const QString& text);
  void becameIdle();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  enum class Phase { kHidden, kFadingIn, kResting, kFadingOut };

  void StartNext();
  void Step();
  void BeginFadeOut();
  void ApplyTransparency();
  void PlaceNear(QPoint at);

  struct Pending {
    QString text;
    QPoint at;
  };

  QLabel* label_;
  QTimer step_timer_;
  QTimer rest_timer_;
  Phase phase_ = Phase::kHidden;
  int transparency_ = 100;
  std::deque<Pending> queue_;
};

}  // namespace varnelle
