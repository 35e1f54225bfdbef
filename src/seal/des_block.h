#pragma once

#include "seal/seal_text.h"

// The DES block cipher of the seal layer, on top of nettle's primitive. Only seal_text.cpp and
// the seal tests use it.
namespace varnelle {

// Enciphers `blocks` in place, each 8-byte block on its own (electronic codebook mode), under
// `key`. The key's bits are read least significant bit first inside each byte: key bit 8k+1 is
// bit 0x01 of key[k] and bit 8k+8, which DES leaves out, is bit 0x80. The size of `blocks` must be
// a multiple of 8.
void EncipherBlocks(const DesKey& key, Bytes& blocks);

// The inverse of EncipherBlocks under the same key.
void DecipherBlocks(const DesKey& key, Bytes& blocks);

}  // namespace varnelle
