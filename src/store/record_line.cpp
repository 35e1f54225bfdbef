#include "store/record_line.h"

#include <iterator>
#include <vector>

#include "common/gbk_text.h"
#include "store/split_text.h"

namespace varnelle {
namespace {

constexpr char kSeparator = '-';
constexpr char kEscapeLead = '\x80';

}  // namespace

Text EscapeField(std::string_view field) {
  Text out;
  out.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    const char c = field[i];
    if (IsLeadByte(c)) {
      out += c;
      if (i + 1 < field.size()) out += field[++i];
    } else if (c == kSeparator) {
      out += kEscapeLead;
      out += kSeparator;
    } else {
      out += c;
    }
  }
  return out;
}

Text UnescapeField(std::string_view piece) {
  Text out;
  out.reserve(piece.size());
  for (std::size_t i = 0; i < piece.size(); ++i) {
    const char c = piece[i];
    if (!IsLeadByte(c) || i + 1 >= piece.size()) {
      out += c;
    } else if (c == kEscapeLead && piece[i + 1] == kSeparator) {
      out += kSeparator;
      ++i;
    } else {
      out += c;
      out += piece[++i];
    }
  }
  return out;
}

Text MakeRecordLine(const AccountRecord& record) {
  Text line = EscapeField(record.platform);
  line += kSeparator;
  line += EscapeField(record.account);
  line += kSeparator;
  line += EscapeField(record.password);
  line += kSeparator;
  line += EscapeField(record.note);
  return line;
}

AccountRecord ParseRecordLine(std::string_view line) {
  const std::vector<std::string_view> pieces = SplitText(line, std::string_view(&kSeparator, 1));
  AccountRecord record;
  Text AccountRecord::*const members[] = {&AccountRecord::platform, &AccountRecord::account,
                                          &AccountRecord::password, &AccountRecord::note};
  for (std::size_t i = 0; i < pieces.size() && i < std::size(members); ++i) {
    record.*members[i] = UnescapeField(pieces[i]);
  }
  return record;
}

}  // namespace varnelle
