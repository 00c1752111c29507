#include "platform/runtime/IntegerText.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace runtime {

namespace {

// The C locale's white space; the boxes hold GBK bytes, none of which is white space above 0x7F.
constexpr bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Reads the 64-bit value, saturating at the ends of the range instead of wrapping.
std::int64_t ReadInt64(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsWhiteSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Accumulate the magnitude as unsigned: the negative end of the range is one larger.
  constexpr std::uint64_t kMaxMagnitude = std::uint64_t{1} << 63;
  const std::uint64_t limit = negative ? kMaxMagnitude : kMaxMagnitude - 1;
  std::uint64_t magnitude = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    const auto digit = static_cast<std::uint64_t>(text[i] - '0');
    if (magnitude > (limit - digit) / 10) {
      magnitude = limit;  // saturated; the remaining digits change nothing
    } else {
      magnitude = magnitude * 10 + digit;
    }
  }
  if (!negative) return static_cast<std::int64_t>(magnitude);
  if (magnitude == kMaxMagnitude) return std::numeric_limits<std::int64_t>::min();
  return -static_cast<std::int64_t>(magnitude);
}

}  // namespace

bool IntegerBoxAcceptsChar(std::uint32_t code) {
  if (code < 32) return true;
  return code == '-' || (code >= '0' && code <= '9');
}

std::int32_t IntegerTextValue(std::string_view text) {
  const std::int64_t value =
      std::clamp<std::int64_t>(ReadInt64(text), std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max());
  return static_cast<std::int32_t>(value);
}

std::string RewriteIntegerText(std::string_view text) {
  const std::int32_t value = IntegerTextValue(text);
  if (value == 0) return {};
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  return std::string(digits, result.ptr);
}

}  // namespace runtime
