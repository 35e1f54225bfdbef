#include <cerrno>
#include <string>

#include "store/damaged_copy.h"
#include "store/data_file.h"
#include "store/file_replace.h"

namespace varnelle {

SaveFailure ClassifySaveError(const std::error_code& error) {
  if (!error) return SaveFailure::kNone;
  if (error == std::errc::is_a_directory) return SaveFailure::kTargetIsFolder;
  if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
      error == std::errc::read_only_file_system) {
    return SaveFailure::kNoPermission;
  }
  if (error == std::errc::no_space_on_device || error == std::errc::file_too_large) {
    return SaveFailure::kDiskFull;
  }
#ifdef EDQUOT
  // The standard library has no portable name for an exceeded quota; compare the number itself.
  if (error.value() == EDQUOT &&
      (error.category() == std::system_category() || error.category() == std::generic_category())) {
    return SaveFailure::kDiskFull;
  }
#endif
  return SaveFailure::kOther;
}

SaveResult SaveDataFile(const std::filesystem::path& path, const AppSettings& settings,
                        const RecordTable& table, bool keep_copy_of_existing) {
  SaveResult result;
  std::error_code status_error;
  const std::filesystem::file_status status = std::filesystem::status(path, status_error);
  if (std::filesystem::is_directory(status)) {
    result.failure = SaveFailure::kTargetIsFolder;
    result.error = std::make_error_code(std::errc::is_a_directory);
    return result;
  }

  // Anything at the path but a confirmed absence is copied first; a copy that cannot be made
  // stops the save, so nothing unread is lost.
  if (keep_copy_of_existing && status.type() != std::filesystem::file_type::not_found) {
    if (const std::error_code error = KeepDamagedCopy(path, result.backup)) {
      result.failure = SaveFailure::kBackupFailed;
      result.error = error;
      return result;
    }
  }

  const std::string bytes = RenderDataFile(settings, table);
  if (const std::error_code error = ReplaceFileContents(path, bytes)) {
    result.failure = ClassifySaveError(error);
    result.error = error;
  }
  return result;
}

}  // namespace varnelle
