// The built-in "EDIT" and "BUTTON" child controls.
#include <QFontMetrics>

#include "platform/win32/Timer.h"
#include "platform/win32/internal/GdiTable.h"
#include "tests/platform/win32/Support.h"

namespace win32test {
namespace {

using Win32Builtin = Win32Test;

HWND MakeControl(const char* cls, HWND parent, const char* text, int id = 0,
                 DWORD style = WS_VISIBLE) {
  return CreateWindowExA(0, cls, text, WS_CHILD | style, 10, 10, 120, 20, parent,
                         reinterpret_cast<HMENU>(LONG_PTR(id)), nullptr, nullptr);
}

std::string TextOf(HWND w) {
  char buffer[64];
  const int n = GetWindowTextA(w, buffer, sizeof buffer);
  return std::string(buffer, std::size_t(n));
}

POINT Caret() {
  POINT p{-1, -1};
  EXPECT_TRUE(GetCaretPos(&p));
  return p;
}

// The pixel width of some text in the control's font (the text given as UTF-8 here).
int Advance(HWND w, const QString& text) {
  return QFontMetrics(internal::WindowFont(w)).horizontalAdvance(text);
}

void Type(HWND w, std::initializer_list<unsigned> bytes) {
  for (unsigned b : bytes) SendMessageA(w, WM_CHAR, b, 1);
}

TEST_F(Win32Builtin, AnEditKeepsItsText) {
  HWND top = MakeWindow();
  HWND edit = MakeControl("EDIT", top, "abc");
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(TextOf(edit), "abc");
  EXPECT_EQ(GetWindowTextLengthA(edit), 3);
  SetWindowTextA(edit, "\xC4\xE3\xBA\xC3");
  EXPECT_EQ(TextOf(edit), "\xC4\xE3\xBA\xC3");
  WNDCLASSEXA wc{};
  GetClassInfoExA(nullptr, "EDIT", &wc);
  EXPECT_EQ(GetWindowLongA(edit, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(wc.lpfnWndProc));
}

TEST_F(Win32Builtin, TypingInsertsAtTheCaretAndMovesIt) {
  HWND top = MakeWindow();
  HWND edit = MakeControl("EDIT", top, "");
  SetFocus(edit);
  EXPECT_EQ(Caret().x, 0);
  Type(edit, {'a', 'b'});
  EXPECT_EQ(TextOf(edit), "ab");
  EXPECT_EQ(Caret().x, Advance(edit, "ab"));
  EXPECT_EQ(Caret().y, 0);
  SendMessageA(edit, WM_KEYDOWN, VK_LEFT, 1);
  EXPECT_EQ(Caret().x, Advance(edit, "a"));
  Type(edit, {'X'});
  EXPECT_EQ(TextOf(edit), "aXb");
  SendMessageA(edit, WM_KEYDOWN, VK_HOME, 1);
  EXPECT_EQ(Caret().x, 0);
  Type(edit, {'0'});
  EXPECT_EQ(TextOf(edit), "0aXb");
  SendMessageA(edit, WM_KEYDOWN, VK_END, 1);
  EXPECT_EQ(Caret().x, Advance(edit, "0aXb"));
  Type(edit, {0x08});  // Backspace
  EXPECT_EQ(TextOf(edit), "0aX");
  SendMessageA(edit, WM_KEYDOWN, VK_HOME, 1);
  SendMessageA(edit, WM_KEYDOWN, VK_DELETE, 1);
  EXPECT_EQ(TextOf(edit), "aX");
  EXPECT_EQ(Caret().x, 0);
  SendMessageA(edit, WM_KEYDOWN, VK_LEFT, 1);  // at the start already
  EXPECT_EQ(Caret().x, 0);
  Type(edit, {0x08});
  EXPECT_EQ(TextOf(edit), "aX");
}

TEST_F(Win32Builtin, DoubleByteCharactersAreOneCharacter) {
  HWND top = MakeWindow();
  HWND edit = MakeControl("EDIT", top, "");
  SetFocus(edit);
  Type(edit, {0xC4});  // a lead byte waits for its trail byte
  EXPECT_EQ(TextOf(edit), "");
  Type(edit, {0xE3, 'z'});
  EXPECT_EQ(TextOf(edit), "\xC4\xE3z");
  EXPECT_EQ(Caret().x, Advance(edit, QString::fromUtf8("你z")));
  SendMessageA(edit, WM_KEYDOWN, VK_LEFT, 1);
  SendMessageA(edit, WM_KEYDOWN, VK_LEFT, 1);  // over both bytes at once
  EXPECT_EQ(Caret().x, 0);
  SendMessageA(edit, WM_KEYDOWN, VK_RIGHT, 1);
  EXPECT_EQ(Caret().x, Advance(edit, QString::fromUtf8("你")));
  Type(edit, {0x08});
  EXPECT_EQ(TextOf(edit), "z");
  // A lead byte followed by a byte that cannot trail it is dropped.
  Type(edit, {0xB0, 0x0D, 'q'});
  EXPECT_EQ(TextOf(edit), "qz");
  // An ANSI window gets WM_IME_CHAR pairs as two WM_CHAR through the default procedure.
  SendMessageA(edit, WM_IME_CHAR, 0xBAC3, 1);
  EXPECT_EQ(TextOf(edit), "q\xBA\xC3z");
}

TEST_F(Win32Builtin, ControlCharactersDoNothing) {
  HWND top = MakeWindow();
  HWND edit = MakeControl("EDIT", top, "a");
  Type(edit, {0x0D, 0x1B, 0x09, 0x7F, 0x01});
  EXPECT_EQ(TextOf(edit), "a");
}

TEST_F(Win32Builtin, SetTextPutsTheCaretAtTheStart) {
  HWND top = MakeWindow();
  HWND edit = MakeControl("EDIT", top, "");
  SetFocus(edit);
  Type(edit, {'a', 'b', 'c'});
  SetWindowTextA(edit, "xyz");
  EXPECT_EQ(Caret().x, 0);
  Type(edit, {'1'});
  EXPECT_EQ(TextOf(edit), "1xyz");
}

TEST_F(Win32Builtin, TheFocusedEditOwnsTheCaret) {
  HWND top = MakeWindow();
  HWND edit = MakeControl("EDIT", top, "abc");
  HWND other = MakeControl("EDIT", top, "");
  CreateCaret(top, nullptr, 1, 12);  // the layered host's caret, as the kit makes it
  SetFocus(edit);
  // The edit made its own caret, one line of its font high, and shows it.
  EXPECT_EQ(internal::Gui()->caret.owner, edit);
  EXPECT_EQ(internal::Gui()->caret.height, QFontMetrics(internal::WindowFont(edit)).height());
  EXPECT_EQ(internal::Gui()->caret.hideLevel, 0);
  SetFocus(other);
  EXPECT_EQ(internal::Gui()->caret.owner, other);
  SetFocus(top);
  POINT p;
  EXPECT_FALSE(GetCaretPos(&p));  // the last edit took its caret with it
}

TEST_F(Win32Builtin, AClickPlacesTheCaretAtTheNearestCharacter) {
  HWND top = MakeWindow();
  HWND edit = MakeControl("EDIT", top, "abcdef");
  SendMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1000, 5));
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_EQ(Caret().x, Advance(edit, "abcdef"));
  SendMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(Advance(edit, "ab") + 1, 5));
  EXPECT_EQ(Caret().x, Advance(edit, "ab"));
  SendMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, 5));
  EXPECT_EQ(Caret().x, 0);
}

TEST_F(Win32Builtin, TheCaretFollowsTheWindowsFont) {
  HWND top = MakeWindow();
  HWND edit = MakeControl("EDIT", top, "");
  HFONT big = CreateFontA(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "WenQuanYi Micro Hei");
  SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(big), FALSE);
  SetFocus(edit);
  Type(edit, {'W'});
  const QFont font = internal::QtFont(internal::DefaultGuiLogFont());
  EXPECT_EQ(Caret().x, Advance(edit, "W"));
  EXPECT_GT(Caret().x, QFontMetrics(font).horizontalAdvance("W"));
  DestroyWindow(edit);
  DeleteObject(big);
}

TEST_F(Win32Builtin, AButtonClickTellsTheParent) {
  HWND top = MakeWindow();
  HWND button = MakeControl("BUTTON", top, "OK", 1001);
  EXPECT_EQ(TextOf(button), "OK");
  Log().clear();
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(GetCapture(), button);  // held while the button is down
  SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(GetCapture(), nullptr);
  const std::vector<Recorded> commands = Find(top, WM_COMMAND);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(LOWORD(commands[0].wParam), 1001);
  EXPECT_EQ(HIWORD(commands[0].wParam), BN_CLICKED);
  EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(button));
}

TEST_F(Win32Builtin, ReleasedElsewhereOrNeverPressedIsNoClick) {
  HWND top = MakeWindow();
  HWND button = MakeControl("BUTTON", top, "OK", 7);
  Log().clear();
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(500, 5));  // outside its 120 x 20
  SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));    // not pressed any more
  EXPECT_TRUE(Find(top, WM_COMMAND).empty());
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SetCapture(top);  // the capture taken away ends the press
  SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(Find(top, WM_COMMAND).empty());
}

TEST_F(Win32Builtin, AButtonKeepsItsEnabledState) {
  HWND top = MakeWindow();
  HWND button = MakeControl("BUTTON", top, "OK", 1, WS_VISIBLE | WS_DISABLED);
  EXPECT_FALSE(IsWindowEnabled(button));
  EXPECT_TRUE(EnableWindow(button, TRUE));
  EXPECT_TRUE(IsWindowEnabled(button));
}

}  // namespace
}  // namespace win32test
