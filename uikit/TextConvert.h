#pragma once
// The kit's one text conversion: an ANSI text (the system code page, GBK) to a byte block of
// UTF-16LE units with a terminating zero unit, for the GDI+ and COM calls that take wide strings.
// A null text gives an empty block; the block owns its bytes.

#include "platform/bytes/ByteBlock.h"

namespace uikit {

bytes::ByteBlock AnsiToUtf16(const char* text);

}  // namespace uikit
