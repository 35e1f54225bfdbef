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
  return WriteFileToDisk(staged, bytes, /*exclusive=*/false);
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
