#pragma once

#include <QObject>

#include "common/account_record.h"

namespace varnelle {

class MainWindow;

// The handlers around the login password: setting it on first use, logging in, logging out, and
// the forgotten-password hint on the "？" label.
class LoginOperations : public QObject {
  Q_OBJECT

 public:
  explicit LoginOperations(MainWindow& window);

  // The texts shown, built from the system's own texts (GBK).
  static Text SetPasswordMessage(const Text& password);
  static Text ForgotPasswordHint();

  void ConfirmNewPassword();
  void LogIn();
  void LogOut();
  void ShowHint();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  MainWindow& window_;
};

}  // namespace varnelle
