#include "operations/login_operations.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "../shell/window_fixture.h"
#include "shell/system_texts.h"
#include "shell/text_codec.h"

namespace varnelle::testing {
namespace {

class LoginTest : public WindowTest {
 protected:
  MainWindow& OpenWithHandlers() {
    MainWindow& w = Open();
    login = std::make_unique<LoginOperations>(w);
    w.show();
    return w;
  }

  bool Showing(QGroupBox* panel) { return panel->isVisibleTo(window.get()); }

  std::unique_ptr<LoginOperations> login;
};

// "请核对您要设置的密码！\r\n请务必记住密码！\r\n如果忘记密码请联系作者解密！\r\nQQ:" in GBK.
const std::string kIntroBytes =
    "\xC7\xEB\xBA\xCB\xB6\xD4\xC4\xFA\xD2\xAA\xC9\xE8\xD6\xC3\xB5\xC4\xC3\xDC\xC2\xEB\xA3\xA1\r\n"
    "\xC7\xEB\xCE\xF1\xB1\xD8\xBC\xC7\xD7\xA1\xC3\xDC\xC2\xEB\xA3\xA1\r\n"
    "\xC8\xE7\xB9\xFB\xCD\xFC\xBC\xC7\xC3\xDC\xC2\xEB\xC7\xEB\xC1\xAA\xCF\xB5\xD7\xF7\xD5\xDF\xBD"
    "\xE2"
    "\xC3\xDC\xA3\xA1\r\nQQ:";
// "将设置密码为：" in GBK.
const std::string kTailBytes = "\xBD\xAB\xC9\xE8\xD6\xC3\xC3\xDC\xC2\xEB\xCE\xAA\xA3\xBA";
const std::string kContact = ToGbk(texts::kMakerContact);

TEST_F(LoginTest, SetPasswordAsksWithTheExactMessage) {
  for (const std::string password : {"", "Abc 1", "\xC3\xDC\xC2\xEB"}) {
    EXPECT_EQ(LoginOperations::SetPasswordMessage(password),
              kIntroBytes + kContact + "\r\n\r\n" + kTailBytes + password);
  }
  EXPECT_FALSE(kContact.empty());
  EXPECT_EQ(kContact.find_first_not_of("0123456789"), std::string::npos);
  // "如果忘记密码请联系作者解密！\r\n    QQ:" and the same number.
  EXPECT_EQ(
      LoginOperations::ForgotPasswordHint(),
      "\xC8\xE7\xB9\xFB\xCD\xFC\xBC\xC7\xC3\xDC\xC2\xEB\xC7\xEB\xC1\xAA\xCF\xB5\xD7\xF7\xD5\xDF"
      "\xBD\xE2\xC3\xDC\xA3\xA1\r\n    QQ:" +
          kContact);
}

TEST_F(LoginTest, CancellingTheNewPasswordChangesNothing) {
  MainWindow& w = OpenWithHandlers();
  TypeInto(w.编辑框_设置登录密码, QStringLiteral("新密码"));
  prompter.AnswerNext(false);
  QTest::mouseClick(w.按钮_确认登录密码, Qt::LeftButton);

  ASSERT_EQ(prompter.questions.size(), 1U);
  EXPECT_EQ(prompter.questions[0].caption, "\xBE\xAF\xB8\xE6\xA3\xA1");  // 警告！
  EXPECT_EQ(prompter.questions[0].message,
            LoginOperations::SetPasswordMessage(ToGbk(QStringLiteral("新密码"))));
  EXPECT_TRUE(Showing(w.分组框_设置登录密码));
  EXPECT_EQ(w.编辑框_设置登录密码->text(), QStringLiteral("新密码"));
  EXPECT_TRUE(state.settings.login_password.empty());
  EXPECT_FALSE(std::filesystem::exists(DataFile()));
}

TEST_F(LoginTest, ConfirmedPasswordOpensLoginAndIsSavedOnlyAtClose) {
  MainWindow& w = OpenWithHandlers();
  TypeInto(w.编辑框_设置登录密码, QStringLiteral("Pw 密码"));
  prompter.AnswerNext(true);
  QTest::mouseClick(w.按钮_确认登录密码, Qt::LeftButton);

  EXPECT_TRUE(Showing(w.分组框_登录));
  EXPECT_EQ(w.frameGeometry().size(), QSize(247, 123));
  EXPECT_EQ(state.settings.login_password, ToGbk(QStringLiteral("Pw 密码")));
  EXPECT_FALSE(std::filesystem::exists(DataFile()));

  w.close();
  AppSettings loaded;
  RecordTable records;
  LoadDataFile(DataFile(), loaded, records);
  EXPECT_EQ(loaded.login_password, ToGbk(QStringLiteral("Pw 密码")));
}

TEST_F(LoginTest, LoginComparesByteForByte) {
  WriteDataFile({{"p", "a", "b", ""}}, "Secret");
  MainWindow& w = OpenWithHandlers();
  const struct {
    const char* typed;
    bool admitted;
  } cases[] = {
      {"secret", false}, {"Secret ", false}, {" Secret", false}, {"", false}, {"Secret", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    w.ShowPanel(ToGbk(texts::kPanelLogin));
    TypeInto(w.编辑框_登录_密码, QString::fromUtf8(c.typed));
    notices->clear();
    QTest::mouseClick(w.按钮_登录, Qt::LeftButton);
    if (c.admitted) {
      EXPECT_TRUE(Showing(w.分组框_数据));
      EXPECT_EQ(w.frameGeometry().size(), QSize(455, 331));
      EXPECT_EQ(w.列表框_数据->count(), 1);
      EXPECT_EQ(w.编辑框_登录_密码->text(), QStringLiteral("Secret"));  // kept
      EXPECT_TRUE(Notices().isEmpty());
    } else {
      EXPECT_TRUE(Showing(w.分组框_登录));
      EXPECT_TRUE(w.编辑框_登录_密码->text().isEmpty());
      EXPECT_EQ(Notices(), QStringList{QStringLiteral("密码错误!")});
    }
  }
}

TEST_F(LoginTest, EmptyPasswordAdmitsOnlyTheEmptyBox) {
  WriteDataFile({}, "");
  MainWindow& w = OpenWithHandlers();
  TypeInto(w.编辑框_登录_密码, QStringLiteral(" "));
  QTest::mouseClick(w.按钮_登录, Qt::LeftButton);
  EXPECT_TRUE(Showing(w.分组框_登录));
  QTest::mouseClick(w.按钮_登录, Qt::LeftButton);  // the box was emptied by the refusal
  EXPECT_TRUE(Showing(w.分组框_数据));
}

TEST_F(LoginTest, EnterInThePasswordBoxDoesNotLogIn) {
  WriteDataFile({}, "pw");
  MainWindow& w = OpenWithHandlers();
  TypeInto(w.编辑框_登录_密码, QStringLiteral("pw"));
  QTest::keyClick(w.编辑框_登录_密码, Qt::Key_Return);
  QTest::keyClick(w.编辑框_登录_密码, Qt::Key_Enter);
  EXPECT_TRUE(Showing(w.分组框_登录));
}

TEST_F(LoginTest, LogoutEmptiesTheBoxAndReturnsToLogin) {
  WriteDataFile({}, "pw");
  MainWindow& w = OpenWithHandlers();
  TypeInto(w.编辑框_登录_密码, QStringLiteral("pw"));
  QTest::mouseClick(w.按钮_登录, Qt::LeftButton);
  ASSERT_TRUE(Showing(w.分组框_数据));
  const QPoint corner = w.pos();

  QTest::mouseClick(w.按钮_注销, Qt::LeftButton);
  EXPECT_TRUE(Showing(w.分组框_登录));
  EXPECT_TRUE(w.编辑框_登录_密码->text().isEmpty());
  EXPECT_EQ(w.frameGeometry().size(), QSize(247, 123));
  EXPECT_EQ(w.pos(), corner);
  EXPECT_FALSE(Notices().contains(QStringLiteral("保存数据完成！")));  // nothing saved
}

TEST_F(LoginTest, HintNeedsADoubleClick) {
  WriteDataFile({}, "pw");
  MainWindow& w = OpenWithHandlers();
  QTest::mouseClick(w.标签_提醒, Qt::LeftButton);
  EXPECT_TRUE(Notices().isEmpty());
  QTest::mouseDClick(w.标签_提醒, Qt::LeftButton);
  EXPECT_EQ(Notices(), QStringList{FromGbk(LoginOperations::ForgotPasswordHint())});
}

}  // namespace
}  // namespace varnelle::testing
