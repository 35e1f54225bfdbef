// Adding, modifying, deleting and copying entries on the real program, through the context menu
// and the editor, with mouse and keyboard; the clipboard is read back through the X server.
#include "program_fixture.h"

namespace varnelle::testing {
namespace {

class EntriesTest : public ProgramFixture {
 protected:
  void SetUp() override {
    ProgramFixture::SetUp();
    AppSettings settings;
    settings.login_password = "pw";
    ASSERT_TRUE(SaveDataFile(DataFile(), settings, {}, false).ok());
  }

  // Opens the context menu with the right button and walks it with the keyboard: the keys
  // after the menu has opened, for example "Down Down Return" for the second item.
  void ChooseFromMenu(Point at, const std::string& keys) {
    Click(at, 3);
    std::this_thread::sleep_for(300ms);
    display.Run("xdotool key --delay 80 " + keys);
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
};

TEST_F(EntriesTest, AddModifyDeleteCopyAndClose) {
  ProgramRun run(program, display);
  ASSERT_FALSE(WaitForWindow().empty());
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
  const LoadResult load = LoadDataFile(DataFile(), settings, records);
  EXPECT_FALSE(load.damaged);
  EXPECT_EQ(settings.login_password, "pw");
  EXPECT_EQ(records, (RecordTable{{"QQ", "alice", "changed", "first\r\nsecond"}}));
}

}  // namespace
}  // namespace varnelle::testing
