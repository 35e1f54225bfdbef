// Adding, modifying, deleting and copying entries on the real program, through the context menu
// and the editor, with mouse and keyboard; the clipboard is read back through the X server.
#include <gtest/gtest.h>

#include <thread>

#include "store/data_file.h"
#include "support/temp_folder.h"
#include "x_session.h"

namespace varnelle::testing {
namespace {

using namespace std::chrono_literals;

// Centres of controls in the client area; the panel shown sits at (5, 0).
struct Point {
  int x, y;
};
constexpr Point kPasswordBox{5 + 16 + 100, 24 + 12};
constexpr Point kLoginButton{5 + 16 + 100, 56 + 12};
constexpr Point kFirstLine{5 + 16 + 150, 24 + 9};
constexpr Point kListBelowLines{5 + 16 + 150, 24 + 120};
constexpr Point kPlatformBox{5 + 40 + 36, 24 + 8};
constexpr Point kAccountBox{5 + 152 + 36, 24 + 8};
constexpr Point kEntryPasswordBox{5 + 264 + 36, 24 + 8};
constexpr Point kNoteBox{5 + 40 + 148, 48 + 44};
constexpr Point kConfirmButton{5 + 248 + 44, 144 + 12};

class EntriesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    program = InstallProgramCopy(dir.path());
    AppSettings settings;
    settings.login_password = "pw";
    ASSERT_TRUE(SaveDataFile(dir.path() / DataFileName(), settings, {}, false).ok());
  }

  void Click(Point at, int button = 1) { display.Click(window, at.x, at.y, button); }

  void TypeInto(Point box, const std::string& text) {
    Click(box);
    display.Key(window, "ctrl+a BackSpace");
    if (!text.empty()) display.Type(window, text);
  }

  bool WaitForWidth(int width) {
    for (int i = 0; i < 100; ++i) {
      if (display.WindowGeometry(window).width == width) return true;
      std::this_thread::sleep_for(50ms);
    }
    return false;
  }

  // Opens the context menu with the right button and walks it with the keyboard: the keys
  // after the menu has opened, for example "Down Down Return" for the second item.
  void ChooseFromMenu(Point at, const std::string& keys) {
    Click(at, 3);
    std::this_thread::sleep_for(300ms);
    display.Run("xdotool key --delay 80 " + keys);
  }

  // Answers the confirmation box with OK (its default button).
  void ConfirmBox(const std::string& caption) {
    const std::string box = display.WaitForWindow(caption, 10s);
    ASSERT_FALSE(box.empty()) << "no confirmation box " << caption;
    display.Key(box, "Return");
  }

  void AddEntry(Point menu_at, const std::string& platform, const std::string& account,
                const std::string& password, const std::string& note_keys) {
    ChooseFromMenu(menu_at, "Down Return");  // 新增
    ASSERT_TRUE(WaitForWidth(367)) << "the editor did not open";
    TypeInto(kPlatformBox, platform);
    TypeInto(kAccountBox, account);
    TypeInto(kEntryPasswordBox, password);
    Click(kNoteBox);
    if (!note_keys.empty()) display.Run("xdotool key --delay 30 " + note_keys);
    Click(kConfirmButton);
    ConfirmBox("警告");
    ASSERT_TRUE(WaitForWidth(455)) << "the data panel did not return";
  }

  TempFolder dir;
  VirtualDisplay display;
  std::filesystem::path program;
  std::string window;
};

TEST_F(EntriesTest, AddModifyDeleteCopyAndClose) {
  ProgramRun run(program, display);
  window = display.WaitForWindow("Varnelle v0.9", 20s);
  ASSERT_FALSE(window.empty());
  TypeInto(kPasswordBox, "pw");
  Click(kLoginButton);
  ASSERT_TRUE(WaitForWidth(455)) << "login failed";

  AddEntry(kListBelowLines, "QQ", "alice", "s3cret-1", "f i r s t Return s e c o n d");
  AddEntry(kListBelowLines, "mail", "bob", "hunter2", "");
  display.Screenshot(window, "data");

  // Modify the first entry's password.
  Click(kFirstLine);
  ChooseFromMenu(kFirstLine, "Down Down Return");  // 修改
  ASSERT_TRUE(WaitForWidth(367));
  display.Screenshot(window, "editor");
  TypeInto(kEntryPasswordBox, "changed");
  Click(kConfirmButton);
  ConfirmBox("警告");
  ASSERT_TRUE(WaitForWidth(455));

  // Delete the second: select it with the keyboard; the right button does not move the
  // selection, wherever it is pressed.
  Click(kFirstLine);
  display.Key(window, "Down");
  ChooseFromMenu(kFirstLine, "Down Down Down Return");  // 删除
  ConfirmBox("警告！");
  std::this_thread::sleep_for(500ms);

  // Copy the first entry's password and read it from the X clipboard.
  Click(kFirstLine);
  ChooseFromMenu(kFirstLine, "Down Down Down Down Right");  // 复制 ▸
  display.Screenshot(window, "context-menu");
  display.Run("xdotool key --delay 80 Down Return");  // 账号, 密码
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(display.Run("xclip -o -selection clipboard"), "changed");

  display.Key(window, "Escape");
  ASSERT_EQ(run.WaitForExit(20s), 0);

  AppSettings settings;
  RecordTable records;
  const LoadResult load = LoadDataFile(dir.path() / DataFileName(), settings, records);
  EXPECT_FALSE(load.damaged);
  EXPECT_EQ(settings.login_password, "pw");
  EXPECT_EQ(records, (RecordTable{{"QQ", "alice", "changed", "first\r\nsecond"}}));
}

}  // namespace
}  // namespace varnelle::testing
