// The interface identifiers the stand-in answers to, and GUID text parsing.

#include <cstddef>
#include <initializer_list>

#include "platform/com/Com.h"

namespace com {

const IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID_ISequentialStream = {
    0x0C733A30, 0x2A1C, 0x11CE, {0xAD, 0xE5, 0x00, 0xAA, 0x00, 0x44, 0x77, 0x3D}};
const IID IID_IStream = {0x0000000C, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

namespace {

int HexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

// Reads `digits` hex digits at `text`; false when one of them is not a hex digit.
bool ReadHex(const char16_t* text, int digits, std::uint32_t* value) {
  std::uint32_t v = 0;
  for (int i = 0; i < digits; ++i) {
    int d = HexValue(text[i]);
    if (d < 0) return false;
    v = v << 4 | std::uint32_t(d);
  }
  *value = v;
  return true;
}

// Parses the braced form exactly: 38 characters, then the end of the text.
bool ParseGuid(const char16_t* text, GUID* guid) {
  constexpr int kLength = 38;
  for (int i = 0; i < kLength; ++i) {
    if (text[i] == u'\0') return false;
  }
  if (text[kLength] != u'\0') return false;
  if (text[0] != u'{' || text[37] != u'}') return false;
  for (int dash : {9, 14, 19, 24}) {
    if (text[dash] != u'-') return false;
  }
  GUID g{};
  std::uint32_t v = 0;
  if (!ReadHex(text + 1, 8, &v)) return false;
  g.Data1 = v;
  if (!ReadHex(text + 10, 4, &v)) return false;
  g.Data2 = std::uint16_t(v);
  if (!ReadHex(text + 15, 4, &v)) return false;
  g.Data3 = std::uint16_t(v);
  // Data4: two bytes before the last dash, six after it.
  constexpr int kByteAt[8] = {20, 22, 25, 27, 29, 31, 33, 35};
  for (int i = 0; i < 8; ++i) {
    if (!ReadHex(text + kByteAt[i], 2, &v)) return false;
    g.Data4[i] = std::uint8_t(v);
  }
  *guid = g;
  return true;
}

}  // namespace

// A null text gives the null CLSID with S_OK, as the system does. Any other text that is not a
// braced GUID would name a class by its ProgID; there is no class registry here, so it is
// CO_E_CLASSSTRING, and the CLSID is left as it was.
HRESULT CLSIDFromString(const char16_t* text, CLSID* clsid) {
  if (clsid == nullptr) return E_INVALIDARG;
  if (text == nullptr) {
    *clsid = CLSID{};
    return S_OK;
  }
  return ParseGuid(text, clsid) ? S_OK : CO_E_CLASSSTRING;
}

}  // namespace com
