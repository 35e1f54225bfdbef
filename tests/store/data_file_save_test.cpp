#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "store/data_file.h"
#include "store/file_replace.h"
#include "support/temp_folder.h"

namespace varnelle {
namespace {

using testing::ReadBytes;
using testing::RunInChild;
using testing::TempFolder;
using testing::WriteBytes;

struct State {
  AppSettings settings;
  RecordTable table;
};

State MakeState(Text login, RecordTable table) {
  State state;
  state.settings.count = static_cast<std::int32_t>(table.size());
  state.settings.login_password = std::move(login);
  state.table = std::move(table);
  return state;
}

const State kOld = MakeState("old", {{"old site", "old user", "old-pass", "old note"}});
const State kNew = MakeState(
    "new", {{"new site", "new user", "new-pass", std::string(20000, 'n')}, {"second", "", "", ""}});

std::vector<std::filesystem::path> OnlyDataFile() {
  return {DataFileName()};
}

TEST(SaveDataFileTest, ClassifiesSystemErrors) {
  const struct {
    int error;
    SaveFailure failure;
  } cases[] = {
      {EISDIR, SaveFailure::kTargetIsFolder}, {EACCES, SaveFailure::kNoPermission},
      {EPERM, SaveFailure::kNoPermission},    {EROFS, SaveFailure::kNoPermission},
      {ENOSPC, SaveFailure::kDiskFull},       {EDQUOT, SaveFailure::kDiskFull},
      {EFBIG, SaveFailure::kDiskFull},        {EIO, SaveFailure::kOther},
      {ENAMETOOLONG, SaveFailure::kOther},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClassifySaveError(std::error_code(c.error, std::system_category())), c.failure)
        << c.error;
  }
  EXPECT_EQ(ClassifySaveError(std::error_code()), SaveFailure::kNone);
}

TEST(SaveDataFileTest, NamesDamagedCopiesByLocalTimeAndAttempt) {
  std::tm time{};
  time.tm_year = 2026 - 1900;
  time.tm_mon = 0;
  time.tm_mday = 2;
  time.tm_hour = 3;
  time.tm_min = 4;
  time.tm_sec = 5;
  const std::filesystem::path data_file = std::filesystem::path("/some/folder") / DataFileName();
  const struct {
    int attempt;
    std::u8string name;
  } cases[] = {
      {1, u8"数据.损坏备份-20260102-030405.ini"},
      {2, u8"数据.损坏备份-20260102-030405-2.ini"},
      {13, u8"数据.损坏备份-20260102-030405-13.ini"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DamagedCopyPath(data_file, time, c.attempt),
              std::filesystem::path("/some/folder") / std::filesystem::path(c.name));
  }
}

TEST(SaveDataFileTest, KeptCopiesNeverOverwriteOneAnother) {
  TempFolder folder;
  const std::filesystem::path path = folder / DataFileName();
  WriteBytes(path, "not a data file");
  std::vector<std::filesystem::path> copies;
  for (int i = 0; i < 3; ++i) {
    const SaveResult result = SaveDataFile(path, kNew.settings, kNew.table, true);
    ASSERT_TRUE(result.ok());
    copies.push_back(result.backup);
  }
  EXPECT_NE(copies[0], copies[1]);
  EXPECT_NE(copies[1], copies[2]);
  EXPECT_NE(copies[0], copies[2]);
  EXPECT_EQ(ReadBytes(copies[0]), "not a data file");
  EXPECT_EQ(ReadBytes(copies[2]), RenderDataFile(kNew.settings, kNew.table));
  EXPECT_EQ(folder.Entries().size(), 4u);
}

TEST(SaveDataFileTest, NoFileNoCopy) {
  TempFolder folder;
  const std::filesystem::path path = folder / DataFileName();
  const SaveResult result = SaveDataFile(path, kNew.settings, kNew.table, true);
  ASSERT_TRUE(result.ok());
  EXPECT_TRUE(result.backup.empty());
  EXPECT_EQ(folder.Entries(), OnlyDataFile());
}

TEST(SaveDataFileTest, FolderInTheFilesPlace) {
  TempFolder folder;
  const std::filesystem::path path = folder / DataFileName();
  std::filesystem::create_directory(path);
  for (const bool keep_copy : {false, true}) {
    const SaveResult result = SaveDataFile(path, kNew.settings, kNew.table, keep_copy);
    EXPECT_EQ(result.failure, SaveFailure::kTargetIsFolder);
    EXPECT_TRUE(result.error);
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(folder.Entries(), OnlyDataFile());
  }
}

TEST(SaveDataFileTest, ReadOnlyFolderLeavesTheOldFile) {
  TempFolder folder;
  const std::filesystem::path path = folder / DataFileName();
  ASSERT_TRUE(SaveDataFile(path, kOld.settings, kOld.table, false).ok());
  const std::string old_bytes = ReadBytes(path);
  ::chmod(folder.path().c_str(), 0555);

  const int failure = RunInChild(
      [&] {
        return static_cast<int>(SaveDataFile(path, kNew.settings, kNew.table, false).failure);
      },
      /*unprivileged=*/true);

  ::chmod(folder.path().c_str(), 0700);
  EXPECT_EQ(failure, static_cast<int>(SaveFailure::kNoPermission));
  EXPECT_EQ(ReadBytes(path), old_bytes);
  EXPECT_EQ(folder.Entries(), OnlyDataFile());
}

TEST(SaveDataFileTest, FullDiskLeavesTheOldFile) {
  TempFolder folder;
  const std::filesystem::path path = folder / DataFileName();
  ASSERT_TRUE(SaveDataFile(path, kOld.settings, kOld.table, false).ok());
  const std::string old_bytes = ReadBytes(path);

  // The file size limit stands in for a full disk: writes past it fail with EFBIG.
  const int failure = RunInChild(
      [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 100;
        return static_cast<int>(SaveDataFile(path, kNew.settings, kNew.table, false).failure);
      },
      /*unprivileged=*/false);

  EXPECT_EQ(failure, static_cast<int>(SaveFailure::kDiskFull));
  EXPECT_EQ(ReadBytes(path), old_bytes);
  EXPECT_EQ(folder.Entries(), OnlyDataFile());
}

TEST(SaveDataFileTest, UnreadableFileIsReportedAndIsNotReplacedWithoutACopy) {
  TempFolder folder;
  const std::filesystem::path path = folder / DataFileName();
  ASSERT_TRUE(SaveDataFile(path, kOld.settings, kOld.table, false).ok());
  const std::string old_bytes = ReadBytes(path);
  ::chmod(path.c_str(), 0);
  ::chmod(folder.path().c_str(), 0777);

  // Exit status: bit 0 set when the load found the file unreadable, the save's failure in the
  // bits above.
  const int status = RunInChild(
      [&] {
        AppSettings settings;
        RecordTable table;
        const LoadResult loaded = LoadDataFile(path, settings, table);
        const SaveResult saved =
            SaveDataFile(path, kNew.settings, kNew.table, loaded.unreadable || loaded.damaged);
        return (loaded.unreadable ? 1 : 0) | static_cast<int>(saved.failure) << 1;
      },
      /*unprivileged=*/true);

  ::chmod(path.c_str(), 0600);
  EXPECT_EQ(status, 1 | static_cast<int>(SaveFailure::kBackupFailed) << 1);
  EXPECT_EQ(ReadBytes(path), old_bytes);
  EXPECT_EQ(folder.Entries(), OnlyDataFile());
}

// A new data file is for its owner's eyes only; a save keeps whatever rights the user set.
TEST(SaveDataFileTest, KeepsTheFileToItsOwner) {
  using std::filesystem::perms;
  TempFolder folder;
  const std::filesystem::path path = folder / DataFileName();
  ASSERT_TRUE(SaveDataFile(path, kOld.settings, kOld.table, false).ok());
  EXPECT_EQ(std::filesystem::status(path).permissions() & perms::all,
            perms::owner_read | perms::owner_write);

  const perms chosen = perms::owner_read | perms::owner_write | perms::group_read;
  std::filesystem::permissions(path, chosen);
  ASSERT_TRUE(SaveDataFile(path, kNew.settings, kNew.table, false).ok());
  EXPECT_EQ(std::filesystem::status(path).permissions() & perms::all, chosen);
}

TEST(SaveDataFileTest, InterruptionAfterStagingLeavesTheOldFileWhole) {
  TempFolder folder;
  const std::filesystem::path path = folder / DataFileName();
  ASSERT_TRUE(SaveDataFile(path, kOld.settings, kOld.table, false).ok());
  const std::string old_bytes = ReadBytes(path);

  // The new file is staged, then the save stops before it takes the old one's place.
  ASSERT_FALSE(StageReplacement(path, RenderDataFile(kNew.settings, kNew.table)));
  EXPECT_EQ(ReadBytes(path), old_bytes);
  AppSettings settings;
  RecordTable table;
  const LoadResult loaded = LoadDataFile(path, settings, table);
  EXPECT_FALSE(loaded.damaged);
  EXPECT_EQ(settings.login_password, "old");
  EXPECT_EQ(table, kOld.table);

  ASSERT_TRUE(SaveDataFile(path, kNew.settings, kNew.table, false).ok());
  EXPECT_EQ(ReadBytes(path), RenderDataFile(kNew.settings, kNew.table));
  EXPECT_EQ(folder.Entries(), OnlyDataFile());
}

}  // namespace
}  // namespace varnelle
