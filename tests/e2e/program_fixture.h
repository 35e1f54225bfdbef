#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "store/data_file.h"
#include "support/temp_folder.h"
#include "x_session.h"

namespace varnelle::testing {

using namespace std::chrono_literals;

inline const std::string kTitle = "Varnelle v0.9";

// Centres of the controls in the window's client area; the panel shown sits at (5, 0).
struct Point {
  int x, y;
};
constexpr Point kNewPasswordBox{5 + 16 + 88, 24 + 12};
constexpr Point kConfirmNewPassword{5 + 32 + 72, 56 + 12};
constexpr Point kPasswordBox{5 + 16 + 100, 24 + 12};
constexpr Point kLoginButton{5 + 16 + 100, 56 + 12};
constexpr Point kLogoutButton{5 + 16 + 36, 264 + 12};
constexpr Point kFirstLine{5 + 16 + 150, 24 + 9};
constexpr Point kListBelowLines{5 + 16 + 150, 24 + 120};
constexpr Point kPlatformBox{5 + 40 + 36, 24 + 8};
constexpr Point kAccountBox{5 + 152 + 36, 24 + 8};
constexpr Point kEntryPasswordBox{5 + 264 + 36, 24 + 8};
constexpr Point kNoteBox{5 + 40 + 148, 48 + 44};
constexpr Point kConfirmButton{5 + 248 + 44, 144 + 12};

// A copy of the built program in a temporary folder, a virtual X server, and the mouse and
// keyboard of a person using the program's window.
class ProgramFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    program = InstallProgramCopy(dir.path());
  }

  std::filesystem::path DataFile() const { return dir.path() / DataFileName(); }

  // Waits for the program's window and remembers it; empty when it did not appear.
  std::string WaitForWindow() {
    window = display.WaitForWindow(kTitle, 20s);
    EXPECT_FALSE(window.empty()) << "the window did not appear";
    return window;
  }

  void Click(Point at, int button = 1) { display.Click(window, at.x, at.y, button); }

  // Clicks a box and types into it, replacing what it held.
  void TypeInto(Point box, const std::string& text) {
    Click(box);
    display.Key(window, "ctrl+a BackSpace");
    if (!text.empty()) display.Type(window, text);
  }

  VirtualDisplay::Geometry Geometry() { return display.WindowGeometry(window); }

  // Waits until the window has taken a panel's width; false if it has not within `limit`.
  bool WaitForWidth(int width, std::chrono::milliseconds limit = 5s) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (Geometry().width != width) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(50ms);
    }
    return true;
  }

  // Answers a confirmation box with OK, its default button.
  void ConfirmBox(const std::string& caption) {
    const std::string box = display.WaitForWindow(caption, 10s);
    ASSERT_FALSE(box.empty()) << "no confirmation box " << caption;
    display.Key(box, "Return");
  }

  TempFolder dir;
  VirtualDisplay display;
  std::filesystem::path program;
  std::string window;
};

}  // namespace varnelle::testing
