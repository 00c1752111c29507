// SetPropA, GetPropA, RemovePropA.
#include "tests/platform/win32/Support.h"

namespace win32test {
namespace {

using Win32Properties = Win32Test;

HANDLE Value(ULONG_PTR v) {
  return reinterpret_cast<HANDLE>(v);
}

TEST_F(Win32Properties, SetGetRemove) {
  HWND w = MakeWindow();
  EXPECT_EQ(GetPropA(w, "PngControl_Type"), nullptr);  // absent reads as 0
  EXPECT_TRUE(SetPropA(w, "PngControl_Type", Value(3)));
  EXPECT_EQ(GetPropA(w, "PngControl_Type"), Value(3));
  EXPECT_TRUE(SetPropA(w, "PngControl_Type", Value(4)));  // replaced
  EXPECT_EQ(GetPropA(w, "PngControl_Type"), Value(4));
  EXPECT_EQ(RemovePropA(w, "PngControl_Type"), Value(4));
  EXPECT_EQ(GetPropA(w, "PngControl_Type"), nullptr);
  EXPECT_EQ(RemovePropA(w, "PngControl_Type"), nullptr);
}

TEST_F(Win32Properties, ValuesArePointerSized) {
  HWND w = MakeWindow();
  const ULONG_PTR wide = 0x123456789ABCDEF0;
  SetPropA(w, "Vesta_Image", Value(wide));
  EXPECT_EQ(GetPropA(w, "Vesta_Image"), Value(wide));
}

TEST_F(Win32Properties, NamesIgnoreCaseAndAtomsAreNames) {
  HWND w = MakeWindow();
  SetPropA(w, "VestaHitMove", Value(1));
  EXPECT_EQ(GetPropA(w, "vestahitmove"), Value(1));
  EXPECT_EQ(GetPropA(w, "VESTAHITMOVE"), Value(1));
  SetPropA(w, MAKEINTRESOURCEA(0xC123), Value(9));
  EXPECT_EQ(GetPropA(w, MAKEINTRESOURCEA(0xC123)), Value(9));
  EXPECT_EQ(GetPropA(w, MAKEINTRESOURCEA(0xC124)), nullptr);
}

TEST_F(Win32Properties, PropertiesBelongToOneWindow) {
  HWND a = MakeWindow();
  HWND b = MakeWindow();
  SetPropA(a, "p", Value(1));
  EXPECT_EQ(GetPropA(b, "p"), nullptr);
}

TEST_F(Win32Properties, AZeroValueIsStoredButReadsAsAbsent) {
  HWND w = MakeWindow();
  EXPECT_TRUE(SetPropA(w, "zero", nullptr));
  EXPECT_EQ(GetPropA(w, "zero"), nullptr);
  EXPECT_EQ(RemovePropA(w, "zero"), nullptr);
}

TEST_F(Win32Properties, BadArguments) {
  HWND w = MakeWindow();
  SetLastError(0);
  EXPECT_FALSE(SetPropA(w, nullptr, Value(1)));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(GetPropA(w, nullptr), nullptr);
  EXPECT_EQ(RemovePropA(w, nullptr), nullptr);
  SetPropA(w, "p", Value(1));
  DestroyWindow(w);
  SetLastError(0);
  EXPECT_FALSE(SetPropA(w, "p", Value(2)));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(GetPropA(w, "p"), nullptr);
  EXPECT_EQ(RemovePropA(w, "p"), nullptr);
  EXPECT_EQ(GetPropA(nullptr, "p"), nullptr);
}

TEST_F(Win32Properties, ReadableUntilTheLastDestroyMessage) {
  HWND w = MakeWindow();
  SetPropA(w, "Vesta_Thread", Value(5));
  std::vector<HANDLE> seen;
  SetHook([&](HWND self, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_DESTROY || m == WM_NCDESTROY) seen.push_back(GetPropA(self, "Vesta_Thread"));
    return std::nullopt;
  });
  DestroyWindow(w);
  EXPECT_EQ(seen, (std::vector<HANDLE>{Value(5), Value(5)}));
}

}  // namespace
}  // namespace win32test
