// MultiByteToWideChar and WideCharToMultiByte for code page 936 (GBK) and UTF-8.
#include <cstring>
#include <string>

#include "platform/win32/CodePage.h"
#include "platform/win32/Kernel.h"

#include <gtest/gtest.h>

namespace win32test {
namespace {

using namespace win32;

std::u16string Decode(std::string_view bytes, UINT page = CP_ACP, DWORD flags = 0) {
  const int n = MultiByteToWideChar(page, flags, bytes.data(), int(bytes.size()), nullptr, 0);
  std::u16string out(std::size_t(n), u'\0');
  if (n > 0) {
    EXPECT_EQ(MultiByteToWideChar(page, flags, bytes.data(), int(bytes.size()), out.data(), n), n);
  }
  return out;
}

std::string Encode(std::u16string_view units, UINT page = CP_ACP, BOOL* used = nullptr,
                   LPCSTR fallback = nullptr) {
  const int n =
      WideCharToMultiByte(page, 0, units.data(), int(units.size()), nullptr, 0, fallback, used);
  std::string out(std::size_t(n), '\0');
  if (n > 0) {
    EXPECT_EQ(WideCharToMultiByte(page, 0, units.data(), int(units.size()), out.data(), n, fallback,
                                  used),
              n);
  }
  return out;
}

TEST(Win32CodePage, GbkDecoding) {
  struct Case {
    const char* what;
    std::string bytes;
    std::u16string units;
  };
  const Case cases[] = {
      {"ascii", "PoisonWeapon", u"PoisonWeapon"},
      {"two characters", "\xC4\xE3\xBA\xC3", u"你好"},
      {"mixed", "\xD0\xC2PoisonWeapon.txt", u"新PoisonWeapon.txt"},
      {"euro at 0x80", "\x80", u"\u20AC"},
      {"middle dot as Windows maps it", "\xA1\xA4", u"\u00B7"},
      {"em dash as Windows maps it", "\xA1\xAA", u"\u2014"},
      // Bytes that start no character: one U+FFFD each, and decoding goes on.
      {"0xFF", "\xFF", u"\uFFFD"},
      {"lead byte with a bad trail byte", "\x81\x20", u"\uFFFD "},
      {"lead byte at the end", "a\x81", u"a\uFFFD"},
      {"two bad bytes", "\xFF\xFF", u"\uFFFD\uFFFD"},
      {"zero inside", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
  };
  for (const Case& c : cases) EXPECT_EQ(Decode(c.bytes), c.units) << c.what;
  EXPECT_EQ(Decode("\xC4\xE3", CP_GBK), u"你");
}

TEST(Win32CodePage, MinusOneLengthIncludesTheZero) {
  char16_t out[8];
  std::memset(out, 0xbe, sizeof out);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "ab", -1, nullptr, 0), 3);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "ab", -1, out, 8), 3);
  EXPECT_EQ(out[0], u'a');
  EXPECT_EQ(out[2], u'\0');
  EXPECT_EQ(out[3], char16_t(0xbebe));  // nothing more written
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "", -1, out, 8), 1);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"\u4F60", -1, nullptr, 0, nullptr, nullptr), 3);
}

TEST(Win32CodePage, ABufferTooSmallFails) {
  char16_t out[2];
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", 3, out, 2), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  char bytes[3];
  SetLastError(0);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"你好", 2, bytes, 3, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
}

TEST(Win32CodePage, BadArguments) {
  char16_t out[4];
  struct Case {
    const char* what;
    UINT page;
    DWORD flags;
    const char* text;
    int length;
    char16_t* out;
    int size;
    DWORD error;
  };
  const Case cases[] = {
      {"null text", CP_ACP, 0, nullptr, 3, out, 4, ERROR_INVALID_PARAMETER},
      {"zero length", CP_ACP, 0, "a", 0, out, 4, ERROR_INVALID_PARAMETER},
      {"length -2", CP_ACP, 0, "a", -2, out, 4, ERROR_INVALID_PARAMETER},
      {"negative size", CP_ACP, 0, "a", 1, out, -1, ERROR_INVALID_PARAMETER},
      {"null buffer with a size", CP_ACP, 0, "a", 1, nullptr, 4, ERROR_INVALID_PARAMETER},
      {"unknown code page", 1234, 0, "a", 1, out, 4, ERROR_INVALID_PARAMETER},
      {"unknown flag", CP_ACP, 0x100, "a", 1, out, 4, ERROR_INVALID_FLAGS},
      {"precomposed with UTF-8", CP_UTF8, MB_PRECOMPOSED, "a", 1, out, 4, ERROR_INVALID_FLAGS},
  };
  for (const Case& c : cases) {
    SetLastError(0xdeadbeef);
    EXPECT_EQ(MultiByteToWideChar(c.page, c.flags, c.text, c.length, c.out, c.size), 0) << c.what;
    EXPECT_EQ(GetLastError(), c.error) << c.what;
  }
  BOOL used = FALSE;
  char bytes[4];
  SetLastError(0);
  // UTF-8 has no default character.
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"a", 1, bytes, 4, nullptr, &used), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"a", 1, bytes, 4, "?", nullptr), 0);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, nullptr, 1, bytes, 4, nullptr, nullptr), 0);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"a", 0, bytes, 4, nullptr, nullptr), 0);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0x1, u"a", 1, bytes, 4, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
}

TEST(Win32CodePage, StrictDecodingFailsOnInvalidBytes) {
  char16_t out[4];
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, "a\xFF", 2, out, 4), 0);
  EXPECT_EQ(GetLastError(), ERROR_NO_UNICODE_TRANSLATION);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, "\xC4\xE3", 2, out, 4), 1);
}

TEST(Win32CodePage, GbkEncoding) {
  EXPECT_EQ(Encode(u"你好"), "\xC4\xE3\xBA\xC3");
  EXPECT_EQ(Encode(u"新PoisonWeapon.txt"), "\xD0\xC2PoisonWeapon.txt");
  EXPECT_EQ(Encode(u"\u20AC"), "\x80");
  BOOL used = 0xdeadbeef;
  EXPECT_EQ(Encode(u"ab", CP_ACP, &used), "ab");
  EXPECT_EQ(used, FALSE);
  // What GBK cannot hold becomes the default character, and the call says so.
  EXPECT_EQ(Encode(u"a\U0001F600b", CP_ACP, &used), "a?b");
  EXPECT_EQ(used, TRUE);
  EXPECT_EQ(Encode(u"\u0E01", CP_ACP, &used, "*"), "*");                // a Thai letter
  EXPECT_EQ(Encode(u"x\xD800y", CP_ACP, &used), "x?y");                 // an unpaired surrogate
  EXPECT_EQ(Encode(u"\u0E01", CP_ACP, &used, "\xA1\xA1"), "\xA1\xA1");  // double-byte default
}

TEST(Win32CodePage, EveryGbkCharacterGoesRoundTrip) {
  int characters = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const std::string bytes{char(lead), char(trail)};
      const std::u16string units = Decode(bytes);
      if (units == u"\uFFFD" || units.size() != 1) continue;
      ++characters;
      ASSERT_EQ(Encode(units), bytes) << lead << " " << trail;
    }
  }
  EXPECT_GT(characters, 21000);  // GBK has 21886 double-byte characters
}

TEST(Win32CodePage, Utf8) {
  EXPECT_EQ(Decode("\xE4\xBD\xA0", CP_UTF8), u"你");
  EXPECT_EQ(Decode("\xF0\x9F\x98\x80", CP_UTF8), u"\U0001F600");
  EXPECT_EQ(Decode("a\xC0\x80z", CP_UTF8), u"a\uFFFD\uFFFDz");  // an overlong form
  EXPECT_EQ(Encode(u"\U0001F600", CP_UTF8), "\xF0\x9F\x98\x80");
  EXPECT_EQ(Encode(u"\xDC00", CP_UTF8), "\xEF\xBF\xBD");
  EXPECT_EQ(Encode(u"\u65B0", CP_UTF8), "\xE6\x96\xB0");
}

}  // namespace
}  // namespace win32test
