#include "seal/des_block.h"

#include <cassert>
#include <cstddef>
#include <cstdint>

#include <nettle/des.h>

namespace varnelle {

namespace {

std::uint8_t ReverseBitOrder(std::uint8_t byte) {
  const unsigned bits = byte;
  unsigned reversed = 0;
  for (unsigned bit = 0; bit < 8; ++bit) {
    reversed = (reversed << 1U) | ((bits >> bit) & 1U);
  }
  return static_cast<std::uint8_t>(reversed);
}

// Nettle reads each key byte most significant bit first, as DES is usually printed; our keys are
// read the other way round, so each byte is mirrored before the key schedule is built.
des_ctx ScheduleKey(const DesKey& key) {
  std::uint8_t mirrored[DES_KEY_SIZE];
  for (std::size_t i = 0; i < DES_KEY_SIZE; ++i) mirrored[i] = ReverseBitOrder(key[i]);
  des_ctx context{};
  // The return value only flags the weak and semi-weak keys; the schedule is built for every key,
  // and a weak key is as good as any other for this fixed-key seal.
  static_cast<void>(des_set_key(&context, mirrored));
  return context;
}

// unsigned char may alias any object, and std::uint8_t is unsigned char wherever nettle builds.
std::uint8_t* AsBytePointer(Bytes& bytes) {
  return reinterpret_cast<std::uint8_t*>(bytes.data());
}

}  // namespace

void EncipherBlocks(const DesKey& key, Bytes& blocks) {
  assert(blocks.size() % DES_BLOCK_SIZE == 0);
  if (blocks.empty()) return;
  const des_ctx context = ScheduleKey(key);
  des_encrypt(&context, blocks.size(), AsBytePointer(blocks), AsBytePointer(blocks));
}

void DecipherBlocks(const DesKey& key, Bytes& blocks) {
  assert(blocks.size() % DES_BLOCK_SIZE == 0);
  if (blocks.empty()) return;
  const des_ctx context = ScheduleKey(key);
  des_decrypt(&context, blocks.size(), AsBytePointer(blocks), AsBytePointer(blocks));
}

}  // namespace varnelle
