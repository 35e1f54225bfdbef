#include "common/integer_text.h"

#include "common/gbk_text.h"

namespace varnelle {

std::string IntegerToText(std::int32_t value) {
  return std::to_string(value);
}

namespace {

// Folds the full-width forms of GBK to their ASCII equivalents; every other character, one- or
// two-byte, is kept as it is.
std::string FoldFullWidth(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (!IsLeadByte(text[i]) || i + 1 >= text.size()) {
      out.push_back(text[i]);
      ++i;
      continue;
    }
    const auto lead = static_cast<unsigned char>(text[i]);
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      out.push_back(static_cast<char>(trail - 0x80));
    } else if (lead == 0xA1 && trail == 0xA1) {
      out.push_back(' ');
    } else if (lead == 0xA1 && trail == 0xAB) {
      out.push_back('~');
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      out.push_back('*');
    } else {
      out.push_back(text[i]);
      out.push_back(text[i + 1]);
    }
    i += 2;
  }
  return out;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::int32_t TextToInteger(std::string_view text) {
  const std::string folded = FoldFullWidth(text);
  std::size_t i = 0;
  while (i < folded.size() && IsBlank(folded[i])) ++i;
  bool negative = false;
  if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) {
    negative = folded[i] == '-';
    ++i;
  }
  // Unsigned arithmetic wraps without undefined behaviour; the final conversion to int32 is
  // modular (well defined since C++20).
  std::uint32_t value = 0;
  while (i < folded.size() && folded[i] >= '0' && folded[i] <= '9') {
    value = value * 10U + static_cast<std::uint32_t>(folded[i] - '0');
    ++i;
  }
  if (negative) value = 0U - value;
  return static_cast<std::int32_t>(value);
}

}  // namespace varnelle
