#include "common/record_edits.h"

#include <utility>

namespace varnelle {

namespace {

bool InTable(const RecordTable& table, std::int32_t number) {
  return number >= 1 && static_cast<std::size_t>(number) <= table.size();
}

}  // namespace

void AppendRecord(AppSettings& settings, RecordTable& table, AccountRecord record) {
  table.push_back(std::move(record));
  settings.count = static_cast<std::int32_t>(table.size());
}

bool ReplaceRecord(RecordTable& table, std::int32_t number, AccountRecord record) {
  if (!InTable(table, number)) return false;
  table[static_cast<std::size_t>(number - 1)] = std::move(record);
  return true;
}

bool RemoveRecord(AppSettings& settings, RecordTable& table, std::int32_t number) {
  if (!InTable(table, number)) return false;
  table.erase(table.begin() + (number - 1));
  settings.count = static_cast<std::int32_t>(table.size());
  return true;
}

}  // namespace varnelle
