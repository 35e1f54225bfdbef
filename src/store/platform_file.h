#pragma once

#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

// What the store takes from the operating system: whole-file reads, writes that reach the disk
// before they return, a replacement of one file by another in a single step, and the local time.
// Failures come back as the system's error codes.
namespace varnelle {

// Reads the whole file at `path` into `bytes`. A folder at `path` fails with
// std::errc::is_a_directory, a missing file with std::errc::no_such_file_or_directory.
std::error_code ReadWholeFile(const std::filesystem::path& path, std::string& bytes);

// Creates the file at `path` (readable and writable by its owner only), writes `bytes`, and
// flushes it to the disk before closing it.
// With `exclusive`, an existing file is left alone and the call fails with
// std::errc::file_exists; otherwise an existing file is truncated first. On any failure after
// the file was created, the file is removed again.
std::error_code WriteFileToDisk(const std::filesystem::path& path, std::string_view bytes,
                                bool exclusive);

// Puts the file `from` in the place of `to` in one step: at every moment `to` names either the
// old file or the whole new one. The change is flushed to the disk before the call returns.
std::error_code MoveIntoPlace(const std::filesystem::path& from, const std::filesystem::path& to);

// Flushes the entries of `folder` (a file just created or renamed in it) to the disk.
std::error_code SyncFolder(const std::filesystem::path& folder);

// Removes the file at `path`; a missing file is not an error.
std::error_code RemoveFile(const std::filesystem::path& path);

// The calendar time in the local time zone.
std::tm LocalTimeNow();

}  // namespace varnelle
