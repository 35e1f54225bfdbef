#pragma once

#include <cstdint>

#include "common/account_record.h"

// The three edits of the entry list. Each keeps the settings' count equal to the table's length.
namespace varnelle {

// Adds `record` at the end; its number is the new count.
void AppendRecord(AppSettings& settings, RecordTable& table, AccountRecord record);

// Puts `record` in place of record `number` (1 to the count); the record keeps its place.
// A number outside the table changes nothing and gives false.
bool ReplaceRecord(RecordTable& table, std::int32_t number, AccountRecord record);

// Removes record `number` (1 to the count); the records after it move up one place. A number
// outside the table changes nothing and gives false.
bool RemoveRecord(AppSettings& settings, RecordTable& table, std::int32_t number);

}  // namespace varnelle
