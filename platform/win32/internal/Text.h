#pragma once
// Inside the stand-in only: GBK bytes to and from Qt strings, for the peers' titles and for the
// keyboard input that becomes WM_CHAR bytes. Invalid bytes become U+FFFD; characters that GBK
// cannot hold become '?'.

#include <QString>
#include <string>
#include <string_view>

namespace win32::internal {

QString ToQString(std::string_view gbk);
std::string FromQString(const QString& text);

// True when `byte` opens a double-byte GBK character.
inline bool IsLeadByte(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}

}  // namespace win32::internal
