// SetWindowTextA, GetWindowTextA, GetWindowTextLengthA and the peer's title.
#include <QWidget>
#include <cstring>

#include "platform/win32/internal/Peer.h"
#include "tests/platform/win32/Support.h"

namespace win32test {
namespace {

using Win32Text = Win32Test;

// "你好" in GBK.
constexpr const char* kHello = "\xC4\xE3\xBA\xC3";

TEST_F(Win32Text, TextGoesThroughTheWindowsOwnMessages) {
  HWND w = MakeWindow();
  Log().clear();
  EXPECT_TRUE(SetWindowTextA(w, "abc"));
  EXPECT_EQ(GetWindowTextLengthA(w), 3);
  char buffer[16];
  EXPECT_EQ(GetWindowTextA(w, buffer, sizeof buffer), 3);
  EXPECT_STREQ(buffer, "abc");
  EXPECT_EQ(MessagesOf(w), (std::vector<UINT>{WM_SETTEXT, WM_GETTEXTLENGTH, WM_GETTEXT}));
  EXPECT_EQ(Find(w, WM_GETTEXT)[0].wParam, 16u);
}

TEST_F(Win32Text, CreationNameIsTheFirstText) {
  HWND w =
      CreateWindowExA(0, kClass, kHello, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  char buffer[8];
  EXPECT_EQ(GetWindowTextA(w, buffer, sizeof buffer), 4);
  EXPECT_STREQ(buffer, kHello);
}

TEST_F(Win32Text, TheBytesAreKeptAsTheyAre) {
  HWND w = MakeWindow();
  // Not valid GBK: still read back byte for byte.
  const char bytes[] = "\xFF\x81\x20\x80z";
  SetWindowTextA(w, bytes);
  char buffer[16];
  EXPECT_EQ(GetWindowTextA(w, buffer, sizeof buffer), 5);
  EXPECT_EQ(std::memcmp(buffer, bytes, 6), 0);
}

TEST_F(Win32Text, ShortBuffers) {
  HWND w = MakeWindow();
  SetWindowTextA(w, "hello");
  struct Case {
    int size;
    int result;
    const char* text;
  };
  const Case cases[] = {{1, 0, ""}, {2, 1, "h"}, {5, 4, "hell"}, {6, 5, "hello"}};
  for (const Case& c : cases) {
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(GetWindowTextA(w, buffer, c.size), c.result) << c.size;
    EXPECT_STREQ(buffer, c.text) << c.size;
    EXPECT_EQ(buffer[c.size], 'x') << c.size;  // nothing written past the buffer
  }
  char untouched[4] = {'x', 'x', 'x', 0};
  EXPECT_EQ(GetWindowTextA(w, untouched, 0), 0);
  EXPECT_EQ(GetWindowTextA(w, untouched, -1), 0);
  EXPECT_STREQ(untouched, "xxx");
  EXPECT_EQ(GetWindowTextA(w, nullptr, 10), 0);
}

TEST_F(Win32Text, BadWindows) {
  char buffer[4] = {'x', 'x', 'x', 0};
  SetLastError(0);
  EXPECT_EQ(GetWindowTextA(nullptr, buffer, 4), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(buffer[0], '\0');  // the buffer is emptied first
  EXPECT_EQ(GetWindowTextLengthA(nullptr), 0);
  EXPECT_FALSE(SetWindowTextA(nullptr, "x"));
}

TEST_F(Win32Text, NullTextIsEmpty) {
  HWND w = MakeWindow();
  SetWindowTextA(w, "x");
  EXPECT_TRUE(SetWindowTextA(w, nullptr));
  EXPECT_EQ(GetWindowTextLengthA(w), 0);
}

TEST_F(Win32Text, ThePeersTitleShowsTheTextDecoded) {
  HWND w = MakeWindow(WS_OVERLAPPED);
  SetWindowTextA(w, kHello);
  EXPECT_EQ(internal::PeerOf(w)->windowTitle(), QString::fromUtf8("你好"));
  SetWindowTextA(w, "a\xFF");
  EXPECT_EQ(internal::PeerOf(w)->windowTitle(), QString::fromUtf16(u"a\uFFFD"));
}

}  // namespace
}  // namespace win32test
