#pragma once
// The basic types and constants of the Win32 subset the tool calls, with their published names and
// values. Built for x86-64: handles and LONG_PTR values are pointer-sized; plain LONG, DWORD and
// the structures that hold no pointer keep their 32-bit sizes.

#include <cstddef>
#include <cstdint>

namespace win32 {

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using ULONG_PTR = std::uintptr_t;
using DWORD_PTR = std::uintptr_t;
using SIZE_T = std::size_t;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LRESULT = LONG_PTR;
using ATOM = WORD;
using COLORREF = DWORD;
using CHAR = char;
using WCHAR = char16_t;  // UTF-16 code unit, as Windows' wchar_t
using LPSTR = char*;
using LPCSTR = const char*;
using LPWSTR = WCHAR*;
using LPCWSTR = const WCHAR*;
using LPVOID = void*;
using LPCVOID = const void*;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// Opaque handle types. Every value comes from the stand-in's own tables; a freed or destroyed
// handle is invalid at once and is never handed out again.
struct HWND__;
struct HDC__;
struct HGDIOBJ__;
struct HGLOBAL__;
struct HINSTANCE__;
struct HANDLE__;
struct HCURSOR__;
struct HMENU__;
using HWND = HWND__*;
using HDC = HDC__*;
using HGDIOBJ = HGDIOBJ__*;
using HBITMAP = HGDIOBJ;
using HFONT = HGDIOBJ;
using HBRUSH = HGDIOBJ;
using HPEN = HGDIOBJ;
using HGLOBAL = HGLOBAL__*;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;
using HANDLE = HANDLE__*;
using HCURSOR = HCURSOR__*;
using HICON = HCURSOR;
using HMENU = HMENU__*;

struct POINT {
  LONG x;
  LONG y;
};
struct SIZE {
  LONG cx;
  LONG cy;
};
struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};

inline constexpr BYTE GetRValue(COLORREF c) { return BYTE(c); }
inline constexpr BYTE GetGValue(COLORREF c) { return BYTE(c >> 8); }
inline constexpr BYTE GetBValue(COLORREF c) { return BYTE(c >> 16); }
inline constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
  return COLORREF(r) | COLORREF(g) << 8 | COLORREF(b) << 16;
}
inline constexpr WORD LOWORD(DWORD_PTR v) { return WORD(v & 0xFFFF); }
inline constexpr WORD HIWORD(DWORD_PTR v) { return WORD((v >> 16) & 0xFFFF); }
inline constexpr LPARAM MAKELPARAM(int lo, int hi) {
  return LPARAM(DWORD(WORD(lo)) | DWORD(WORD(hi)) << 16);
}
// Signed coordinates packed into a mouse message's lParam.
inline constexpr int GET_X_LPARAM(LPARAM lp) { return short(LOWORD(DWORD_PTR(lp))); }
inline constexpr int GET_Y_LPARAM(LPARAM lp) { return short(HIWORD(DWORD_PTR(lp))); }
inline LPCSTR MAKEINTRESOURCEA(WORD id) { return reinterpret_cast<LPCSTR>(ULONG_PTR(id)); }

}  // namespace win32
