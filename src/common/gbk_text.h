#pragma once

namespace varnelle {

// In GBK and GB18030 texts a byte of 0x80 or above starts a character of two (or four) bytes;
// anything below is a character on its own. Scans that step by characters use this, so a second
// byte that happens to look like ASCII ("-", "]", a letter) is never taken for one.
inline bool IsLeadByte(char c) {
  return static_cast<unsigned char>(c) >= 0x80;
}

}  // namespace varnelle
