#include "store/split_text.h"

#include "common/gbk_text.h"

namespace varnelle {

std::vector<std::string_view> SplitText(std::string_view text, std::string_view delimiter) {
  std::vector<std::string_view> pieces;
  if (text.empty()) return pieces;

  std::size_t piece_start = 0;
  std::size_t pos = 0;
  while (text.size() - pos >= delimiter.size() && pos < text.size()) {
    if (!delimiter.empty() && text.substr(pos, delimiter.size()) == delimiter) {
      pieces.push_back(text.substr(piece_start, pos - piece_start));
      pos += delimiter.size();
      piece_start = pos;
      continue;
    }
    if (IsLeadByte(text[pos])) {
      if (pos + 1 >= text.size()) break;  // a lead byte without its second byte
      pos += 2;
    } else {
      pos += 1;
    }
  }
  if (piece_start < text.size()) pieces.push_back(text.substr(piece_start));
  return pieces;
}

}  // namespace varnelle
