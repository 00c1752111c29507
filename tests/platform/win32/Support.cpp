#include "tests/platform/win32/Support.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace win32test {

namespace {

Hook& CurrentHook() {
  static Hook hook;
  return hook;
}

}  // namespace

std::vector<Recorded>& Log() {
  static std::vector<Recorded> log;
  return log;
}

std::vector<UINT> MessagesOf(HWND window) {
  std::vector<UINT> messages;
  for (const Recorded& r : Log()) {
    if (r.window == window) messages.push_back(r.message);
  }
  return messages;
}

std::vector<Recorded> Find(HWND window, UINT message) {
  std::vector<Recorded> found;
  for (const Recorded& r : Log()) {
    if (r.window == window && r.message == message) found.push_back(r);
  }
  return found;
}

void SetHook(Hook hook) {
  CurrentHook() = std::move(hook);
}

LRESULT RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Log().push_back(Recorded{window, message, wParam, lParam});
  if (const Hook& hook = CurrentHook()) {
    if (std::optional<LRESULT> answer = hook(window, message, wParam, lParam)) return *answer;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterTestClass() {
  WNDCLASSEXA probe{};
  if (GetClassInfoExA(GetModuleHandleA(nullptr), kClass, &probe)) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = RecordingProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kClass;
  ASSERT_NE(RegisterClassExA(&wc), 0);
}

void Pump(int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  do {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  } while (clock.elapsed() < milliseconds);
}

HWND MakeWindow(DWORD style, DWORD exStyle, int x, int y, int width, int height) {
  return CreateWindowExA(exStyle, kClass, "test", style, x, y, width, height, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

HWND MakeChild(HWND parent, int x, int y, int width, int height, DWORD style, int id) {
  return CreateWindowExA(0, kClass, "child", WS_CHILD | style, x, y, width, height, parent,
                         reinterpret_cast<HMENU>(LONG_PTR(id)), GetModuleHandleA(nullptr), nullptr);
}

void Win32Test::SetUp() {
  RegisterTestClass();
  SetHook(nullptr);
  Log().clear();
  SetLastError(0);
}

void Win32Test::TearDown() {
  SetHook(nullptr);
  while (HWND top = GetWindow(GetDesktopWindow(), GW_CHILD)) {
    if (!DestroyWindow(top)) break;
  }
  ReleaseCapture();
  Pump();
  Log().clear();
}

}  // namespace win32test
