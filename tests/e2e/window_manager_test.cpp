// The real program under a window manager (openbox), as on a person's desktop: the frame counts
// in the window's outer size, the "？" label still takes a double-click, and the panel still
// moves the window.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>

#include "program_fixture.h"

namespace varnelle::testing {
namespace {

constexpr Point kHintLabel{5 + 208 + 8, 0 + 8};
constexpr Point kLoginPanelBackground{5 + 8, 84};

class WindowManagerTest : public ProgramFixture {
 protected:
  void SetUp() override {
    ProgramFixture::SetUp();
    if (::access("/usr/bin/openbox", X_OK) != 0) GTEST_SKIP() << "openbox is not installed";
    wm_ = fork();
    if (wm_ == 0) {
      setenv("DISPLAY", display.name().c_str(), 1);
      execlp("openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr));
      _exit(127);
    }
    // Running once it owns the root window's check property.
    for (int i = 0;
         i < 100 &&
         display.Run("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") == std::string::npos;
         ++i) {
      std::this_thread::sleep_for(50ms);
    }
    WriteBytes(DataFile(), RenderDataFile(AppSettings{}, RecordTable{}));
  }
  void TearDown() override {
    if (wm_ > 0) {
      kill(wm_, SIGTERM);
      waitpid(wm_, nullptr, 0);
    }
  }

  // Left, right, top and bottom frame widths the window manager gave the window.
  std::vector<int> FrameExtents() {
    std::istringstream line(display.Run("xprop -id " + window + " _NET_FRAME_EXTENTS"));
    std::string text;
    std::getline(line, text);
    const auto equals = text.find('=');
    std::vector<int> extents;
    if (equals == std::string::npos) return extents;
    std::istringstream numbers(text.substr(equals + 1));
    std::string number;
    while (std::getline(numbers, number, ',')) extents.push_back(std::stoi(number));
    return extents;
  }

  pid_t wm_ = -1;
};

TEST_F(WindowManagerTest, FramedWindowKeepsItsOuterSizeAndBehaviour) {
  ProgramRun run(program, display);
  ASSERT_FALSE(WaitForWindow().empty());
  std::vector<int> frame;
  for (int i = 0; i < 40 && frame.size() != 4; ++i) {
    frame = FrameExtents();
    std::this_thread::sleep_for(50ms);
  }
  ASSERT_EQ(frame.size(), 4U) << "no frame extents from the window manager";
  std::this_thread::sleep_for(300ms);
  const auto client = Geometry();
  EXPECT_EQ(client.width + frame[0] + frame[1], 247);
  EXPECT_EQ(client.height + frame[2] + frame[3], 123);

  // A double-click on "？" shows the hint.
  display.Run("xdotool windowfocus --sync " + window + " mousemove --window " + window + " " +
              std::to_string(kHintLabel.x) + " " + std::to_string(kHintLabel.y) +
              " sleep 0.1 click --repeat 2 --delay 80 1");
  EXPECT_FALSE(display.WaitForWindow("提示", 3s).empty()) << "no hint after a double-click";

  // Dragging the panel moves the window through the window manager.
  display.Run("xdotool mousemove --window " + window + " " +
              std::to_string(kLoginPanelBackground.x) + " " +
              std::to_string(kLoginPanelBackground.y) +
              " sleep 0.1 mousedown 1 sleep 0.1 mousemove_relative 20 10 sleep 0.1" +
              " mousemove_relative 40 30 sleep 0.2 mouseup 1");
  std::this_thread::sleep_for(300ms);
  const auto moved = Geometry();
  EXPECT_NE(moved.x, client.x);
  EXPECT_NE(moved.y, client.y);

  display.Key(window, "Escape");
  EXPECT_EQ(run.WaitForExit(20s), 0);
}

}  // namespace
}  // namespace varnelle::testing
