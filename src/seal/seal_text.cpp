#include "seal/seal_text.h"

#include <cstddef>
#include <cstdint>
#include <limits>

#include "common/gbk_text.h"
#include "seal/des_block.h"

namespace varnelle {

namespace {

constexpr std::size_t kBlockSize = 8;
constexpr std::size_t kLengthFieldSize = 4;
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// The bytes of a text: those before its first NUL, or all of them when it holds none.
std::string_view TextBytes(std::string_view text) {
  return text.substr(0, text.find('\0'));
}

std::uint8_t ByteAt(std::string_view bytes, std::size_t index) {
  return static_cast<std::uint8_t>(bytes[index]);
}

// The value of a hexadecimal digit. Anything else (lowercase letters, control characters, the
// bytes of two-byte characters) counts as 0: the decoded bytes still go through the frame checks,
// which turn away nearly all such garbage.
std::uint8_t DigitValue(char c) {
  const std::size_t position = kHexDigits.find(c);
  return position == std::string_view::npos ? std::uint8_t{0} : static_cast<std::uint8_t>(position);
}

// Drops the ASCII spaces and the full-width spaces (A1 A1) of a text. A byte of 0x80 or more is
// the first of a two-byte character: the pair is kept whole unless it is the full-width space, so
// a space that is a character's second byte stays. A first byte with nothing after it is dropped.
std::string RemoveSpaces(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (!IsLeadByte(text[i])) {
      if (text[i] != ' ') kept.push_back(text[i]);
      ++i;
      continue;
    }
    if (i + 1 >= text.size()) break;
    if (!(ByteAt(text, i) == 0xA1 && ByteAt(text, i + 1) == 0xA1)) kept.append(text.substr(i, 2));
    i += 2;
  }
  return kept;
}

}  // namespace

DesKey FoldKey(std::string_view key_text) {
  DesKey key{};
  const std::string_view bytes = TextBytes(key_text);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    key[i % key.size()] = static_cast<std::uint8_t>(key[i % key.size()] ^ ByteAt(bytes, i));
  }
  return key;
}

Bytes SealBytes(std::string_view payload, std::string_view key_text) {
  // A payload whose length the 32-bit field cannot hold has no frame, like the empty one.
  if (payload.empty() ||
      payload.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    return {};
  }
  const auto length = static_cast<std::uint32_t>(payload.size());
  const std::size_t unpadded = kLengthFieldSize + payload.size();
  const std::size_t frame_size = (unpadded + kBlockSize - 1) / kBlockSize * kBlockSize;

  Bytes frame;
  frame.reserve(frame_size);
  for (std::size_t shift = 0; shift < 32; shift += 8) {
    frame.push_back(static_cast<char>((length >> shift) & 0xFFU));
  }
  frame.append(payload);
  frame.resize(frame_size, '\0');

  EncipherBlocks(FoldKey(key_text), frame);
  return frame;
}

Bytes UnsealBytes(std::string_view sealed, std::string_view key_text) {
  const std::size_t size = sealed.size();
  if (size == 0 || size % kBlockSize != 0) return {};

  Bytes frame(sealed);
  DecipherBlocks(FoldKey(key_text), frame);

  std::uint32_t field = 0;
  for (std::size_t i = kLengthFieldSize; i-- > 0;) {
    field = (field << 8) | ByteAt(frame, i);
  }
  // The conversion is modular since C++20, so a field with its top bit set reads as negative.
  const auto length = static_cast<std::int32_t>(field);
  if (length <= 0) return {};

  // Accept only the one frame size SealBytes makes for this length: length + 4 <= size and
  // size < length + 12, that is, at most 7 fill bytes. The sums stay far below 2^64.
  const auto payload_size = static_cast<std::uint64_t>(length);
  const auto frame_bytes = static_cast<std::uint64_t>(size);
  if (payload_size + kLengthFieldSize > frame_bytes) return {};
  if (frame_bytes >= payload_size + kLengthFieldSize + kBlockSize) return {};

  return frame.substr(kLengthFieldSize, static_cast<std::size_t>(payload_size));
}

std::string HexEncode(std::string_view bytes) {
  std::string digits;
  digits.reserve(bytes.size() * 2);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const std::uint8_t byte = ByteAt(bytes, i);
    digits.push_back(kHexDigits[static_cast<std::size_t>(byte >> 4)]);
    digits.push_back(kHexDigits[static_cast<std::size_t>(byte & 0x0FU)]);
  }
  return digits;
}

Bytes HexDecode(std::string_view text) {
  const std::string digits = RemoveSpaces(TextBytes(text));
  Bytes bytes;
  bytes.reserve(digits.size() / 2);
  for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
    const auto high = DigitValue(digits[i]);
    const auto low = DigitValue(digits[i + 1]);
    bytes.push_back(static_cast<char>((high << 4) | low));
  }
  return bytes;
}

std::string SealText(std::string_view text) {
  return HexEncode(SealBytes(TextBytes(text), kSealKeyText));
}

std::string UnsealText(std::string_view sealed) {
  return std::string(TextBytes(UnsealBytes(HexDecode(sealed), kSealKeyText)));
}

}  // namespace varnelle
