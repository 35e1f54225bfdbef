#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

// Replacing a file without ever leaving its folder with neither the old nor the whole new file:
// the new bytes are first staged under a fixed name beside the target and flushed to the disk;
// only then does the staged file take the target's place in one step. A crash between the two
// leaves the old file as it was and a staged file that the next staging simply overwrites.
namespace varnelle {

// The staging name beside `target`: its file name with ".new" appended.
std::filesystem::path StagingPath(const std::filesystem::path& target);

// Writes `bytes` to the staging file of `target` and flushes it to the disk. The target is not
// touched. On failure no staging file is left behind.
std::error_code StageReplacement(const std::filesystem::path& target, std::string_view bytes);

// Puts the staged file in the place of `target`. On failure the staging file is removed and the
// target is left as it was.
std::error_code CommitReplacement(const std::filesystem::path& target);

// StageReplacement, then CommitReplacement.
std::error_code ReplaceFileContents(const std::filesystem::path& target, std::string_view bytes);

}  // namespace varnelle
