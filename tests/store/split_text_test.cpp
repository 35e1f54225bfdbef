#include "store/split_text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace varnelle {
namespace {

using Pieces = std::vector<std::string>;

Pieces Split(std::string_view text) {
  Pieces pieces;
  for (const std::string_view piece : SplitText(text, "-")) pieces.emplace_back(piece);
  return pieces;
}

TEST(SplitTextTest, CutsAtEveryDelimiterAndDropsOnlyATrailingEmptyPiece) {
  const struct {
    std::string_view text;
    Pieces pieces;
  } cases[] = {
      {"a-b-c-d", {"a", "b", "c", "d"}},
      {"a-b-c-", {"a", "b", "c"}},
      {"a--c-d", {"a", "", "c", "d"}},
      {"---", {"", "", ""}},
      {"-a", {"", "a"}},
      {"-", {""}},
      {"", {}},
      {"abc", {"abc"}},
      {"a-b-c-d-e", {"a", "b", "c", "d", "e"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Split(c.text), c.pieces) << c.text;
}

TEST(SplitTextTest, StepsOverTwoByteCharacters) {
  const struct {
    std::string_view text;
    Pieces pieces;
  } cases[] = {
      // A byte of 0x80 or above swallows the next byte, even a "-".
      {"\x81-x-y", {"\x81-x", "y"}},
      {"\x80-", {"\x80-"}},
      // GBK characters between delimiters.
      {"\xC5\xE4-\xD6\xC3", {"\xC5\xE4", "\xD6\xC3"}},
      // A four-byte GB18030 character is two pairs.
      {"\x90\x30\x81\x30-z", {"\x90\x30\x81\x30", "z"}},
      // A lone lead byte at the very end stops the scan and stays in the last piece.
      {"a-\xC5", {"a", "\xC5"}},
      {"\xC5", {"\xC5"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Split(c.text), c.pieces) << c.text;
}

}  // namespace
}  // namespace varnelle
