#pragma once
// Conversion between the system ANSI code page (936, GBK) and UTF-16, as MultiByteToWideChar and
// WideCharToMultiByte do it. Bytes that are not valid GBK decode to U+FFFD each.

#include "platform/win32/Types.h"

namespace win32 {

inline constexpr UINT CP_ACP = 0;
inline constexpr UINT CP_GBK = 936;
inline constexpr UINT CP_UTF8 = 65001;

// MultiByteToWideChar flags: MB_ERR_INVALID_CHARS makes an invalid byte fail the call
// (ERROR_NO_UNICODE_TRANSLATION) instead of decoding to U+FFFD.
inline constexpr DWORD MB_PRECOMPOSED = 0x00000001;
inline constexpr DWORD MB_ERR_INVALID_CHARS = 0x00000008;

// With length -1 the text runs to its zero byte, which is converted too. With outSize 0 only the
// count of units needed is returned. Returns 0 on failure (bad arguments or a too small buffer).
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int length, LPWSTR out,
                        int outSize);
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR text, int length, LPSTR out,
                        int outSize, LPCSTR defaultChar, BOOL* usedDefault);

}  // namespace win32
