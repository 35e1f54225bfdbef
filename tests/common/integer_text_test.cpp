#include "common/integer_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace varnelle {
namespace {

TEST(IntegerToText, WritesPlainDecimal) {
  const struct {
    std::int32_t value;
    const char* text;
  } cases[] = {
      {0, "0"},
      {7, "7"},
      {1000, "1000"},
      {-1, "-1"},
      {std::numeric_limits<std::int32_t>::max(), "2147483647"},
      {std::numeric_limits<std::int32_t>::min(), "-2147483648"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IntegerToText(c.value), c.text) << c.value;
  }
}

// Full-width GBK forms: digits A3 B0..A3 B9, signs A3 AB / A3 AD, ideographic space A1 A1.
TEST(TextToInteger, ReadsTextsTheWayTheFileAndEditorNeed) {
  const struct {
    std::string text;
    std::int32_t value;
  } cases[] = {
      {"", 0},
      {"abc", 0},
      {"-", 0},
      {"42", 42},
      {"+42", 42},
      {"-42", -42},
      {"007", 7},
      {" \t\r\n\v\f12", 12},
      {"12abc", 12},
      {"1 2", 1},
      {"+-3", 0},
      {" - 3", 0},
      {"\xA3\xB1\xA3\xB2", 12},  // full-width "12"
      {"\xA3\xAD\xA3\xB5", -5},  // full-width "-5"
      {"\xA3\xAB\xA3\xB9", 9},   // full-width "+9"
      {"\xA1\xA1\xA1\xA1"
       "8",
       8},  // ideographic spaces before the digits
      {"1\xA3\xB0"
       "0",
       100},  // half- and full-width digits mixed
      {"\xCA\xFD"
       "5",
       0},  // another GBK character stops the read
      {"5\xCA\xFD", 5},
      {"2147483647", 2147483647},
      {"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {"2147483648", std::numeric_limits<std::int32_t>::min()},  // wraps
      {"4294967297", 1},                                         // 2^32 + 1 wraps to 1
      {"-4294967295", 1},
      {"99999999999999999999", 1661992959},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextToInteger(c.text), c.value) << '"' << c.text << '"';
  }
}

TEST(TextToInteger, ReadsBackEveryWrittenValue) {
  for (std::int32_t value : {0, 1, 9, 10, 12345, -12345, std::numeric_limits<std::int32_t>::max(),
                             std::numeric_limits<std::int32_t>::min()}) {
    EXPECT_EQ(TextToInteger(IntegerToText(value)), value);
  }
}

}  // namespace
}  // namespace varnelle
