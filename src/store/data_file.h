#pragma once

#include <ctime>
#include <filesystem>
#include <string>
#include <system_error>

#include "common/account_record.h"

// The data file beside the program: an INI file whose values, all but the version text, are
// sealed. It is read once per load and always rewritten whole.
namespace varnelle {

// "数据.ini", as the file system spells it (UTF-8 on Linux, UTF-16 on Windows).
std::filesystem::path DataFileName();

struct LoadResult {
  // A negative record count: the file is corrupt and the program must stop without writing.
  bool negative_count = false;
  // The file is there but could not be read at all (no permission, held by another program).
  // Nothing was loaded; the program must stop rather than show an empty book it would save.
  bool unreadable = false;
  // Something present in the file could not be read (the count, the login password or a record
  // line), records stand without a count, or the count claims more records than the file has
  // lines. The next save must keep a copy of the file before replacing it.
  bool damaged = false;
};

// Rebuilds the count, the login password and the records from the file at `path`. A missing
// file, section or key reads as empty; a folder in the file's place reads as an empty file.
// On a negative count the count and login password are set but the records are left untouched.
// A count beyond the file's line count keeps records 1 to k, k being the highest record number
// up to the count with a key in the file, and sets the count to k. The FTP texts are never read.
// Fields come back exactly as saved, "-" included, whatever their length.
LoadResult LoadDataFile(const std::filesystem::path& path, AppSettings& settings,
                        RecordTable& table);

// The exact bytes of the data file for this state: CR LF lines, GBK names, keys in fixed order,
// the FTP keys always written empty. Records are written up to the count; should the table be
// shorter, the missing ones are left out and load as empty records.
std::string RenderDataFile(const AppSettings& settings, const RecordTable& table);

// The name of the copy kept of a damaged data file, beside it: for "数据.ini" and 11 December
// 2026 11:40:35 local time, "数据.损坏备份-20261211-114035.ini"; attempts after the first add
// "-2", "-3" and so on before the extension.
std::filesystem::path DamagedCopyPath(const std::filesystem::path& data_file,
                                      const std::tm& local_time, int attempt);

enum class SaveFailure {
  kNone,
  kTargetIsFolder,  // a folder stands where the data file belongs
  kNoPermission,    // the folder or the file may not be written
  kDiskFull,        // no space left (or the file size limit reached)
  kBackupFailed,    // the copy of a damaged file could not be kept, so it was not replaced
  kOther,
};

struct SaveResult {
  SaveFailure failure = SaveFailure::kNone;
  std::error_code error;         // the system's error behind a failure, if any
  std::filesystem::path backup;  // where the damaged file was copied, when a copy was made
  bool ok() const { return failure == SaveFailure::kNone; }
};

// How a system error met while writing or replacing the file is reported: is_a_directory as
// kTargetIsFolder; EACCES, EPERM and EROFS as kNoPermission; ENOSPC, EDQUOT and EFBIG as
// kDiskFull; anything else as kOther.
SaveFailure ClassifySaveError(const std::error_code& error);

// Writes the whole new file beside the old one (as "数据.ini.new"), flushes it to disk and only
// then puts it in the old one's place, so the folder always holds either the whole old file or the
// whole new one. With `keep_copy_of_existing`, the file now at `path` is first copied to a new name
// beside it (see DamagedCopyPath) and flushed to the disk; if that copy fails, nothing is replaced
// and the result is kBackupFailed. On any failure the old file stays as it was and no staging file
// is left behind.
SaveResult SaveDataFile(const std::filesystem::path& path, const AppSettings& settings,
                        const RecordTable& table, bool keep_copy_of_existing);

}  // namespace varnelle
