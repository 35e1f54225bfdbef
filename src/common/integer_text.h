#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace varnelle {

// Decimal digits of `value`, with a leading "-" when negative; no plus sign, no grouping.
std::string IntegerToText(std::int32_t value);

// Reads an integer the way the data file and the editor's hidden number box need it: full-width
// GBK forms are folded to ASCII first, then leading white space, one optional sign and the
// digits up to the first other character are read. Overflow wraps around in 32-bit two's
// complement; a text without digits gives 0.
std::int32_t TextToInteger(std::string_view text);

}  // namespace varnelle
