#include "operations/login_operations.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shell/main_window.h"
#include "shell/system_texts.h"
#include "shell/text_codec.h"

namespace varnelle {

LoginOperations::LoginOperations(MainWindow& window) : QObject(&window), window_(window) {
  connect(window.按钮_确认登录密码, &QPushButton::clicked, this,
          &LoginOperations::ConfirmNewPassword);
  connect(window.按钮_登录, &QPushButton::clicked, this, &LoginOperations::LogIn);
  connect(window.按钮_注销, &QPushButton::clicked, this, &LoginOperations::LogOut);
  window.标签_提醒->installEventFilter(this);
}

Text LoginOperations::SetPasswordMessage(const Text& password) {
  return ToGbk(texts::kSetPasswordIntro) + ToGbk(texts::kMakerContact) +
         ToGbk(texts::kSetPasswordTail) + password;
}

Text LoginOperations::ForgotPasswordHint() {
  return ToGbk(texts::kForgotPasswordHint) + ToGbk(texts::kMakerContact);
}

void LoginOperations::ConfirmNewPassword() {
  const Text typed = ToGbk(window_.编辑框_设置登录密码->text());
  if (!window_.Prompts().Confirm(SetPasswordMessage(typed), ToGbk(texts::kSetPasswordCaption))) {
    return;  // the panel stays, with what was typed
  }
  // No file exists on a first run, so this leaves everything empty; the password reaches the
  // file at the next save.
  window_.LoadData();
  if (window_.LoadWasFatal()) {
    window_.StopForCorruptFile();
    return;
  }
  window_.State().settings.login_password = ToGbk(window_.编辑框_设置登录密码->text());
  window_.ShowPanel(ToGbk(texts::kPanelLogin));
}

void LoginOperations::LogIn() {
  // Byte for byte: case and spaces count, and the empty password matches the empty box.
  if (ToGbk(window_.编辑框_登录_密码->text()) != window_.State().settings.login_password) {
    window_.编辑框_登录_密码->clear();
    window_.ShowNotice(ToGbk(texts::kWrongPassword));
    return;
  }
  window_.ShowPanel(ToGbk(texts::kPanelData));
}

void LoginOperations::LogOut() {
  window_.编辑框_登录_密码->clear();
  window_.ShowPanel(ToGbk(texts::kPanelLogin));
}

void LoginOperations::ShowHint() {
  window_.ShowNotice(ForgotPasswordHint());
}

bool LoginOperations::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_.标签_提醒 && event->type() == QEvent::MouseButtonDblClick) {
    ShowHint();
    return true;
  }
  return false;
}

}  // namespace varnelle
