#pragma once
// The rules of the integer input boxes (poison chance, HP drain, base time, extended time), as
// pure functions: which typed characters a box takes, and how its text is rewritten when it loses
// the input focus. Neither can fail: any character code and any bytes have an answer.

#include <cstdint>
#include <string>
#include <string_view>

namespace runtime {

// Whether an integer box takes a typed character. Control characters (codes below 32: Backspace,
// the clipboard shortcuts) pass; of the others only "-" and the digits 0 to 9 are taken.
bool IntegerBoxAcceptsChar(std::uint32_t code);

// The value an integer box's text stands for: leading white space skipped, an optional "+" or
// "-", then the digits up to the first non-digit (none gives 0), read as a 64-bit integer that
// saturates on overflow, then clamped to the 32-bit signed range.
std::int32_t IntegerTextValue(std::string_view text);

// The text an integer box shows after losing the focus: the value in decimal, or the empty text
// for 0. The box replaces its text only when this differs from it.
std::string RewriteIntegerText(std::string_view text);

}  // namespace runtime
