#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Sealing of the data file's values: a length-prefixed frame, enciphered block by block with DES
// under a key folded from a fixed key text, written as uppercase hexadecimal digits. The seal
// keeps entries out of plain sight; with a fixed key it is obfuscation, not encryption.
namespace varnelle {

// Raw bytes; unlike a text, a byte string may hold NUL bytes.
using Bytes = std::string;

using DesKey = std::array<std::uint8_t, 8>;

// The key text every copy of the program seals with, so any copy opens any data file.
inline constexpr std::string_view kSealKeyText = "wren#";

// XORs the key text's bytes (up to its first NUL) cyclically into eight zero bytes.
DesKey FoldKey(std::string_view key_text);

// The frame (length, payload, zero fill) enciphered in ECB mode; empty for an empty payload and
// for one too long for the frame's 32-bit signed length field.
Bytes SealBytes(std::string_view payload, std::string_view key_text);

// The payload of an enciphered frame, or empty when the frame is rejected.
Bytes UnsealBytes(std::string_view sealed, std::string_view key_text);

// Two uppercase hexadecimal digits per byte, upper half first.
std::string HexEncode(std::string_view bytes);

// Reads `text` up to its first NUL, drops ASCII spaces and full-width spaces (A1 A1; any other
// two-byte character is kept whole, and a lone first byte at the end is dropped), then reads digit
// pairs; an unpaired last digit is ignored. Only "0123456789ABCDEF" are digits: any other
// character, lowercase letters included, counts as 0.
Bytes HexDecode(std::string_view text);

// SealBytes under kSealKeyText, then HexEncode. The empty text seals to the empty text.
std::string SealText(std::string_view text);

// HexDecode, then UnsealBytes under kSealKeyText, cut at the first NUL; empty when the value
// does not unseal.
std::string UnsealText(std::string_view sealed);

}  // namespace varnelle
