// Password setup, login and logout on the real program, with mouse and keyboard.
#include "program_fixture.h"

namespace varnelle::testing {
namespace {

using LoginFlowTest = ProgramFixture;

TEST_F(LoginFlowTest, SetPasswordThenRefuseWrongAdmitRightAndLogOut) {
  {
    ProgramRun first(program, display);
    ASSERT_FALSE(WaitForWindow().empty());
    display.Screenshot(window, "set-password");
    TypeInto(kNewPasswordBox, "Open Sesame");
    Click(kConfirmNewPassword);
    ConfirmBox("警告！");
    EXPECT_TRUE(WaitForWidth(247)) << "the login panel follows the confirmation";
    display.Key(window, "Escape");
    ASSERT_EQ(first.WaitForExit(20s), 0);
  }
  AppSettings settings;
  RecordTable records;
  LoadDataFile(DataFile(), settings, records);
  EXPECT_EQ(settings.login_password, "Open Sesame");

  ProgramRun second(program, display);
  ASSERT_FALSE(WaitForWindow().empty());
  const auto login = Geometry();
  EXPECT_EQ(login.width, 247);
  EXPECT_EQ(login.height, 123);
  display.Screenshot(window, "login");

  TypeInto(kPasswordBox, "open sesame");
  Click(kLoginButton);
  EXPECT_FALSE(WaitForWidth(455, 1s)) << "a wrong password is refused";

  TypeInto(kPasswordBox, "Open Sesame");
  display.Key(window, "Return");
  EXPECT_FALSE(WaitForWidth(455, 1s)) << "Enter does not log in";
  Click(kLoginButton);
  ASSERT_TRUE(WaitForWidth(455));
  const auto data = Geometry();
  EXPECT_EQ(data.height, 331);
  EXPECT_EQ(data.x, login.x) << "the top-left corner stays";
  EXPECT_EQ(data.y, login.y);

  Click(kLogoutButton);
  ASSERT_TRUE(WaitForWidth(247));
  const auto after = Geometry();
  EXPECT_EQ(after.height, 123);
  EXPECT_EQ(after.x, login.x);
  EXPECT_EQ(after.y, login.y);
  display.Key(window, "Escape");
  EXPECT_EQ(second.WaitForExit(20s), 0);
}

TEST_F(LoginFlowTest, ClosedWithoutPasswordNextRunLogsInWithEmptyPassword) {
  {
    ProgramRun first(program, display);
    ASSERT_FALSE(WaitForWindow().empty());
    TypeInto(kNewPasswordBox, "typed but never confirmed");
    display.Key(window, "Escape");
    ASSERT_EQ(first.WaitForExit(20s), 0);
  }
  ASSERT_TRUE(std::filesystem::exists(DataFile()));

  ProgramRun second(program, display);
  ASSERT_FALSE(WaitForWindow().empty());
  EXPECT_EQ(Geometry().width, 247);
  Click(kLoginButton);
  EXPECT_TRUE(WaitForWidth(455)) << "the empty password logs in";
  display.Key(window, "Escape");
  EXPECT_EQ(second.WaitForExit(20s), 0);
}

}  // namespace
}  // namespace varnelle::testing
