// Code page conversion: GBK (code page 936, the system ANSI code page) through glibc's iconv
// ("CP936", which maps 0x80 to the euro sign as Windows does), UTF-8 by hand.
#include "platform/win32/CodePage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/win32/Kernel.h"
#include "platform/win32/internal/Text.h"

namespace win32 {

namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr DWORD WC_NO_BEST_FIT_CHARS = 0x00000400;

// One iconv descriptor, opened once per thread and direction and closed with the thread.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (Ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool Ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  // Converts as far as it can; returns false at a sequence it cannot convert (errno tells why).
  bool Run(const char*& in, std::size_t& inLeft, std::string& out) {
    char buffer[1024];
    while (inLeft > 0) {
      char* inPtr = const_cast<char*>(in);
      char* outPtr = buffer;
      std::size_t outLeft = sizeof buffer;
      const std::size_t result = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
      const int error = errno;
      out.append(buffer, std::size_t(outPtr - buffer));
      in = inPtr;
      if (result != std::size_t(-1)) continue;
      if (error == E2BIG) continue;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
      errno = error;
      return false;
    }
    return true;
  }

 private:
  iconv_t cd_;
};

Converter& FromGbk() {
  thread_local Converter converter("UTF-16LE", "CP936");
  return converter;
}

Converter& ToGbk() {
  thread_local Converter converter("CP936", "UTF-16LE");
  return converter;
}

void AppendUnits(const std::string& bytes, std::u16string& out) {
  const std::size_t count = bytes.size() / 2;
  const std::size_t at = out.size();
  out.resize(at + count);
  std::memcpy(out.data() + at, bytes.data(), count * 2);
}

bool AllAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// GBK to UTF-16: each byte that starts no valid character gives U+FFFD (or fails when strict).
bool DecodeGbk(std::string_view text, std::u16string& out, bool strict) {
  if (AllAscii(text)) {
    out.assign(text.begin(), text.end());
    return true;
  }
  Converter& converter = FromGbk();
  if (!converter.Ok()) return false;
  const char* in = text.data();
  std::size_t left = text.size();
  std::string bytes;
  while (left > 0) {
    bytes.clear();
    const bool done = converter.Run(in, left, bytes);
    AppendUnits(bytes, out);
    if (done) break;
    if (strict) return false;
    out.push_back(kReplacement);
    ++in;
    --left;
  }
  return true;
}

bool IsHigh(char16_t u) {
  return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLow(char16_t u) {
  return u >= 0xDC00 && u <= 0xDFFF;
}

// UTF-16 to GBK: what GBK cannot hold (and unpaired surrogates) becomes the default character.
bool EncodeGbk(std::u16string_view text, std::string& out, std::string_view fallback,
               BOOL* usedDefault) {
  bool ascii = true;
  for (char16_t u : text) ascii = ascii && u < 0x80;
  if (ascii) {
    for (char16_t u : text) out.push_back(char(u));
    return true;
  }
  Converter& converter = ToGbk();
  if (!converter.Ok()) return false;
  const char* in = reinterpret_cast<const char*>(text.data());
  std::size_t left = text.size() * 2;
  while (left > 0) {
    if (converter.Run(in, left, out)) break;
    out.append(fallback);
    if (usedDefault != nullptr) *usedDefault = TRUE;
    const auto* unit = reinterpret_cast<const char16_t*>(in);
    const std::size_t skip = left >= 4 && IsHigh(unit[0]) && IsLow(unit[1]) ? 4 : 2;
    in += skip;
    left -= skip;
  }
  return true;
}

bool DecodeUtf8(std::string_view text, std::u16string& out, bool strict) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  std::size_t i = 0;
  while (i < n) {
    const unsigned char b = p[i];
    int length = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if (b < 0x80) {
      out.push_back(b);
      ++i;
      continue;
    } else if (b >= 0xC2 && b <= 0xDF) {
      length = 2, code = b & 0x1F, minimum = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
      length = 3, code = b & 0x0F, minimum = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
      length = 4, code = b & 0x07, minimum = 0x10000;
    }
    bool valid = length > 0 && i + std::size_t(length) <= n;
    for (int k = 1; valid && k < length; ++k) {
      valid = (p[i + k] & 0xC0) == 0x80;
      code = code << 6 | (p[i + k] & 0x3F);
    }
    valid = valid && code >= minimum && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
    if (!valid) {
      if (strict) return false;
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      code -= 0x10000;
      out.push_back(char16_t(0xD800 + (code >> 10)));
      out.push_back(char16_t(0xDC00 + (code & 0x3FF)));
    } else {
      out.push_back(char16_t(code));
    }
    i += std::size_t(length);
  }
  return true;
}

void EncodeUtf8(std::u16string_view text, std::string& out) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t code = text[i];
    if (IsHigh(text[i]) && i + 1 < text.size() && IsLow(text[i + 1])) {
      code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (IsHigh(text[i]) || IsLow(text[i])) {
      code = kReplacement;  // an unpaired surrogate
    }
    if (code < 0x80) {
      out.push_back(char(code));
    } else if (code < 0x800) {
      out.push_back(char(0xC0 | code >> 6));
      out.push_back(char(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
      out.push_back(char(0xE0 | code >> 12));
      out.push_back(char(0x80 | (code >> 6 & 0x3F)));
      out.push_back(char(0x80 | (code & 0x3F)));
    } else {
      out.push_back(char(0xF0 | code >> 18));
      out.push_back(char(0x80 | (code >> 12 & 0x3F)));
      out.push_back(char(0x80 | (code >> 6 & 0x3F)));
      out.push_back(char(0x80 | (code & 0x3F)));
    }
  }
}

enum class Page { Gbk, Utf8, Unknown };

Page PageOf(UINT codePage) {
  if (codePage == CP_ACP || codePage == CP_GBK) return Page::Gbk;
  if (codePage == CP_UTF8) return Page::Utf8;
  return Page::Unknown;
}

template <class Unit>
int Deliver(const std::basic_string<Unit>& converted, Unit* out, int outSize) {
  if (outSize == 0) return int(converted.size());
  const std::size_t fits = std::min(converted.size(), std::size_t(outSize));
  std::memcpy(out, converted.data(), fits * sizeof(Unit));
  if (fits < converted.size()) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  return int(converted.size());
}

}  // namespace

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int length, LPWSTR out,
                        int outSize) {
  const Page page = PageOf(codePage);
  if (page == Page::Unknown || text == nullptr || length == 0 || length < -1 || outSize < 0 ||
      (out == nullptr && outSize > 0)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if ((flags & ~(MB_PRECOMPOSED | MB_ERR_INVALID_CHARS)) != 0 ||
      (page == Page::Utf8 && (flags & MB_PRECOMPOSED))) {
    SetLastError(ERROR_INVALID_FLAGS);
    return 0;
  }
  const std::size_t count = length == -1 ? std::strlen(text) + 1 : std::size_t(length);
  const std::string_view bytes(text, count);
  const bool strict = (flags & MB_ERR_INVALID_CHARS) != 0;
  std::u16string converted;
  const bool ok = page == Page::Gbk ? DecodeGbk(bytes, converted, strict)
                                    : DecodeUtf8(bytes, converted, strict);
  if (!ok) {
    SetLastError(ERROR_NO_UNICODE_TRANSLATION);
    return 0;
  }
  return Deliver(converted, out, outSize);
}

int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR text, int length, LPSTR out,
                        int outSize, LPCSTR defaultChar, BOOL* usedDefault) {
  const Page page = PageOf(codePage);
  if (page == Page::Unknown || text == nullptr || length == 0 || length < -1 || outSize < 0 ||
      (out == nullptr && outSize > 0) ||
      (page == Page::Utf8 && (defaultChar != nullptr || usedDefault != nullptr))) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if ((page == Page::Gbk && (flags & ~WC_NO_BEST_FIT_CHARS) != 0) ||
      (page == Page::Utf8 && flags != 0)) {
    SetLastError(ERROR_INVALID_FLAGS);
    return 0;
  }
  std::size_t count = 0;
  if (length == -1) {
    while (text[count] != 0) ++count;
    ++count;
  } else {
    count = std::size_t(length);
  }
  const std::u16string_view units(text, count);
  std::string converted;
  if (usedDefault != nullptr) *usedDefault = FALSE;
  if (page == Page::Gbk) {
    std::string_view fallback = "?";
    if (defaultChar != nullptr && defaultChar[0] != '\0') {
      // A double-byte default character is two bytes; a single-byte one, one.
      const bool pair = internal::IsLeadByte(static_cast<unsigned char>(defaultChar[0])) &&
                        defaultChar[1] != '\0';
      fallback = std::string_view(defaultChar, pair ? 2 : 1);
    }
    if (!EncodeGbk(units, converted, fallback, usedDefault)) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return 0;
    }
  } else {
    EncodeUtf8(units, converted);
  }
  return Deliver(converted, out, outSize);
}

namespace internal {

QString ToQString(std::string_view gbk) {
  std::u16string units;
  DecodeGbk(gbk, units, false);
  return QString(reinterpret_cast<const QChar*>(units.data()), qsizetype(units.size()));
}

std::string FromQString(const QString& text) {
  std::string bytes;
  EncodeGbk(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                std::size_t(text.size())),
            bytes, "?", nullptr);
  return bytes;
}

}  // namespace internal

}  // namespace win32
