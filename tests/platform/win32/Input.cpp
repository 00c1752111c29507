// The peer's input routing to the stand-in's windows: mouse messages to the capture window or
// the topmost visible child under the mouse, in its client coordinates; focus on a press; keys
// as WM_KEYDOWN, WM_CHAR and WM_KEYUP to the focused window or the top-level window.
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

#include "platform/win32/internal/Peer.h"
#include "tests/platform/win32/Support.h"

namespace win32test {
namespace {

using Win32Input = Win32Test;

// A shown top-level window at (300, 200), 200 x 100, with two children.
struct Scene {
  HWND top;
  HWND left;   // (10, 10) 40 x 20
  HWND right;  // (100, 10) 40 x 20
  QWidget* peer;
};

Scene MakeScene() {
  Scene s{};
  s.top = MakeWindow(WS_POPUP | WS_VISIBLE, 0, 300, 200, 200, 100);
  s.left = MakeChild(s.top, 10, 10, 40, 20);
  s.right = MakeChild(s.top, 100, 10, 40, 20);
  s.peer = internal::PeerOf(s.top);
  EXPECT_TRUE(QTest::qWaitForWindowExposed(s.peer));
  Log().clear();
  return s;
}

std::vector<std::pair<HWND, UINT>> Sequence(std::initializer_list<UINT> only) {
  std::vector<std::pair<HWND, UINT>> order;
  for (const Recorded& r : Log()) {
    for (UINT m : only) {
      if (r.message == m) order.emplace_back(r.window, r.message);
    }
  }
  return order;
}

TEST_F(Win32Input, ButtonsGoToTheChildUnderTheMouseInItsCoordinates) {
  Scene s = MakeScene();
  QTest::mousePress(s.peer, Qt::LeftButton, Qt::NoModifier, QPoint(15, 12));
  QTest::mouseRelease(s.peer, Qt::LeftButton, Qt::NoModifier, QPoint(15, 12));
  const std::vector<Recorded> down = Find(s.left, WM_LBUTTONDOWN);
  const std::vector<Recorded> up = Find(s.left, WM_LBUTTONUP);
  ASSERT_EQ(down.size(), 1u);
  ASSERT_EQ(up.size(), 1u);
  EXPECT_EQ(down[0].lParam, MAKELPARAM(5, 2));
  EXPECT_EQ(down[0].wParam, MK_LBUTTON);
  EXPECT_EQ(up[0].wParam, 0u);  // the button is up by then
  QTest::mouseClick(s.peer, Qt::RightButton, Qt::ShiftModifier, QPoint(120, 25));
  ASSERT_EQ(Find(s.right, WM_RBUTTONDOWN).size(), 1u);
  EXPECT_EQ(Find(s.right, WM_RBUTTONDOWN)[0].wParam, MK_RBUTTON | MK_SHIFT);
  EXPECT_EQ(Find(s.right, WM_RBUTTONDOWN)[0].lParam, MAKELPARAM(20, 15));
  EXPECT_EQ(Find(s.right, WM_RBUTTONUP).size(), 1u);
  // Off every child the top-level window itself gets the press.
  QTest::mouseClick(s.peer, Qt::LeftButton, Qt::NoModifier, QPoint(70, 80));
  ASSERT_EQ(Find(s.top, WM_LBUTTONDOWN).size(), 1u);
  EXPECT_EQ(Find(s.top, WM_LBUTTONDOWN)[0].lParam, MAKELPARAM(70, 80));
}

TEST_F(Win32Input, MovesCarryTheButtonState) {
  Scene s = MakeScene();
  QTest::mouseMove(s.peer, QPoint(20, 20));
  ASSERT_FALSE(Find(s.left, WM_MOUSEMOVE).empty());
  EXPECT_EQ(Find(s.left, WM_MOUSEMOVE).back().wParam, 0u);
  EXPECT_EQ(Find(s.left, WM_MOUSEMOVE).back().lParam, MAKELPARAM(10, 10));
  QTest::mousePress(s.peer, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  QTest::mouseMove(s.peer, QPoint(21, 20));
  EXPECT_EQ(Find(s.left, WM_MOUSEMOVE).back().wParam, MK_LBUTTON);
  QTest::mouseRelease(s.peer, Qt::LeftButton, Qt::NoModifier, QPoint(21, 20));
}

TEST_F(Win32Input, TheChildHighestInTheZOrderGetsTheMouseWhereChildrenOverlap) {
  Scene s = MakeScene();
  HWND over = MakeChild(s.top, 0, 0, 60, 40);  // covers `left`, but is made later: below it
  HWND inner = MakeChild(over, 5, 5, 10, 10);
  Log().clear();
  QTest::mouseClick(s.peer, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_EQ(Find(s.left, WM_LBUTTONDOWN).size(), 1u);
  EXPECT_TRUE(Find(over, WM_LBUTTONDOWN).empty());
  // Where `left` is not, the lower child gets it; the deepest child, in its own coordinates.
  QTest::mouseClick(s.peer, Qt::LeftButton, Qt::NoModifier, QPoint(7, 8));
  ASSERT_EQ(Find(inner, WM_LBUTTONDOWN).size(), 1u);
  EXPECT_EQ(Find(inner, WM_LBUTTONDOWN)[0].lParam, MAKELPARAM(2, 3));
  // Brought to the top, the later child takes the mouse where the two overlap.
  SetWindowPos(over, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  Log().clear();
  QTest::mouseClick(s.peer, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_TRUE(Find(s.left, WM_LBUTTONDOWN).empty());
  EXPECT_EQ(Find(over, WM_LBUTTONDOWN).size(), 1u);
}

TEST_F(Win32Input, HiddenChildrenAreSkippedDisabledOnesPassToTheParent) {
  Scene s = MakeScene();
  ShowWindow(s.left, SW_HIDE);
  QTest::mouseClick(s.peer, Qt::LeftButton, Qt::NoModifier, QPoint(15, 12));
  EXPECT_TRUE(Find(s.left, WM_LBUTTONDOWN).empty());
  EXPECT_EQ(Find(s.top, WM_LBUTTONDOWN).size(), 1u);
  EnableWindow(s.right, FALSE);
  Log().clear();
  QTest::mouseClick(s.peer, Qt::LeftButton, Qt::NoModifier, QPoint(110, 12));
  EXPECT_TRUE(Find(s.right, WM_LBUTTONDOWN).empty());
  EXPECT_EQ(Find(s.top, WM_LBUTTONDOWN).size(), 1u);
}

TEST_F(Win32Input, TheCaptureWindowGetsTheMouseWhereverItIs) {
  Scene s = MakeScene();
  SetCapture(s.left);
  QTest::mouseClick(s.peer, Qt::LeftButton, Qt::NoModifier, QPoint(120, 25));
  EXPECT_TRUE(Find(s.right, WM_LBUTTONDOWN).empty());
  ASSERT_EQ(Find(s.left, WM_LBUTTONDOWN).size(), 1u);
  EXPECT_EQ(Find(s.left, WM_LBUTTONDOWN)[0].lParam, MAKELPARAM(110, 15));
  ReleaseCapture();
}

TEST_F(Win32Input, APressFocusesTheChildFirst) {
  Scene s = MakeScene();
  SetFocus(s.top);
  Log().clear();
  QTest::mouseClick(s.peer, Qt::LeftButton, Qt::NoModifier, QPoint(15, 12));
  EXPECT_EQ(GetFocus(), s.left);
  const std::vector<std::pair<HWND, UINT>> expected = {
      {s.top, WM_KILLFOCUS}, {s.left, WM_SETFOCUS}, {s.left, WM_LBUTTONDOWN}};
  EXPECT_EQ(Sequence({WM_KILLFOCUS, WM_SETFOCUS, WM_LBUTTONDOWN}), expected);
  // A press on the top-level window itself leaves the focus where it is.
  QTest::mouseClick(s.peer, Qt::LeftButton, Qt::NoModifier, QPoint(70, 80));
  EXPECT_EQ(GetFocus(), s.left);
}

TEST_F(Win32Input, DoubleClicksOnlyForClassesThatAskForThem) {
  Scene s = MakeScene();
  WNDCLASSEXA plain{};
  plain.cbSize = sizeof plain;
  plain.lpfnWndProc = RecordingProc;
  plain.lpszClassName = "Win32TestPlain";
  RegisterClassExA(&plain);
  HWND without = CreateWindowExA(0, "Win32TestPlain", "", WS_CHILD | WS_VISIBLE, 100, 60, 40, 20,
                                 s.top, nullptr, nullptr, nullptr);
  Log().clear();
  QTest::mouseDClick(s.peer, Qt::LeftButton, Qt::NoModifier, QPoint(15, 12));
  EXPECT_EQ(Find(s.left, WM_LBUTTONDBLCLK).size(), 1u);  // the test class has CS_DBLCLKS
  QTest::mouseDClick(s.peer, Qt::LeftButton, Qt::NoModifier, QPoint(110, 65));
  EXPECT_TRUE(Find(without, WM_LBUTTONDBLCLK).empty());
  EXPECT_EQ(Find(without, WM_LBUTTONDOWN).size(), 1u);
  DestroyWindow(without);
  UnregisterClassA("Win32TestPlain", nullptr);
}

TEST_F(Win32Input, KeysGoToTheFocusedChild) {
  Scene s = MakeScene();
  SetFocus(s.right);
  Log().clear();
  QTest::keyClick(s.peer, Qt::Key_A);
  const std::vector<std::pair<HWND, UINT>> expected = {
      {s.right, WM_KEYDOWN}, {s.right, WM_CHAR}, {s.right, WM_KEYUP}};
  EXPECT_EQ(Sequence({WM_KEYDOWN, WM_CHAR, WM_KEYUP}), expected);
  EXPECT_EQ(Find(s.right, WM_KEYDOWN)[0].wParam, WPARAM('A'));
  EXPECT_EQ(Find(s.right, WM_KEYDOWN)[0].lParam & 0xFFFF, 1);  // repeat count
  EXPECT_EQ(Find(s.right, WM_CHAR)[0].wParam, WPARAM('a'));
  EXPECT_EQ(DWORD(Find(s.right, WM_KEYUP)[0].lParam) >> 30, 3u);  // was down, going up
  Log().clear();
  QTest::keyClicks(s.peer, "x1");
  const std::vector<Recorded> chars = Find(s.right, WM_CHAR);
  ASSERT_EQ(chars.size(), 2u);
  EXPECT_EQ(chars[0].wParam, WPARAM('x'));
  EXPECT_EQ(chars[1].wParam, WPARAM('1'));
}

TEST_F(Win32Input, WithoutAFocusedChildTheTopLevelWindowGetsTheKeys) {
  Scene s = MakeScene();
  HWND other = MakeWindow();
  SetFocus(other);  // the focus is in another top-level window
  Log().clear();
  QTest::keyClick(s.peer, Qt::Key_Left);
  EXPECT_EQ(Find(s.top, WM_KEYDOWN).size(), 1u);
  EXPECT_EQ(Find(s.top, WM_KEYDOWN)[0].wParam, VK_LEFT);
  EXPECT_TRUE(Find(s.top, WM_CHAR).empty());  // no text, no character
  EXPECT_TRUE(Find(other, WM_KEYDOWN).empty());
}

TEST_F(Win32Input, KeysWithTextOfTheirOwn) {
  Scene s = MakeScene();
  SetFocus(s.left);
  Log().clear();
  QTest::keyClick(s.peer, Qt::Key_Backspace);
  QTest::keyClick(s.peer, Qt::Key_Return);
  QTest::keyClick(s.peer, Qt::Key_Delete);  // a key, not a character
  std::vector<WPARAM> keys;
  for (const Recorded& r : Find(s.left, WM_KEYDOWN)) keys.push_back(r.wParam);
  std::vector<WPARAM> chars;
  for (const Recorded& r : Find(s.left, WM_CHAR)) chars.push_back(r.wParam);
  EXPECT_EQ(keys, (std::vector<WPARAM>{VK_BACK, VK_RETURN, VK_DELETE}));
  EXPECT_EQ(chars, (std::vector<WPARAM>{0x08, 0x0D}));
}

TEST_F(Win32Input, ADoubleByteCharacterComesAsItsTwoBytes) {
  Scene s = MakeScene();
  SetFocus(s.left);
  Log().clear();
  // What an input method hands Qt: a key event with text and no key of its own.
  QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("你a"));
  QApplication::sendEvent(s.peer, &press);
  std::vector<WPARAM> chars;
  for (const Recorded& r : Find(s.left, WM_CHAR)) chars.push_back(r.wParam);
  EXPECT_EQ(chars, (std::vector<WPARAM>{0xC4, 0xE3, 'a'}));
  EXPECT_TRUE(Find(s.left, WM_KEYDOWN).empty());
}

TEST_F(Win32Input, TypingIntoABuiltInEditThroughThePeer) {
  Scene s = MakeScene();
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 50, 100, 20, s.top, nullptr,
                              nullptr, nullptr);
  QTest::mouseClick(s.peer, Qt::LeftButton, Qt::NoModifier, QPoint(20, 55));
  EXPECT_EQ(GetFocus(), edit);
  QTest::keyClicks(s.peer, "abc");
  QTest::keyClick(s.peer, Qt::Key_Left);
  QTest::keyClick(s.peer, Qt::Key_Backspace);
  QKeyEvent chinese(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("新"));
  QApplication::sendEvent(s.peer, &chinese);
  char text[16] = {};
  GetWindowTextA(edit, text, sizeof text);
  EXPECT_STREQ(text,
               "a\xD0\xC2"
               "c");
}

TEST_F(Win32Input, ClickingABuiltInButtonThroughThePeer) {
  Scene s = MakeScene();
  HWND button = CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE, 10, 50, 60, 20, s.top,
                                reinterpret_cast<HMENU>(LONG_PTR(42)), nullptr, nullptr);
  Log().clear();
  QTest::mousePress(s.peer, Qt::LeftButton, Qt::NoModifier, QPoint(20, 55));
  QTest::mouseRelease(s.peer, Qt::LeftButton, Qt::NoModifier, QPoint(20, 55));
  ASSERT_EQ(Find(s.top, WM_COMMAND).size(), 1u);
  EXPECT_EQ(Find(s.top, WM_COMMAND)[0].wParam, WPARAM(42));
  EXPECT_EQ(Find(s.top, WM_COMMAND)[0].lParam, reinterpret_cast<LPARAM>(button));
  // Released off the button (the capture still brings it the release): no click.
  QTest::mousePress(s.peer, Qt::LeftButton, Qt::NoModifier, QPoint(20, 55));
  QTest::mouseRelease(s.peer, Qt::LeftButton, Qt::NoModifier, QPoint(150, 90));
  EXPECT_EQ(Find(s.top, WM_COMMAND).size(), 1u);
}

TEST_F(Win32Input, AClientAreaDragAsTheLoadingDialogDoesIt) {
  Scene s = MakeScene();
  SetHook([](HWND w, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_LBUTTONDOWN) {
      ReleaseCapture();
      SendMessageA(w, WM_NCLBUTTONDOWN, WPARAM(HTCAPTION), 0);
      return LRESULT(0);
    }
    return std::nullopt;
  });
  QTest::mousePress(s.peer, Qt::LeftButton, Qt::NoModifier, QPoint(70, 80));
  QTest::mouseMove(s.peer, QPoint(90, 95));
  RECT r{};
  GetWindowRect(s.top, &r);
  EXPECT_EQ(r, (RECT{320, 215, 520, 315}));
  Log().clear();
  QTest::mouseRelease(s.peer, Qt::LeftButton, Qt::NoModifier, QPoint(90, 95));
  // The move ends with the release, which the window does not hear of.
  EXPECT_TRUE(Find(s.top, WM_LBUTTONUP).empty());
  QTest::mouseMove(s.peer, QPoint(10, 10));
  GetWindowRect(s.top, &r);
  EXPECT_EQ(r.left, 320);
}

}  // namespace
}  // namespace win32test
