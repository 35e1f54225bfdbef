#include "seal/seal_text.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "seal/des_block.h"

namespace varnelle {
namespace {

using namespace std::string_literals;

// Names parameterised cases after their `name` field.
template <typename Case>
std::string CaseName(const testing::TestParamInfo<Case>& param_info) {
  return std::string(param_info.param.name);
}

// --- Key folding ---

struct FoldCase {
  std::string key_text;
  DesKey expected;
};

// Names for the test list: the default printer shows raw object bytes, pointers included.
void PrintTo(const FoldCase& c, std::ostream* os) {
  *os << testing::PrintToString(c.key_text);
}

class FoldKeyTest : public testing::TestWithParam<FoldCase> {};

INSTANTIATE_TEST_SUITE_P(
    Seal, FoldKeyTest,
    testing::Values(FoldCase{"", {0, 0, 0, 0, 0, 0, 0, 0}},
                    FoldCase{"wren#", {0x77, 0x72, 0x65, 0x6E, 0x23, 0, 0, 0}},
                    FoldCase{"ABCDEFGH", {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}},
                    FoldCase{"ABCDEFGHI", {'A' ^ 'I', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}},
                    FoldCase{"ABCDEFGHIJKLMNOPQ",
                             {'A' ^ 'I' ^ 'Q', 'B' ^ 'J', 'C' ^ 'K', 'D' ^ 'L', 'E' ^ 'M',
                              'F' ^ 'N', 'G' ^ 'O', 'H' ^ 'P'}},
                    // The key text ends at its first NUL.
                    FoldCase{"ab\0cdefghijk"s, {'a', 'b', 0, 0, 0, 0, 0, 0}}));

TEST_P(FoldKeyTest, XorsTheKeyTextCyclicallyIntoEightBytes) {
  EXPECT_EQ(FoldKey(GetParam().key_text), GetParam().expected);
}

// --- Hexadecimal codec ---

struct HexCase {
  std::string text;
  Bytes bytes;
};

void PrintTo(const HexCase& c, std::ostream* os) {
  *os << testing::PrintToString(c.text);
}

class HexEncodeTest : public testing::TestWithParam<HexCase> {};

INSTANTIATE_TEST_SUITE_P(Seal, HexEncodeTest,
                         testing::Values(HexCase{"", ""}, HexCase{"616263", "abc"},
                                         HexCase{"000FA0FF", "\x00\x0F\xA0\xFF"s},
                                         HexCase{"CAFDBEDD", "\xCA\xFD\xBE\xDD"}));

TEST_P(HexEncodeTest, WritesUppercaseDigitsAndReadsThemBack) {
  EXPECT_EQ(HexEncode(GetParam().bytes), GetParam().text);
  EXPECT_EQ(HexDecode(GetParam().text), GetParam().bytes);
}

TEST(HexCodec, EveryByteValueSurvivesARoundTrip) {
  Bytes all_bytes;
  for (int b = 0; b < 256; ++b) all_bytes.push_back(static_cast<char>(b));
  const std::string digits = HexEncode(all_bytes);
  EXPECT_EQ(digits.find_first_not_of("0123456789ABCDEF"), std::string::npos);
  EXPECT_EQ(HexDecode(digits), all_bytes);
}

class HexDecodeTest : public testing::TestWithParam<HexCase> {};

INSTANTIATE_TEST_SUITE_P(
    Seal, HexDecodeTest,
    testing::Values(
        // ASCII spaces anywhere, inside a digit pair too.
        HexCase{" 6 16 26 3 ", "abc"},
        // Full-width spaces anywhere, inside a digit pair too.
        HexCase{"\xA1\xA1"
                "6\xA1\xA1"
                "16\xA1\xA1\xA1\xA1"
                "2",
                "ab"},
        // An unpaired last digit is ignored.
        HexCase{"616", "a"}, HexCase{"6", ""},
        // A lone first byte of a two-byte character at the end is dropped.
        HexCase{"6162\xB0", "ab"}, HexCase{"61 6\xB0", "a"},
        // A high byte takes the next byte as its partner, even a space or half of A1 A1.
        HexCase{"61\xB0 62", "a\0b"s},
        HexCase{"\xB0\xA1\xA1\xA1"
                "6162",
                "\x00\x61\x62"s},
        // Tabs and line breaks are not spaces; they and other non-digits count as 0.
        HexCase{"\t61", "\x06"}, HexCase{"6a2f", "\x60\x20"}, HexCase{"61\r\n62", "\x61\x00\x62"s},
        // The text ends at its first NUL.
        HexCase{"61\0"
                "62"s,
                "a"}));

TEST_P(HexDecodeTest, DropsSpacesThenReadsDigitPairs) {
  EXPECT_EQ(HexDecode(GetParam().text), GetParam().bytes);
}

// --- Frame ---

// The frame bytes a sealed byte string holds, read back with the block cipher alone.
Bytes PlainFrame(std::string_view sealed) {
  Bytes frame(sealed);
  DecipherBlocks(FoldKey(kSealKeyText), frame);
  return frame;
}

TEST(SealBytes, FramesThePayloadWithItsLengthAndZeroFill) {
  const struct {
    Bytes payload;
    Bytes frame;
  } cases[] = {
      {"abc",
       "\x03\x00\x00\x00"
       "abc\x00"s},
      {"wxyz", "\x04\x00\x00\x00wxyz"s},
      {"hello", "\x05\x00\x00\x00hello\x00\x00\x00\x00\x00\x00\x00"s},
      {"a\0b"s,
       "\x03\x00\x00\x00"
       "a\x00"
       "b\x00"s},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(HexEncode(c.payload));
    EXPECT_EQ(PlainFrame(SealBytes(c.payload, kSealKeyText)), c.frame);
  }

  Bytes long_payload(300, 'x');
  const Bytes frame = PlainFrame(SealBytes(long_payload, kSealKeyText));
  ASSERT_EQ(frame.size(), 304U);
  EXPECT_EQ(frame.substr(0, 4), "\x2C\x01\x00\x00"s);  // 300, little-endian
  EXPECT_EQ(frame.substr(4), long_payload);
}

TEST(SealBytes, EmptyPayloadHasNoFrame) {
  EXPECT_EQ(SealBytes("", kSealKeyText), "");
}

// A frame made by hand with any length field and any payload and fill, then enciphered.
Bytes EncipheredFrame(std::int32_t length_field, std::string_view payload_and_fill) {
  const auto field = static_cast<std::uint32_t>(length_field);
  Bytes frame;
  for (unsigned shift = 0; shift < 32; shift += 8) {
    frame.push_back(static_cast<char>((field >> shift) & 0xFFU));
  }
  frame.append(payload_and_fill);
  EncipherBlocks(FoldKey(kSealKeyText), frame);
  return frame;
}

struct FrameCase {
  std::string_view name;
  std::int32_t length_field;
  Bytes payload_and_fill;
  Bytes expected;  // empty when the frame is rejected
};

void PrintTo(const FrameCase& c, std::ostream* os) {
  *os << c.name;
}

class UnsealBytesFrameTest : public testing::TestWithParam<FrameCase> {};

const Bytes kTwelveBytes = "0123456789AB";
const Bytes kTwentyEightBytes = "0123456789ABCDEFGHIJKLMNOPQR";

INSTANTIATE_TEST_SUITE_P(
    Seal, UnsealBytesFrameTest,
    testing::Values(
        // N = 8
        FrameCase{"one_byte", 1, "a\0\0\0"s, "a"}, FrameCase{"full_block", 4, "abcd", "abcd"},
        FrameCase{"nonzero_fill", 3, "abc\xFF", "abc"}, FrameCase{"zero_length", 0, "abcd", ""},
        FrameCase{"minus_one", -1, "abcd", ""},
        FrameCase{"most_negative", std::numeric_limits<std::int32_t>::min(), "abcd", ""},
        FrameCase{"longer_than_frame", 5, "abcd", ""},
        FrameCase{"largest_length", std::numeric_limits<std::int32_t>::max(), "abcd", ""},
        // N = 16: lengths 5 to 12 fit.
        FrameCase{"smallest_of_two_blocks", 5, kTwelveBytes, kTwelveBytes.substr(0, 5)},
        FrameCase{"largest_of_two_blocks", 12, kTwelveBytes, kTwelveBytes},
        FrameCase{"nonzero_fill_two_blocks", 6, "abcdef\x01\x02\x03\x04\x05\x06", "abcdef"},
        FrameCase{"one_block_too_many", 4, kTwelveBytes, ""},
        FrameCase{"one_byte_too_long", 13, kTwelveBytes, ""},
        // N = 32: lengths 21 to 28 fit.
        FrameCase{"four_blocks", 21, kTwentyEightBytes, kTwentyEightBytes.substr(0, 21)},
        FrameCase{"four_blocks_too_many", 20, kTwentyEightBytes, ""},
        FrameCase{"way_too_many_blocks", 1, kTwentyEightBytes, ""},
        // The payload comes back whole, NUL bytes and all.
        FrameCase{"payload_with_nul", 5, "a\0b\0c\0\0\0\0\0\0\0"s, "a\0b\0c"s}),
    CaseName<FrameCase>);

TEST_P(UnsealBytesFrameTest, AcceptsOnlyTheFrameSizeOfItsLength) {
  const FrameCase& c = GetParam();
  EXPECT_EQ(UnsealBytes(EncipheredFrame(c.length_field, c.payload_and_fill), kSealKeyText),
            c.expected);
}

TEST(UnsealBytes, RejectsSizesThatAreNotWholeBlocks) {
  const Bytes sealed = SealBytes("abc", kSealKeyText);
  ASSERT_EQ(UnsealBytes(sealed, kSealKeyText), "abc");
  for (const Bytes& damaged : {Bytes{}, sealed.substr(0, 7), sealed.substr(0, 1), sealed + "x",
                               sealed + sealed.substr(0, 7)}) {
    EXPECT_EQ(UnsealBytes(damaged, kSealKeyText), "") << damaged.size();
  }
}

TEST(UnsealText, CutsThePayloadAtItsFirstNul) {
  const Bytes sealed = EncipheredFrame(5, "a\0b\0c\0\0\0\0\0\0\0"s);
  EXPECT_EQ(UnsealText(HexEncode(sealed)), "a");
}

// --- Sealed texts ---

// Sealed forms worked out with an independent DES implementation; they pin the stored format.
TEST(SealText, MatchesKnownSealedValues) {
  const struct {
    std::string text;
    std::string sealed;
  } cases[] = {
      {"1", "FD17FBBCD5BCE7BC"},
      {"abc", "F5CC657025909D37"},
      {"\xCA\xFD\xBE\xDD", "3318FFE2955E755C"},  // "数据" in GBK
      {"hello", "6085F366CC5FD2C20053285D07C7FEA8"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SealText(c.text), c.sealed) << c.text;
    EXPECT_EQ(UnsealText(c.sealed), c.text) << c.sealed;
  }
}

TEST(SealText, EmptyTextSealsToEmptyText) {
  EXPECT_EQ(SealText(""), "");
  EXPECT_EQ(SealText("\0abc"s), "");
  EXPECT_EQ(UnsealText(""), "");
}

TEST(SealText, SealsOnlyTheBytesBeforeTheFirstNul) {
  EXPECT_EQ(SealText("ab\0cd"s), SealText("ab"));
}

TEST(SealText, DigitCountGrowsByWholeBlocks) {
  const struct {
    std::size_t text_bytes;
    std::size_t digits;
  } cases[] = {{1, 16}, {4, 16}, {5, 32}, {12, 32}, {13, 48}, {20, 48}, {21, 64}};
  for (const auto& c : cases) {
    const std::string text(c.text_bytes, 'q');
    const std::string sealed = SealText(text);
    EXPECT_EQ(sealed.size(), c.digits) << c.text_bytes;
    EXPECT_EQ(UnsealText(sealed), text) << c.text_bytes;
  }
}

TEST(SealText, ChangingOneByteChangesOnlyItsBlock) {
  const std::string base = "abcdefghijklmnopqrst";  // 20 bytes: a three-block frame
  const std::string sealed = SealText(base);
  EXPECT_EQ(SealText(base), sealed);

  for (std::size_t position = 0; position < base.size(); ++position) {
    std::string changed_text = base;
    changed_text[position] = '#';
    const std::string changed = SealText(changed_text);
    ASSERT_EQ(changed.size(), sealed.size());
    const std::size_t block = (position + 4) / 8;  // the frame starts with a 4-byte length
    for (std::size_t b = 0; b < 3; ++b) {
      const bool same = changed.substr(b * 16, 16) == sealed.substr(b * 16, 16);
      EXPECT_EQ(same, b != block) << "byte " << position << ", block " << b;
    }
  }
}

struct RoundTripCase {
  std::string_view name;
  std::string text;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) {
  *os << c.name;
}

class RoundTripTest : public testing::TestWithParam<RoundTripCase> {};

std::string LongText() {
  std::string text;
  for (int i = 0; text.size() < 6000; ++i)
    text += "line " + std::to_string(i) + " \xCA\xFD\xBE\xDD;";
  return text;
}

std::string EveryNonNulByte() {
  std::string text;
  for (int b = 1; b < 256; ++b) text.push_back(static_cast<char>(b));
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Seal, RoundTripTest,
    testing::Values(
        RoundTripCase{"ascii", "user@example.org"}, RoundTripCase{"gbk", "\xCA\xFD\xBE\xDD"},
        RoundTripCase{"gb18030_four_byte", "a\x94\x39\xFC\x36z\x94\x39\xFC\x36"},
        RoundTripCase{"spaces", "  "}, RoundTripCase{"record_line", "site\x01name\x01pass\x01note"},
        RoundTripCase{"every_byte", EveryNonNulByte()}, RoundTripCase{"long", LongText()}),
    CaseName<RoundTripCase>);

TEST_P(RoundTripTest, UnsealingTheSealedTextGivesItBack) {
  const std::string& text = GetParam().text;
  const std::string sealed = SealText(text);
  EXPECT_EQ(sealed.size(), (text.size() + 4 + 7) / 8 * 16);
  EXPECT_EQ(UnsealText(sealed), text);
}

TEST_P(RoundTripTest, EditsOfTheSealedValue) {
  const std::string& text = GetParam().text;
  const std::string sealed = SealText(text);

  std::string spaced;
  for (std::size_t i = 0; i < sealed.size(); ++i) {
    spaced += (i % 3 == 0) ? " " : (i % 3 == 1) ? "\xA1\xA1" : "";
    spaced += sealed[i];
  }
  spaced += " \xA1\xA1";
  EXPECT_EQ(UnsealText(spaced), text);

  EXPECT_EQ(UnsealText(sealed + "7"), text);
  EXPECT_EQ(UnsealText(sealed.substr(0, sealed.size() - 1)), "");
  EXPECT_EQ(UnsealText(sealed.substr(0, sealed.size() - 2)), "");
  EXPECT_EQ(UnsealText(sealed + "00"), "");
  EXPECT_EQ(UnsealText(sealed.substr(0, 15)), "");
}

TEST(UnsealText, ValuesThatDoNotUnsealGiveTheEmptyText) {
  for (const std::string_view junk :
       {"0", "0123456789ABCDE", "zz", "not a sealed value at all", "0000000000000000",
        "FFFFFFFFFFFFFFFF", "f5cc657025909d37", "\xA1\xA1\xA1\xA1", "\xB0"}) {
    EXPECT_EQ(UnsealText(junk), "") << junk;
  }
}

}  // namespace
}  // namespace varnelle
