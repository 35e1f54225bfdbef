#include "store/file_replace.h"

#include "store/platform_file.h"

namespace varnelle {

std::filesystem::path StagingPath(const std::filesystem::path& target) {
  std::filesystem::path staged = target;
  staged += ".new";
  return staged;
}

std::error_code StageReplacement(const std::filesystem::path& target, std::string_view bytes) {
  const std::filesystem::path staged = StagingPath(target);
  // A leftover from an interrupted save may carry permissions that refuse truncation.
  RemoveFile(staged);
  if (const std::error_code error = WriteFileToDisk(staged, bytes, /*exclusive=*/false)) {
    return error;
  }
  // The new file keeps the access rights the user gave the old one.
  std::error_code ignored;
  const std::filesystem::file_status old = std::filesystem::status(target, ignored);
  if (std::filesystem::is_regular_file(old)) {
    std::filesystem::permissions(staged, old.permissions(), ignored);
  }
  return std::error_code();
}

std::error_code CommitReplacement(const std::filesystem::path& target) {
  const std::filesystem::path staged = StagingPath(target);
  const std::error_code error = MoveIntoPlace(staged, target);
  if (error) RemoveFile(staged);
  return error;
}

std::error_code ReplaceFileContents(const std::filesystem::path& target, std::string_view bytes) {
  if (const std::error_code error = StageReplacement(target, bytes)) return error;
  return CommitReplacement(target);
}

}  // namespace varnelle
