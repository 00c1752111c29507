#pragma once
// What the stand-in's conformance tests share: a window class whose procedure records every
// message (and can be told how to answer one), event pumping, and a fixture that leaves no
// window behind.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <vector>

#include "platform/win32/Kernel.h"
#include "platform/win32/Window.h"

namespace win32 {

// Rectangles compared and printed by the tests' expectations.
inline bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline std::ostream& operator<<(std::ostream& out, const RECT& r) {
  return out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

}  // namespace win32

namespace win32test {

using namespace win32;

struct Recorded {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// Every message the recording procedure saw, in order.
std::vector<Recorded>& Log();
// The messages of one window, in order.
std::vector<UINT> MessagesOf(HWND window);
// Messages of `window` with this number.
std::vector<Recorded> Find(HWND window, UINT message);

// When set and it returns a value, the recording procedure answers with it; otherwise the
// message goes to DefWindowProcA.
using Hook = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;
void SetHook(Hook hook);

LRESULT RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The recording class, registered once for the test program.
inline constexpr const char* kClass = "Win32TestWindow";
void RegisterTestClass();

// Processes pending events (posted messages, timers that are due, deferred deletions).
void Pump(int milliseconds = 0);

// A top-level window of the recording class.
HWND MakeWindow(DWORD style = WS_POPUP, DWORD exStyle = 0, int x = 100, int y = 120,
                int width = 200, int height = 150);
// A child window of the recording class.
HWND MakeChild(HWND parent, int x, int y, int width, int height, DWORD style = WS_VISIBLE,
               int id = 0);

// Starts each test with an empty log and no hook; destroys what a test left.
class Win32Test : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

}  // namespace win32test
