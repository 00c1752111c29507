#include "uikit/TextConvert.h"

#include "platform/win32/CodePage.h"

namespace uikit {

bytes::ByteBlock AnsiToUtf16(const char* text) {
  // The first call only counts; it is given a real, empty area rather than no buffer at all.
  win32::WCHAR none[1] = {0};
  const int n = win32::MultiByteToWideChar(win32::CP_ACP, 0, text, -1, none, 0);
  bytes::ByteBlock block(2 * static_cast<std::size_t>(n > 0 ? n : 0));
  if (n > 0) {
    win32::MultiByteToWideChar(win32::CP_ACP, 0, text, -1,
                               reinterpret_cast<win32::WCHAR*>(block.data()), n);
  }
  return block;
}

}  // namespace uikit
