#include "shell/confirm_seam.h"

#include <QAbstractButton>
#include <QIcon>
#include <QMessageBox>
#include <chrono>
#include <thread>

#include "shell/text_codec.h"

namespace varnelle {

bool MessageBoxPrompter::Confirm(const Text& message, const Text& caption) {
  QMessageBox box(QMessageBox::NoIcon, ForScreen(caption), ForScreen(message),
                  QMessageBox::Ok | QMessageBox::Cancel);
  box.setObjectName(QStringLiteral("确认框"));
  box.setWindowModality(Qt::ApplicationModal);
  box.setEscapeButton(QMessageBox::Cancel);
  box.setDefaultButton(QMessageBox::Ok);
  // Plain buttons, as on the system's own message boxes.
  for (QAbstractButton* button : box.buttons()) button->setIcon(QIcon());
  return box.exec() == QMessageBox::Ok;
}

void MessageBoxPrompter::Pause(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace varnelle
