#pragma once

#include <string_view>

#include "common/account_record.h"

// The record line: one entry's four fields joined with "-" (platform-account-password-note),
// sealed as one value of the data file.
//
// A "-" inside a field is written as the byte pair 80 2D. The splitter steps over a byte of 0x80
// or above together with the byte after it, so the pair never separates fields, and no GBK or
// GB18030 text holds it, so it cannot be confused with a character of the field. Fields without
// "-" are written as they stand, which keeps their lines in the plain layout.
namespace varnelle {

// `field` with every "-" that stands as a character of its own replaced by 80 2D. Two-byte
// characters (a byte of 0x80 or above and the byte after it) are copied unchanged.
Text EscapeField(std::string_view field);

// Reverses EscapeField: every character 80 2D becomes "-"; everything else is copied unchanged.
Text UnescapeField(std::string_view piece);

// The four escaped fields joined with "-".
Text MakeRecordLine(const AccountRecord& record);

// The entry a record line holds: its "-"-separated pieces, unescaped, fill platform, account,
// password and note in order. Missing trailing pieces give empty fields; pieces after the fourth
// are ignored.
AccountRecord ParseRecordLine(std::string_view line);

}  // namespace varnelle
