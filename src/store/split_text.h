#pragma once

#include <string_view>
#include <vector>

namespace varnelle {

// Cuts `text` at every occurrence of `delimiter`, stepping through it by characters: a byte of
// 0x80 or above and the byte after it are one character and are never taken for a delimiter.
// A piece before the first delimiter or between two delimiters is kept even when empty; a
// trailing empty piece is not, so an empty text gives no pieces. A lone byte of 0x80 or above
// at the very end stops the scan, and what remains of the current piece becomes its last piece.
// An empty delimiter never matches. The pieces view into `text`.
std::vector<std::string_view> SplitText(std::string_view text, std::string_view delimiter);

}  // namespace varnelle
