// CreateCaret, DestroyCaret, GetCaretPos, SetCaretPos, ShowCaret, HideCaret.
#include "platform/win32/Timer.h"
#include "platform/win32/internal/State.h"
#include "tests/platform/win32/Support.h"

namespace win32test {
namespace {

using Win32Caret = Win32Test;

// The hide level is not reachable through the API the tool uses; the tests read it from the
// stand-in's state.
int HideLevel() {
  return internal::Gui()->caret.hideLevel;
}

TEST_F(Win32Caret, ACaretHasAPlaceAndStartsHidden) {
  HWND w = MakeWindow();
  EXPECT_TRUE(CreateCaret(w, nullptr, 1, 12));
  EXPECT_EQ(HideLevel(), 1);
  POINT p{0xdead, 0xbeef};
  EXPECT_TRUE(GetCaretPos(&p));
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 0);
  EXPECT_TRUE(SetCaretPos(5, -6));
  EXPECT_TRUE(GetCaretPos(&p));
  EXPECT_EQ(p.x, 5);
  EXPECT_EQ(p.y, -6);
  EXPECT_FALSE(GetCaretPos(nullptr));
  DestroyCaret();
}

TEST_F(Win32Caret, ShowAndHideCount) {
  HWND w = MakeWindow();
  HWND other = MakeWindow();
  CreateCaret(w, nullptr, 1, 12);
  EXPECT_TRUE(ShowCaret(w));
  EXPECT_EQ(HideLevel(), 0);
  EXPECT_TRUE(ShowCaret(w));  // shown already: stays shown
  EXPECT_EQ(HideLevel(), 0);
  EXPECT_TRUE(HideCaret(nullptr));  // null: the caret's own window
  EXPECT_TRUE(HideCaret(w));
  EXPECT_EQ(HideLevel(), 2);
  EXPECT_TRUE(ShowCaret(nullptr));
  EXPECT_EQ(HideLevel(), 1);
  // Only the owner acts on the caret.
  EXPECT_FALSE(ShowCaret(other));
  EXPECT_FALSE(HideCaret(other));
  EXPECT_EQ(HideLevel(), 1);
  DestroyCaret();
}

TEST_F(Win32Caret, OneCaretPerThread) {
  HWND a = MakeWindow();
  HWND b = MakeWindow();
  CreateCaret(a, nullptr, 1, 12);
  SetCaretPos(9, 9);
  EXPECT_TRUE(CreateCaret(b, nullptr, 2, 10));  // replaces a's caret
  EXPECT_FALSE(ShowCaret(a));
  EXPECT_TRUE(ShowCaret(b));
  POINT p{};
  GetCaretPos(&p);
  EXPECT_EQ(p.x, 0);  // a new caret starts at the origin
  EXPECT_TRUE(DestroyCaret());
}

TEST_F(Win32Caret, WithoutACaretEverythingFails) {
  DestroyCaret();
  EXPECT_FALSE(DestroyCaret());
  POINT p{7, 8};
  EXPECT_FALSE(GetCaretPos(&p));
  EXPECT_EQ(p.x, 7);  // untouched
  EXPECT_FALSE(SetCaretPos(1, 1));
  EXPECT_FALSE(ShowCaret(nullptr));
  EXPECT_FALSE(HideCaret(nullptr));
  EXPECT_FALSE(CreateCaret(nullptr, nullptr, 1, 1));
  EXPECT_FALSE(CreateCaret(reinterpret_cast<HWND>(0x10), nullptr, 1, 1));
}

TEST_F(Win32Caret, TheCaretGoesWithItsWindow) {
  HWND w = MakeWindow();
  CreateCaret(w, nullptr, 1, 12);
  DestroyWindow(w);
  POINT p{};
  EXPECT_FALSE(GetCaretPos(&p));
  EXPECT_FALSE(DestroyCaret());
}

}  // namespace
}  // namespace win32test
