// Password setup, login and logout on the real program, with mouse and keyboard.
#include <gtest/gtest.h>

#include <thread>

#include "store/data_file.h"
#include "support/temp_folder.h"
#include "x_session.h"

namespace varnelle::testing {
namespace {

using namespace std::chrono_literals;

const std::string kTitle = "Varnelle v0.9";

// Centres of the controls in the window's client area; the panel shown sits at (5, 0).
struct Point {
  int x, y;
};
constexpr Point kNewPasswordBox{5 + 16 + 88, 24 + 12};
constexpr Point kConfirmNewPassword{5 + 32 + 72, 56 + 12};
constexpr Point kPasswordBox{5 + 16 + 100, 24 + 12};
constexpr Point kLoginButton{5 + 16 + 100, 56 + 12};
constexpr Point kLogoutButton{5 + 16 + 36, 264 + 12};

class LoginFlowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    program = InstallProgramCopy(dir.path());
  }

  std::string OpenWindow() {
    const std::string window = display.WaitForWindow(kTitle, 20s);
    EXPECT_FALSE(window.empty()) << "the window did not appear";
    return window;
  }

  void Click(const std::string& window, Point at) { display.Click(window, at.x, at.y); }

  // Types into a box after clicking it, replacing what it held.
  void TypeInto(const std::string& window, Point box, const std::string& text) {
    Click(window, box);
    display.Key(window, "ctrl+a BackSpace");
    if (!text.empty()) display.Type(window, text);
  }

  VirtualDisplay::Geometry Size(const std::string& window) {
    std::this_thread::sleep_for(200ms);
    return display.WindowGeometry(window);
  }

  LoadResult Load(AppSettings& settings, RecordTable& records) {
    return LoadDataFile(dir.path() / DataFileName(), settings, records);
  }

  TempFolder dir;
  VirtualDisplay display;
  std::filesystem::path program;
};

TEST_F(LoginFlowTest, SetPasswordThenRefuseWrongAdmitRightAndLogOut) {
  {
    ProgramRun first(program, display);
    const std::string window = OpenWindow();
    display.Screenshot(window, "set-password");
    TypeInto(window, kNewPasswordBox, "Open Sesame");
    Click(window, kConfirmNewPassword);
    const std::string box = display.WaitForWindow("警告！", 10s);
    ASSERT_FALSE(box.empty()) << "no confirmation box";
    display.Key(box, "Return");  // OK is the box's default button
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(Size(window).width, 247) << "the login panel follows the confirmation";
    display.Key(window, "Escape");
    ASSERT_EQ(first.WaitForExit(20s), 0);
  }
  AppSettings settings;
  RecordTable records;
  Load(settings, records);
  EXPECT_EQ(settings.login_password, "Open Sesame");

  ProgramRun second(program, display);
  const std::string window = OpenWindow();
  const auto login = Size(window);
  display.Screenshot(window, "login");
  EXPECT_EQ(login.width, 247);
  EXPECT_EQ(login.height, 123);

  TypeInto(window, kPasswordBox, "open sesame");
  Click(window, kLoginButton);
  EXPECT_EQ(Size(window).width, 247) << "a wrong password is refused";

  TypeInto(window, kPasswordBox, "Open Sesame");
  display.Key(window, "Return");  // Enter does not log in
  EXPECT_EQ(Size(window).width, 247);
  Click(window, kLoginButton);
  const auto data = Size(window);
  EXPECT_EQ(data.width, 455);
  EXPECT_EQ(data.height, 331);
  EXPECT_EQ(data.x, login.x) << "the top-left corner stays";
  EXPECT_EQ(data.y, login.y);

  Click(window, kLogoutButton);
  const auto after = Size(window);
  EXPECT_EQ(after.width, 247);
  EXPECT_EQ(after.height, 123);
  EXPECT_EQ(after.x, login.x);
  display.Key(window, "Escape");
  EXPECT_EQ(second.WaitForExit(20s), 0);
}

TEST_F(LoginFlowTest, ClosedWithoutPasswordNextRunLogsInWithEmptyPassword) {
  {
    ProgramRun first(program, display);
    const std::string window = OpenWindow();
    TypeInto(window, kNewPasswordBox, "typed but never confirmed");
    display.Key(window, "Escape");
    ASSERT_EQ(first.WaitForExit(20s), 0);
  }
  ASSERT_TRUE(std::filesystem::exists(dir.path() / DataFileName()));

  ProgramRun second(program, display);
  const std::string window = OpenWindow();
  EXPECT_EQ(Size(window).width, 247);
  Click(window, kLoginButton);
  EXPECT_EQ(Size(window).width, 455) << "the empty password logs in";
  display.Key(window, "Escape");
  EXPECT_EQ(second.WaitForExit(20s), 0);
}

}  // namespace
}  // namespace varnelle::testing
