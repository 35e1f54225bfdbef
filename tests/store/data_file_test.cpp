#include "store/data_file.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "seal/seal_text.h"
#include "support/temp_folder.h"

namespace varnelle {
namespace {

using testing::HexBytes;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// The names of the data file, from their GBK bytes.
const std::string kSettingsSection = HexBytes("C5 E4 D6 C3");         // 配置
const std::string kVersionKey = HexBytes("C8 ED BC FE B0 E6 B1 BE");  // 软件版本
const std::string kCountKey = HexBytes("CF EE C4 BF CA FD");          // 项目数
const std::string kFtpKeys[] = {
    HexBytes("66 74 70 B5 D8 D6 B7"),  // ftp地址
    HexBytes("66 74 70 B6 CB BF DA"),  // ftp端口
    HexBytes("66 74 70 D5 CB BA C5"),  // ftp账号
    HexBytes("66 74 70 C3 DC C2 EB"),  // ftp密码
};
const std::string kRecordSection = HexBytes("BC C7 C2 BC");  // 记录

using KeyValues = std::vector<std::pair<std::string, std::string>>;

// A data file put together line by line, for contents a save would never write.
std::string DataFileText(std::string_view count_value, std::string_view login_value,
                         const KeyValues& records) {
  std::string text = "[" + kSettingsSection + "]\r\n";
  text += kVersionKey + "=0.9\r\n";
  text += kCountKey + "=" + std::string(count_value) + "\r\n";
  text += "login=" + std::string(login_value) + "\r\n";
  for (const std::string& key : kFtpKeys) text += key + "=\r\n";
  if (!records.empty()) {
    text += "[" + kRecordSection + "]\r\n";
    for (const auto& [key, value] : records) text += key + "=" + value + "\r\n";
  }
  return text;
}

// State a load must overwrite.
AppSettings StaleSettings() {
  AppSettings settings;
  settings.count = 7;
  settings.login_password = "stale";
  settings.ftp_address = "kept";
  return settings;
}
RecordTable StaleTable() {
  return {{"stale", "stale", "stale", "stale"}};
}

TEST(DataFileTest, NameIsDataIniInUtf8) {
  EXPECT_EQ(DataFileName().native(), "\xE6\x95\xB0\xE6\x8D\xAE.ini");
}

TEST(DataFileTest, WritesTheExactLayout) {
  const std::string settings_lines =
      "[" + kSettingsSection + "]\r\n" + kVersionKey + "=0.9\r\n" + kCountKey + "=";
  const std::string ftp_lines =
      kFtpKeys[0] + "=\r\n" + kFtpKeys[1] + "=\r\n" + kFtpKeys[2] + "=\r\n" + kFtpKeys[3] + "=\r\n";
  const struct {
    const char* name;
    RecordTable table;
    std::string expected;
  } cases[] = {
      {"no records",
       {},
       settings_lines + SealText("0") + "\r\nlogin=" + SealText("pw") + "\r\n" + ftp_lines},
      {"two records",
       {{"a", "b", "c", "d"}, {"\xC5\xE4", "", "y", ""}},
       settings_lines + SealText("2") + "\r\nlogin=" + SealText("pw") + "\r\n" + ftp_lines + "[" +
           kRecordSection + "]\r\n1=" + SealText("a-b-c-d") + "\r\n2=" + SealText("\xC5\xE4--y-") +
           "\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    AppSettings settings;
    settings.count = static_cast<std::int32_t>(c.table.size());
    settings.login_password = "pw";
    settings.ftp_address = "the FTP texts are always written empty";
    settings.ftp_password = "x";
    TempFolder folder;
    const std::filesystem::path path = folder / DataFileName();
    EXPECT_EQ(RenderDataFile(settings, c.table), c.expected);
    ASSERT_TRUE(SaveDataFile(path, settings, c.table, false).ok());
    EXPECT_EQ(ReadBytes(path), c.expected);
    EXPECT_EQ(folder.Entries(), std::vector<std::filesystem::path>{DataFileName()});
  }
}

TEST(DataFileTest, LoadGivesBackWhatWasSavedAndSavingAgainChangesNoByte) {
  const std::string long_note = std::string(20000, 'N') + "-" + std::string(500, '\xB0');
  const RecordTable table = {
      {"\xC5\xE4\xD6\xC3", "\xB5\xD8\xD6\xB7", "\xC3\xDC\xC2\xEB", "\xBC\xC7\xC2\xBC"},
      {"\x90\x30\x81\x30", "a\x95\x32\x82\x36-", "p", "n"},
      {"a=b", "[s]", "=", "line one\r\nline two\r\n"},
      {"-", "a-b", "-x-", "--"},
      {"site", "", "", long_note},
      {"", "", "", ""},
      {"p", "", "secret", ""},
  };
  AppSettings saved;
  saved.count = static_cast<std::int32_t>(table.size());
  saved.login_password = "pass-word " + std::string(20000, 'L');

  TempFolder folder;
  const std::filesystem::path path = folder / DataFileName();
  ASSERT_TRUE(SaveDataFile(path, saved, table, false).ok());
  const std::string first_bytes = ReadBytes(path);

  AppSettings loaded = StaleSettings();
  RecordTable loaded_table = StaleTable();
  const LoadResult result = LoadDataFile(path, loaded, loaded_table);
  EXPECT_FALSE(result.damaged);
  EXPECT_FALSE(result.negative_count);
  EXPECT_EQ(loaded.count, saved.count);
  EXPECT_EQ(loaded.login_password, saved.login_password);
  EXPECT_EQ(loaded.ftp_address, "kept");
  EXPECT_EQ(loaded_table, table);

  ASSERT_TRUE(SaveDataFile(path, loaded, loaded_table, false).ok());
  EXPECT_EQ(ReadBytes(path), first_bytes);
}

TEST(DataFileTest, NoFileAndAFolderInItsPlaceReadAsEmpty) {
  for (const bool folder_in_place : {false, true}) {
    SCOPED_TRACE(folder_in_place ? "folder" : "no file");
    TempFolder folder;
    const std::filesystem::path path = folder / DataFileName();
    if (folder_in_place) std::filesystem::create_directory(path);
    AppSettings settings = StaleSettings();
    RecordTable table = StaleTable();
    const LoadResult result = LoadDataFile(path, settings, table);
    EXPECT_FALSE(result.damaged);
    EXPECT_FALSE(result.negative_count);
    EXPECT_EQ(settings.count, 0);
    EXPECT_EQ(settings.login_password, "");
    EXPECT_TRUE(table.empty());
  }
}

TEST(DataFileTest, ReportsWhatItCouldNotReadAndKeepsACopyOnTheNextSave) {
  const std::string r1 = SealText("a-b-c-d");
  const std::string r3 = SealText("e-f-g-h");
  const AccountRecord record1{"a", "b", "c", "d"};
  const AccountRecord record3{"e", "f", "g", "h"};
  const std::string not_sealed = "ABC";
  const struct {
    const char* name;
    std::string file;
    std::int32_t count;
    Text login;
    RecordTable table;
    bool damaged;
  } cases[] = {
      {"count does not unseal",
       DataFileText(not_sealed, SealText("pw"), {{"1", r1}}),
       0,
       "pw",
       {},
       true},
      {"login does not unseal",
       DataFileText(SealText("1"), not_sealed, {{"1", r1}}),
       1,
       "",
       {record1},
       true},
      {"record does not unseal",
       DataFileText(SealText("3"), SealText("pw"), {{"1", r1}, {"2", not_sealed}, {"3", r3}}),
       3,
       "pw",
       {record1, {}, record3},
       true},
      {"count far beyond the lines",
       DataFileText(SealText("2000000000"), SealText("pw"), {{"1", r1}, {"2", r3}}),
       2,
       "pw",
       {record1, record3},
       true},
      {"count beyond the lines, keeping records up to the highest number written",
       DataFileText(SealText("1000000"), SealText("pw"),
                    {{"1", r1}, {"3", r3}, {"07", r1}, {"+5", r1}, {"0", r1}, {"4000000", r1}}),
       3,
       "pw",
       {record1, {}, record3},
       true},
      {"records without a count", DataFileText("", SealText("pw"), {{"1", r1}}), 0, "pw", {}, true},
      {"empty values are not damage", DataFileText("", "", {}), 0, "", {}, false},
      {"a missing record key is not damage",
       DataFileText(SealText("3"), SealText("pw"), {{"1", r1}, {"3", r3}}),
       3,
       "pw",
       {record1, {}, record3},
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::filesystem::path path = folder / DataFileName();
    WriteBytes(path, c.file);

    AppSettings settings = StaleSettings();
    RecordTable table = StaleTable();
    const LoadResult result = LoadDataFile(path, settings, table);
    EXPECT_EQ(result.damaged, c.damaged);
    EXPECT_FALSE(result.negative_count);
    EXPECT_EQ(settings.count, c.count);
    EXPECT_EQ(settings.login_password, c.login);
    EXPECT_EQ(table, c.table);
    EXPECT_LT(table.capacity(), 64u);
    if (!c.damaged) continue;

    const SaveResult saved = SaveDataFile(path, settings, table, true);
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved.backup.parent_path(), folder.path());
    const std::u8string backup_name = saved.backup.filename().u8string();
    EXPECT_TRUE(backup_name.starts_with(u8"数据.损坏备份-")) << saved.backup;
    EXPECT_TRUE(backup_name.ends_with(u8".ini")) << saved.backup;
    EXPECT_EQ(ReadBytes(saved.backup), c.file);
    EXPECT_EQ(ReadBytes(path), RenderDataFile(settings, table));
    EXPECT_EQ(folder.Entries().size(), 2u);
  }
}

TEST(DataFileTest, NegativeCountLeavesTheTableAndTheFileAlone) {
  for (const std::string_view count : {"-1", "3000000000"}) {
    SCOPED_TRACE(count);
    TempFolder folder;
    const std::filesystem::path path = folder / DataFileName();
    const std::string file =
        DataFileText(SealText(count), SealText("pw"), {{"1", SealText("a-b-c-d")}});
    WriteBytes(path, file);

    AppSettings settings = StaleSettings();
    RecordTable table = StaleTable();
    const LoadResult result = LoadDataFile(path, settings, table);
    EXPECT_TRUE(result.negative_count);
    EXPECT_LT(settings.count, 0);
    EXPECT_EQ(settings.login_password, "pw");
    EXPECT_EQ(table, StaleTable());
    EXPECT_EQ(ReadBytes(path), file);
    EXPECT_EQ(folder.Entries(), std::vector<std::filesystem::path>{DataFileName()});
  }
}

}  // namespace
}  // namespace varnelle
