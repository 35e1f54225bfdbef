// The built program, run as its own process on a virtual X server and used through the
// keyboard as a person would; its data file is checked byte for byte.
#include "program_fixture.h"
#include "seal/seal_text.h"

namespace varnelle::testing {
namespace {

class ProgramTest : public ProgramFixture {
 protected:
  // Starts the program, checks the first window's size, closes it with Esc.
  void RunAndCloseWithEsc(int expected_width, int expected_height) {
    ProgramRun run(program, display);
    ASSERT_FALSE(WaitForWindow().empty());
    EXPECT_EQ(Geometry().width, expected_width);
    EXPECT_EQ(Geometry().height, expected_height);
    display.Key(window, "Escape");
    EXPECT_EQ(run.WaitForExit(20s), 0);
  }
};

TEST_F(ProgramTest, FirstRunWritesTheFileAndTheSecondReadsItBack) {
  RunAndCloseWithEsc(223, 123);  // set-password panel
  ASSERT_TRUE(std::filesystem::exists(DataFile()));
  const std::string first = ReadBytes(DataFile());
  EXPECT_EQ(first, RenderDataFile(AppSettings{}, RecordTable{}));

  RunAndCloseWithEsc(247, 123);  // login panel
  EXPECT_EQ(ReadBytes(DataFile()), first);
}

TEST_F(ProgramTest, EntriesSurviveARunByteForByte) {
  AppSettings settings;
  settings.count = 3;
  settings.login_password = "\xC3\xDC\xC2\xEB pw";  // 密码 pw
  const RecordTable records = {
      {"QQ", "alice", "p-w=1", "line one\r\nline two"},
      {"", "", "", ""},
      {"\xCA\xFD\xBE\xDD", "\x94\x39\xFC\x36", "-", std::string(20000, 'n')},
  };
  ASSERT_TRUE(SaveDataFile(DataFile(), settings, records, false).ok());
  const std::string before = ReadBytes(DataFile());

  RunAndCloseWithEsc(247, 123);
  EXPECT_EQ(ReadBytes(DataFile()), before);
}

TEST_F(ProgramTest, NegativeCountStopsWithAMessageAndWritesNothing) {
  const std::string corrupt = "[\xC5\xE4\xD6\xC3]\r\n\xCF\xEE\xC4\xBF\xCA\xFD=" + SealText("-1") +
                              "\r\nlogin=" + SealText("pw") + "\r\n";
  WriteBytes(DataFile(), corrupt);

  ProgramRun run(program, display);
  const std::string box = display.WaitForWindow("数据文件损坏", 20s);
  ASSERT_FALSE(box.empty()) << "no message about the corrupt file";
  EXPECT_TRUE(display.Run("xdotool search --onlyvisible --name '^" + kTitle + "$'").empty());
  display.Run("xdotool windowfocus --sync " + box + " key Return");
  const auto status = run.WaitForExit(20s);
  ASSERT_TRUE(status.has_value());
  EXPECT_NE(*status, 0);
  EXPECT_EQ(ReadBytes(DataFile()), corrupt);
}

TEST_F(ProgramTest, AFailedSaveAtCloseIsReportedNotHidden) {
  std::filesystem::create_directory(DataFile());  // a folder where the file belongs
  ProgramRun run(program, display);
  ASSERT_FALSE(WaitForWindow().empty());
  display.Key(window, "Escape");
  // The program stays until the failure notice has been seen, then ends with a failure status.
  EXPECT_EQ(run.WaitForExit(20s), 1);
  EXPECT_TRUE(std::filesystem::is_directory(DataFile()));
}

TEST_F(ProgramTest, TheCopyOfADamagedFileIsAnnouncedBeforeTheProgramEnds) {
  // A record count that is there but does not unseal.
  const std::string damaged = "[\xC5\xE4\xD6\xC3]\r\n\xCF\xEE\xC4\xBF\xCA\xFD=0123456789ABCDEF\r\n";
  WriteBytes(DataFile(), damaged);
  ProgramRun run(program, display);
  ASSERT_FALSE(WaitForWindow().empty());
  display.Key(window, "Escape");
  EXPECT_FALSE(display.WaitForWindow("提示", 3s).empty()) << "the notice did not show";
  EXPECT_EQ(run.WaitForExit(20s), 0);

  int copies = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    if (entry.path().filename().u8string().find(u8"损坏备份") == std::u8string::npos) continue;
    ++copies;
    EXPECT_EQ(ReadBytes(entry.path()), damaged);
  }
  EXPECT_EQ(copies, 1);
  EXPECT_EQ(ReadBytes(DataFile()), RenderDataFile(AppSettings{}, RecordTable{}));
}

TEST_F(ProgramTest, DraggingThePanelMovesTheWindow) {
  WriteBytes(DataFile(), RenderDataFile(AppSettings{}, RecordTable{}));
  ProgramRun run(program, display);
  ASSERT_FALSE(WaitForWindow().empty());
  const auto before = display.WindowGeometry(window);
  // Press on the login panel's background, below its button, and drag.
  display.Run("xdotool mousemove " + std::to_string(before.x + 12) + " " +
              std::to_string(before.y + 84) + " sleep 0.1 mousedown 1 sleep 0.1" +
              " mousemove_relative 10 5 sleep 0.1 mousemove_relative 30 20 sleep 0.1 mouseup 1");
  const auto after = display.WindowGeometry(window);
  EXPECT_EQ(after.x, before.x + 40);
  EXPECT_EQ(after.y, before.y + 25);
  EXPECT_EQ(after.width, before.width);
  display.Key(window, "Escape");
  EXPECT_EQ(run.WaitForExit(20s), 0);
}

}  // namespace
}  // namespace varnelle::testing
