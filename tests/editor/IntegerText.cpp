// The integer input boxes' rules: the typed-character filter and the rewrite on losing the focus.
#include "platform/runtime/IntegerText.h"

#include <string>

#include <gtest/gtest.h>

namespace runtime {
namespace {

using namespace std::string_literals;

struct RewriteCase {
  std::string text;
  std::string rewritten;
};

TEST(IntegerText, RewriteOnFocusOut) {
  const RewriteCase cases[] = {
      {"", ""},
      {"0", ""},
      {"-0", ""},
      {"000", ""},
      {"7", "7"},
      {"007", "7"},
      {"-5", "-5"},
      {"  -5", "-5"},
      {"\t\n\v\f\r 42", "42"},
      {"+9", "9"},
      {"12x", "12"},
      {"12 34", "12"},
      {"1-2", "1"},
      {"abc", ""},
      {"-", ""},
      {"+", ""},
      {"--5", ""},
      {"+-5", ""},
      {"- 5", ""},
      {"\xA1\xA1"
       "5",
       ""},  // the GBK double-byte space is no white space
      {"2147483647", "2147483647"},
      {"2147483648", "2147483647"},
      {"-2147483648", "-2147483648"},
      {"-2147483649", "-2147483648"},
      {"99999999999", "2147483647"},
      {"-99999999999", "-2147483648"},
      {"9223372036854775807", "2147483647"},
      {"9223372036854775808", "2147483647"},
      {"-9223372036854775808", "-2147483648"},
      {"1234567890123456789012345", "2147483647"},
      {"-1234567890123456789012345", "-2147483648"},
      {"0000000000000000000000000000000000012", "12"},
  };
  for (const RewriteCase& c : cases) {
    SCOPED_TRACE("text: \"" + c.text + "\"");
    EXPECT_EQ(RewriteIntegerText(c.text), c.rewritten);
  }
}

TEST(IntegerText, ValueIsClampedToThirtyTwoBits) {
  EXPECT_EQ(IntegerTextValue("99999999999"), 2147483647);
  EXPECT_EQ(IntegerTextValue("-99999999999"), -2147483647 - 1);
  EXPECT_EQ(IntegerTextValue(" +31x"), 31);
  EXPECT_EQ(IntegerTextValue("x31"), 0);
}

TEST(IntegerText, RewriteIsStable) {
  // A rewritten text rewrites to itself, so a second focus-out leaves the box alone.
  for (const char* text : {"", "7", "-5", "2147483647", "-2147483648"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(RewriteIntegerText(text), text);
  }
}

struct CharCase {
  std::uint32_t code;
  bool accepted;
};

TEST(IntegerText, TypedCharacterFilter) {
  const CharCase cases[] = {
      {0x08, true},  // Backspace
      {0x03, true},  // Ctrl+C
      {0x16, true},  // Ctrl+V
      {0x18, true},  // Ctrl+X
      {0x1A, true},  // Ctrl+Z
      {0x0D, true},  // Enter
      {0x1F, true},  // last control character
      {0x00, true},    {' ', false}, {'-', true},   {'+', false},
      {'0', true},     {'5', true},  {'9', true},   {'/', false},  // just below '0'
      {':', false},                                                // just above '9'
      {'a', false},    {'.', false}, {0x7F, false},                // DEL
      {0xA3, false},                                               // a GBK lead byte
      {0xFF10, false},                                             // the full-width digit zero
      {0x4E00, false},
  };
  for (const CharCase& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(IntegerBoxAcceptsChar(c.code), c.accepted);
  }
}

}  // namespace
}  // namespace runtime
