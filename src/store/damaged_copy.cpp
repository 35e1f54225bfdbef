#include "store/damaged_copy.h"

#include <string>

#include "store/data_file.h"
#include "store/platform_file.h"

namespace varnelle {
namespace {

// Attempts after which the copy gives up rather than search for a free name forever.
constexpr int kMaxAttempts = 1000;

// `value` in decimal, padded with zeros to at least `width` digits, as UTF-8 code units.
std::u8string PaddedNumber(int value, std::size_t width) {
  const std::string digits = std::to_string(value);
  std::u8string out;
  if (digits.size() < width) out.append(width - digits.size(), u8'0');
  for (const char c : digits) out += static_cast<char8_t>(c);
  return out;
}

}  // namespace

std::filesystem::path DamagedCopyPath(const std::filesystem::path& data_file,
                                      const std::tm& local_time, int attempt) {
  std::u8string name = data_file.stem().u8string();
  name += u8".损坏备份-";
  name += PaddedNumber(local_time.tm_year + 1900, 4);
  name += PaddedNumber(local_time.tm_mon + 1, 2);
  name += PaddedNumber(local_time.tm_mday, 2);
  name += u8'-';
  name += PaddedNumber(local_time.tm_hour, 2);
  name += PaddedNumber(local_time.tm_min, 2);
  name += PaddedNumber(local_time.tm_sec, 2);
  if (attempt > 1) {
    name += u8'-';
    name += PaddedNumber(attempt, 1);
  }
  name += data_file.extension().u8string();
  return data_file.parent_path() / std::filesystem::path(name);
}

std::error_code KeepDamagedCopy(const std::filesystem::path& data_file,
                                std::filesystem::path& copy) {
  std::string bytes;
  if (const std::error_code error = ReadWholeFile(data_file, bytes)) return error;

  const std::tm now = LocalTimeNow();
  for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
    const std::filesystem::path candidate = DamagedCopyPath(data_file, now, attempt);
    const std::error_code error = WriteFileToDisk(candidate, bytes, /*exclusive=*/true);
    if (error == std::errc::file_exists) continue;
    if (error) return error;
    if (const std::error_code sync_error = SyncFolder(candidate.parent_path())) {
      RemoveFile(candidate);
      return sync_error;
    }
    copy = candidate;
    return std::error_code();
  }
  return std::make_error_code(std::errc::file_exists);
}

}  // namespace varnelle
