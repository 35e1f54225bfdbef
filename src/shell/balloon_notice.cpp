#include "shell/balloon_notice.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace varnelle {

namespace {
constexpr int kShadow = 2;  // drawn inside the widget, right and bottom
}

BalloonNotice::BalloonNotice()
    // Clicks pass through to whatever lies below: a notice never gets in the user's way.
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                           Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput),
      label_(new QLabel(this)) {
  setObjectName(QStringLiteral("气球提示框1"));
  setWindowTitle(QStringLiteral("提示"));  // never shown; names the window for accessibility
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_QuitOnClose, false);
  setFocusPolicy(Qt::NoFocus);

  QFont font;
  font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Verdana")});
  font.setPointSize(9);
  label_->setFont(font);
  label_->setTextFormat(Qt::PlainText);
  QPalette palette = label_->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  label_->setPalette(palette);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(8, 6, 8 + kShadow, 6 + kShadow);
  layout->addWidget(label_);

  step_timer_.setInterval(kStepMs);
  connect(&step_timer_, &QTimer::timeout, this, &BalloonNotice::Step);
  rest_timer_.setSingleShot(true);
  rest_timer_.setInterval(kRestMs);
  connect(&rest_timer_, &QTimer::timeout, this, &BalloonNotice::BeginFadeOut);
}

void BalloonNotice::Request(const QString& text, QPoint at) {
  queue_.push_back({text, at});
  switch (phase_) {
    case Phase::kHidden:
      StartNext();
      break;
    case Phase::kFadingIn:
    case Phase::kResting:
      BeginFadeOut();  // the waiting notice follows as soon as this one has gone
      break;
    case Phase::kFadingOut:
      break;
  }
}

bool BalloonNotice::IsIdle() const {
  return phase_ == Phase::kHidden && queue_.empty();
}

QString BalloonNotice::CurrentText() const {
  return phase_ == Phase::kHidden ? QString() : label_->text();
}

void BalloonNotice::StartNext() {
  if (queue_.empty()) {
    emit becameIdle();
    return;
  }
  const Pending next = queue_.front();
  queue_.pop_front();
  label_->setText(next.text);
  adjustSize();
  PlaceNear(next.at);
  transparency_ = 100;
  ApplyTransparency();
  phase_ = Phase::kFadingIn;
  show();
  step_timer_.start();
  emit noticeShown(next.text);
}

void BalloonNotice::Step() {
  if (phase_ == Phase::kFadingIn) {
    transparency_ = std::max(kRestingTransparency, transparency_ - kStepAmount);
    ApplyTransparency();
    if (transparency_ == kRestingTransparency) {
      step_timer_.stop();
      phase_ = Phase::kResting;
      rest_timer_.start();
    }
  } else if (phase_ == Phase::kFadingOut) {
    transparency_ = std::min(100, transparency_ + kStepAmount);
    ApplyTransparency();
    if (transparency_ == 100) {
      step_timer_.stop();
      phase_ = Phase::kHidden;
      hide();
      emit noticeHidden(label_->text());
      StartNext();
    }
  }
}

void BalloonNotice::BeginFadeOut() {
  rest_timer_.stop();
  phase_ = Phase::kFadingOut;
  step_timer_.start();
}

void BalloonNotice::ApplyTransparency() {
  setWindowOpacity((100 - transparency_) / 100.0);
}

void BalloonNotice::PlaceNear(QPoint at) {
  // Above and to the right of the pointer, kept on the screen that holds the point.
  QPoint top_left(at.x() - 12, at.y() - height() - 8);
  const QScreen* screen = QGuiApplication::screenAt(at);
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    const QRect area = screen->availableGeometry();
    if (top_left.y() < area.top()) top_left.setY(at.y() + 20);
    top_left.setX(
        std::clamp(top_left.x(), area.left(), std::max(area.left(), area.right() - width())));
  }
  move(top_left);
}

void BalloonNotice::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QRect body = rect().adjusted(0, 0, -kShadow - 1, -kShadow - 1);
  painter.fillRect(body.translated(kShadow, kShadow).adjusted(0, 0, 1, 1), QColor(0, 0, 0, 90));
  painter.fillRect(body, QColor(0xFF, 0xFF, 0xE1));
  painter.setPen(Qt::black);
  painter.drawRect(body);
}

}  // namespace varnelle
