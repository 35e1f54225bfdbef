#include "seal/des_block.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace varnelle {
namespace {

// A key printed in the usual DES bit order, turned into our order by mirroring each byte.
DesKey MirroredKey(std::string_view printed_hex) {
  const Bytes printed = HexDecode(printed_hex);
  DesKey key{};
  for (std::size_t i = 0; i < key.size(); ++i) {
    const auto byte = static_cast<std::uint8_t>(printed[i]);
    std::uint8_t mirrored = 0;
    for (int bit = 0; bit < 8; ++bit) {
      if ((byte >> bit) & 1U) mirrored = static_cast<std::uint8_t>(mirrored | (0x80U >> bit));
    }
    key[i] = mirrored;
  }
  return key;
}

std::string Enciphered(const DesKey& key, std::string_view plain_hex) {
  Bytes blocks = HexDecode(plain_hex);
  EncipherBlocks(key, blocks);
  return HexEncode(blocks);
}

std::string Deciphered(const DesKey& key, std::string_view cipher_hex) {
  Bytes blocks = HexDecode(cipher_hex);
  DecipherBlocks(key, blocks);
  return HexEncode(blocks);
}

struct PublishedVector {
  std::string_view key;
  std::string_view plain;
  std::string_view cipher;
};

void PrintTo(const PublishedVector& v, std::ostream* os) {
  *os << v.key << ' ' << v.plain;
}

class PublishedVectorTest : public testing::TestWithParam<PublishedVector> {};

// Published known answers, with the printed key mirrored into our bit order. The all-zero and
// all-one keys are weak keys: they must be scheduled like any other.
INSTANTIATE_TEST_SUITE_P(
    DesBlock, PublishedVectorTest,
    testing::Values(PublishedVector{"133457799BBCDFF1", "0123456789ABCDEF", "85E813540F0AB405"},
                    PublishedVector{"0123456789ABCDEF", "4E6F772069732074", "3FA40E8A984D4815"},
                    PublishedVector{"0E329232EA6D0D73", "8787878787878787", "0000000000000000"},
                    PublishedVector{"0000000000000000", "0000000000000000", "8CA64DE9C1B123A7"},
                    PublishedVector{"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "7359B2163E4EDC58"}));

TEST_P(PublishedVectorTest, EnciphersAndDeciphersEachBlockOnItsOwn) {
  const PublishedVector& v = GetParam();
  const DesKey key = MirroredKey(v.key);
  EXPECT_EQ(Enciphered(key, v.plain), v.cipher);
  EXPECT_EQ(Deciphered(key, v.cipher), v.plain);

  // Electronic codebook: a repeated block enciphers to the same block at every position.
  const std::string plain3 = std::string(v.plain) + std::string(v.plain) + std::string(v.plain);
  const std::string cipher3 = std::string(v.cipher) + std::string(v.cipher) + std::string(v.cipher);
  EXPECT_EQ(Enciphered(key, plain3), cipher3);
  EXPECT_EQ(Deciphered(key, cipher3), plain3);
}

TEST(DesBlock, PrintedKeyOrderGivesADifferentCipher) {
  // Handing the key over as printed, without mirroring, must not reproduce the published block.
  const Bytes printed = HexDecode("133457799BBCDFF1");
  DesKey unmirrored{};
  for (std::size_t i = 0; i < unmirrored.size(); ++i) {
    unmirrored[i] = static_cast<std::uint8_t>(printed[i]);
  }
  EXPECT_NE(Enciphered(unmirrored, "0123456789ABCDEF"), "85E813540F0AB405");
}

TEST(DesBlock, OnlyTheTopBitOfEachKeyByteIsIgnored) {
  const DesKey base = FoldKey(kSealKeyText);
  const std::string_view plain = "0000000000000000FFFFFFFFFFFFFFFF0123456789ABCDEF";
  const std::string expected = Enciphered(base, plain);
  for (std::size_t k = 0; k < base.size(); ++k) {
    SCOPED_TRACE("key byte " + std::to_string(k));
    DesKey top = base;
    top[k] = static_cast<std::uint8_t>(top[k] ^ 0x80U);
    EXPECT_EQ(Enciphered(top, plain), expected);

    DesKey bottom = base;
    bottom[k] = static_cast<std::uint8_t>(bottom[k] ^ 0x01U);
    const std::string changed = Enciphered(bottom, plain);
    for (std::size_t block = 0; block < 3; ++block) {
      EXPECT_NE(changed.substr(block * 16, 16), expected.substr(block * 16, 16)) << block;
    }
  }
}

TEST(DesBlock, DecipheringUndoesEnciphering) {
  Bytes all_bytes;
  for (int b = 0; b < 256; ++b) all_bytes.push_back(static_cast<char>(b));
  for (const std::string_view key_text : {"wren#", "", "a much longer key text"}) {
    SCOPED_TRACE(key_text);
    const DesKey key = FoldKey(key_text);
    Bytes blocks = all_bytes;
    EncipherBlocks(key, blocks);
    EXPECT_NE(blocks, all_bytes);
    DecipherBlocks(key, blocks);
    EXPECT_EQ(blocks, all_bytes);
  }
}

}  // namespace
}  // namespace varnelle
