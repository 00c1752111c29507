// RegisterClassExA, GetClassInfoExA, UnregisterClassA, GetModuleHandleA, LoadCursorA.
#include <cstring>

#include "tests/platform/win32/Support.h"

namespace win32test {
namespace {

using Win32Classes = Win32Test;

LRESULT OtherProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return DefWindowProcA(w, m, wp, lp);
}

WNDCLASSEXA Filled(const char* name) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = OtherProc;
  wc.cbClsExtra = 8;
  wc.cbWndExtra = 16;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hIcon = reinterpret_cast<HICON>(0x1234);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszMenuName = "TheMenu";
  wc.lpszClassName = name;
  wc.hIconSm = reinterpret_cast<HICON>(0x5678);
  return wc;
}

class ClassGuard {
 public:
  explicit ClassGuard(const char* name) : name_(name) {}
  ~ClassGuard() { UnregisterClassA(name_, GetModuleHandleA(nullptr)); }

 private:
  const char* name_;
};

TEST_F(Win32Classes, EveryFieldIsKept) {
  ClassGuard guard("KeepAll");
  char menu[] = "TheMenu";
  WNDCLASSEXA wc = Filled("KeepAll");
  wc.lpszMenuName = menu;
  const ATOM atom = RegisterClassExA(&wc);
  ASSERT_NE(atom, 0);
  std::strcpy(menu, "Changed");  // the class keeps its own copy

  WNDCLASSEXA out;
  std::memset(&out, 0xde, sizeof out);
  EXPECT_EQ(GetClassInfoExA(GetModuleHandleA(nullptr), "KeepAll", &out), BOOL(atom));
  EXPECT_EQ(out.cbSize, sizeof(WNDCLASSEXA));
  EXPECT_EQ(out.style, CS_HREDRAW | CS_VREDRAW);
  EXPECT_EQ(out.lpfnWndProc, OtherProc);
  EXPECT_EQ(out.cbClsExtra, 8);
  EXPECT_EQ(out.cbWndExtra, 16);
  EXPECT_EQ(out.hInstance, GetModuleHandleA(nullptr));
  EXPECT_EQ(out.hIcon, reinterpret_cast<HICON>(0x1234));
  EXPECT_EQ(out.hCursor, LoadCursorA(nullptr, IDC_ARROW));
  EXPECT_EQ(out.hbrBackground, reinterpret_cast<HBRUSH>(16));
  EXPECT_STREQ(out.lpszMenuName, "TheMenu");
  EXPECT_STREQ(out.lpszClassName, "KeepAll");
  EXPECT_EQ(out.hIconSm, reinterpret_cast<HICON>(0x5678));
}

TEST_F(Win32Classes, NullInstanceIsTheExecutablesModule) {
  ClassGuard guard("NullInstance");
  WNDCLASSEXA wc = Filled("NullInstance");
  wc.hInstance = nullptr;
  ASSERT_NE(RegisterClassExA(&wc), 0);
  WNDCLASSEXA out{};
  EXPECT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "NullInstance", &out));
  EXPECT_EQ(out.hInstance, GetModuleHandleA(nullptr));
  EXPECT_TRUE(GetClassInfoExA(nullptr, "NullInstance", &out));
}

TEST_F(Win32Classes, RegistrationFailures) {
  ClassGuard guard("Twice");
  WNDCLASSEXA good = Filled("Twice");
  ASSERT_NE(RegisterClassExA(&good), 0);
  struct Case {
    const char* what;
    WNDCLASSEXA wc;
    DWORD error;
  };
  auto with = [](auto change) {
    WNDCLASSEXA wc = Filled("Bad");
    change(wc);
    return wc;
  };
  const std::string longName(256, 'n');
  const Case cases[] = {
      // 48 is the structure's size in a 32-bit process; this one is built for x86-64.
      {"32-bit size", with([](WNDCLASSEXA& wc) { wc.cbSize = 48; }), ERROR_INVALID_PARAMETER},
      {"zero size", with([](WNDCLASSEXA& wc) { wc.cbSize = 0; }), ERROR_INVALID_PARAMETER},
      {"no procedure", with([](WNDCLASSEXA& wc) { wc.lpfnWndProc = nullptr; }),
       ERROR_INVALID_PARAMETER},
      {"no name", with([](WNDCLASSEXA& wc) { wc.lpszClassName = nullptr; }),
       ERROR_INVALID_PARAMETER},
      {"atom name", with([](WNDCLASSEXA& wc) { wc.lpszClassName = MAKEINTRESOURCEA(5); }),
       ERROR_INVALID_PARAMETER},
      {"name too long", with([&](WNDCLASSEXA& wc) { wc.lpszClassName = longName.c_str(); }),
       ERROR_INVALID_PARAMETER},
      {"negative class extra", with([](WNDCLASSEXA& wc) { wc.cbClsExtra = -1; }),
       ERROR_INVALID_PARAMETER},
      {"negative window extra", with([](WNDCLASSEXA& wc) { wc.cbWndExtra = -4; }),
       ERROR_INVALID_PARAMETER},
      {"same name", Filled("Twice"), ERROR_CLASS_ALREADY_EXISTS},
      {"same name in other case", Filled("tWICE"), ERROR_CLASS_ALREADY_EXISTS},
  };
  for (const Case& c : cases) {
    SetLastError(0xdeadbeef);
    EXPECT_EQ(RegisterClassExA(&c.wc), 0) << c.what;
    EXPECT_EQ(GetLastError(), c.error) << c.what;
  }
  SetLastError(0xdeadbeef);
  EXPECT_EQ(RegisterClassExA(nullptr), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST_F(Win32Classes, GetClassInfoFailuresLeaveTheStructureAlone) {
  WNDCLASSEXA out;
  std::memset(&out, 0xde, sizeof out);
  SetLastError(0);
  EXPECT_FALSE(GetClassInfoExA(nullptr, "NoSuchClass", &out));
  EXPECT_EQ(GetLastError(), ERROR_CLASS_DOES_NOT_EXIST);
  EXPECT_EQ(out.style, 0xdededede);
  EXPECT_FALSE(GetClassInfoExA(nullptr, nullptr, &out));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_FALSE(GetClassInfoExA(nullptr, kClass, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST_F(Win32Classes, UnregisterWaitsForTheLastWindow) {
  WNDCLASSEXA wc = Filled("Going");
  const ATOM first = RegisterClassExA(&wc);
  ASSERT_NE(first, 0);
  HWND w =
      CreateWindowExA(0, "going", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(w, nullptr);
  SetLastError(0);
  EXPECT_FALSE(UnregisterClassA("Going", nullptr));
  EXPECT_EQ(GetLastError(), ERROR_CLASS_HAS_WINDOWS);
  DestroyWindow(w);
  EXPECT_TRUE(UnregisterClassA("GOING", GetModuleHandleA(nullptr)));
  WNDCLASSEXA out{};
  EXPECT_FALSE(GetClassInfoExA(nullptr, "Going", &out));
  EXPECT_FALSE(UnregisterClassA("Going", nullptr));
  EXPECT_EQ(GetLastError(), ERROR_CLASS_DOES_NOT_EXIST);
  EXPECT_FALSE(UnregisterClassA(nullptr, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_CLASS_DOES_NOT_EXIST);
  const ATOM second = RegisterClassExA(&wc);
  EXPECT_NE(second, 0);
  EXPECT_NE(second, first);  // a new registration, a new atom
  EXPECT_TRUE(UnregisterClassA("Going", nullptr));
}

TEST_F(Win32Classes, WindowsByClassAtom) {
  ClassGuard guard("ByAtom");
  WNDCLASSEXA wc = Filled("ByAtom");
  const ATOM atom = RegisterClassExA(&wc);
  HWND w = CreateWindowExA(0, MAKEINTRESOURCEA(atom), "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                           nullptr, nullptr);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(GetWindowLongA(w, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(OtherProc));
  DestroyWindow(w);
}

TEST_F(Win32Classes, BuiltInClassesAreThereForEveryInstance) {
  for (const char* name : {"BUTTON", "Edit", "button"}) {
    WNDCLASSEXA out{};
    EXPECT_TRUE(GetClassInfoExA(nullptr, name, &out)) << name;
    EXPECT_NE(out.lpfnWndProc, nullptr) << name;
    EXPECT_TRUE(GetClassInfoExA(reinterpret_cast<HINSTANCE>(0x777000), name, &out)) << name;
  }
  EXPECT_FALSE(UnregisterClassA("BUTTON", nullptr));
}

TEST_F(Win32Classes, WindowExtraBytes) {
  ClassGuard guard("Extra");
  WNDCLASSEXA wc = Filled("Extra");
  RegisterClassExA(&wc);
  HWND w =
      CreateWindowExA(0, "Extra", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(GetWindowLongA(w, 0), 0);  // zero-filled
  EXPECT_EQ(SetWindowLongA(w, 8, LONG_PTR(0x1122334455667788)), 0);
  EXPECT_EQ(GetWindowLongA(w, 8), LONG_PTR(0x1122334455667788));
  EXPECT_EQ(SetWindowLongA(w, 8, 5), LONG_PTR(0x1122334455667788));
  for (int index : {9, 16, -100}) {
    SetLastError(0);
    EXPECT_EQ(GetWindowLongA(w, index), 0) << index;
    EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX) << index;
    SetLastError(0);
    EXPECT_EQ(SetWindowLongA(w, index, 1), 0) << index;
    EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX) << index;
  }
  DestroyWindow(w);
}

TEST_F(Win32Classes, ModuleHandle) {
  HMODULE self = GetModuleHandleA(nullptr);
  EXPECT_NE(self, nullptr);
  EXPECT_EQ(GetModuleHandleA(nullptr), self);
  SetLastError(0);
  EXPECT_EQ(GetModuleHandleA("nosuch.dll"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
}

TEST_F(Win32Classes, StandardCursors) {
  HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
  EXPECT_NE(arrow, nullptr);
  EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), arrow);
  HCURSOR beam = LoadCursorA(nullptr, IDC_IBEAM);
  EXPECT_NE(beam, nullptr);
  EXPECT_NE(beam, arrow);
  const struct {
    HINSTANCE instance;
    LPCSTR name;
  } bad[] = {
      {nullptr, MAKEINTRESOURCEA(1)},
      {nullptr, "IDC_ARROW"},
      {GetModuleHandleA(nullptr), IDC_ARROW},  // the stand-in has no cursor resources
  };
  for (const auto& c : bad) {
    SetLastError(0);
    EXPECT_EQ(LoadCursorA(c.instance, c.name), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_RESOURCE_NAME_NOT_FOUND);
  }
}

}  // namespace
}  // namespace win32test
