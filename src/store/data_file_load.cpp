#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "common/integer_text.h"
#include "seal/seal_text.h"
#include "store/data_file.h"
#include "store/data_file_layout.h"
#include "store/platform_file.h"
#include "store/profile_file.h"
#include "store/record_line.h"

namespace varnelle {
namespace {

using namespace data_file_layout;

// The unsealed value of `key`; empty when the section or key is missing or the value is empty.
// A value that is there but does not unseal also reads as empty, and marks the file damaged.
Text ReadSealed(const ProfileSection* section, std::string_view key, LoadResult& result) {
  if (section == nullptr) return Text();
  const std::string* const value = section->Find(key);
  if (value == nullptr || value->empty()) return Text();
  Text text = UnsealText(*value);
  if (text.empty()) result.damaged = true;
  return text;
}

// The number a record key stands for, when it is written the way the save writes it (decimal
// digits, no sign, no leading zero, within the count's range); 0 otherwise.
std::int32_t RecordNumber(std::string_view key) {
  if (key.empty() || key.size() > 10 || key.front() == '0') return 0;
  std::int64_t number = 0;
  for (const char c : key) {
    if (c < '0' || c > '9') return 0;
    number = number * 10 + (c - '0');
  }
  return number > std::numeric_limits<std::int32_t>::max() ? 0 : static_cast<std::int32_t>(number);
}

// The highest record number at most `count` that has a key in `records`; 0 when none has.
std::int32_t HighestRecordPresent(const ProfileSection* records, std::int32_t count) {
  std::int32_t highest = 0;
  if (records == nullptr) return highest;
  for (const std::string& key : records->keys()) {
    const std::int32_t number = RecordNumber(key);
    if (number <= count && number > highest) highest = number;
  }
  return highest;
}

bool ReadsAsEmptyFile(const std::error_code& error) {
  return error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory ||
         error == std::errc::is_a_directory;
}

}  // namespace

LoadResult LoadDataFile(const std::filesystem::path& path, AppSettings& settings,
                        RecordTable& table) {
  LoadResult result;
  std::string bytes;
  if (const std::error_code error = ReadWholeFile(path, bytes)) {
    if (!ReadsAsEmptyFile(error)) {
      result.unreadable = true;
      return result;
    }
    bytes.clear();
  }
  const ProfileFile profile = ProfileFile::Parse(bytes);

  const ProfileSection* const settings_section = profile.FindSection(kSettingsSection);
  settings.count = TextToInteger(ReadSealed(settings_section, kCountKey, result));
  settings.login_password = ReadSealed(settings_section, kLoginKey, result);
  if (settings.count < 0) {
    result.negative_count = true;
    return result;
  }

  const ProfileSection* const records = profile.FindSection(kRecordSection);
  // Records with no count would read as none and vanish at the next save.
  const std::string* const count_value =
      settings_section == nullptr ? nullptr : settings_section->Find(kCountKey);
  if ((count_value == nullptr || count_value->empty()) && records != nullptr &&
      !records->keys().empty()) {
    result.damaged = true;
  }
  // Every record takes a line, so a count beyond the file's lines cannot be genuine; keep the
  // records the file does hold rather than making up the rest.
  if (static_cast<std::size_t>(settings.count) > profile.line_count()) {
    settings.count = HighestRecordPresent(records, settings.count);
    result.damaged = true;
  }

  table.assign(static_cast<std::size_t>(settings.count), AccountRecord{});
  for (std::size_t i = 0; i < table.size(); ++i) {
    const std::string key = IntegerToText(static_cast<std::int32_t>(i + 1));
    table[i] = ParseRecordLine(ReadSealed(records, key, result));
  }
  return result;
}

}  // namespace varnelle
