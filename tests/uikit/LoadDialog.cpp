// The "VestaLoadDialog" class: its registration, the releases at WM_DESTROY and the drag.
#include "uikit/LoadDialog.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "platform/win32/Kernel.h"
#include "platform/win32/Memory.h"
#include "platform/win32/Window.h"
#include "tests/uikit/KitTest.h"

namespace {

using namespace kit_test;

win32::HWND CreateLoadDialog() {
  return win32::CreateWindowExA(0, uikit::kLoadDialogClass, "", win32::WS_POPUP, 50, 60, 120, 80,
                                nullptr, nullptr, win32::GetModuleHandleA(nullptr), nullptr);
}

void SetProp(win32::HWND window, const char* name, const void* value) {
  win32::SetPropA(window, name, reinterpret_cast<win32::HANDLE>(const_cast<void*>(value)));
}

TEST(LoadDialogClass, IsRegisteredWithEveryField) {
  StartKit();
  win32::WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  ASSERT_NE(win32::GetClassInfoExA(win32::GetModuleHandleA(nullptr), "VestaLoadDialog", &wc),
            win32::FALSE);
  EXPECT_EQ(wc.style, 3u);
  EXPECT_EQ(wc.lpfnWndProc, &uikit::LoadDialogProc);
  EXPECT_EQ(wc.cbClsExtra, 0);
  EXPECT_EQ(wc.cbWndExtra, 0);
  EXPECT_EQ(wc.hInstance, win32::GetModuleHandleA(nullptr));
  EXPECT_EQ(wc.hIcon, nullptr);
  EXPECT_EQ(wc.hCursor, win32::LoadCursorA(nullptr, win32::IDC_ARROW));
  EXPECT_EQ(reinterpret_cast<win32::UINT_PTR>(wc.hbrBackground), 16u);
  EXPECT_EQ(wc.lpszMenuName, nullptr);
  EXPECT_EQ(wc.hIconSm, nullptr);
}

// A worker that runs until it is asked to stop. When the stop comes it looks at the window's
// picture and memory: the window's owner waits for the stop, so nothing else runs meanwhile, and
// both must still be there because the thread is released first.
struct Worker {
  gdiplus::GpImage* image{nullptr};
  win32::HGLOBAL memory{nullptr};
  std::atomic<int> turns{0};
  std::atomic<bool> stopped{false};
  bool imageAliveAtStop{false};
  bool memoryAliveAtStop{false};

  static win32::DWORD Run(win32::LPVOID parameter) {
    auto* self = static_cast<Worker*>(parameter);
    while (!win32::ThreadStopRequested()) {
      ++self->turns;
      win32::Sleep(1);
    }
    self->imageAliveAtStop = ImageAlive(self->image);
    self->memoryAliveAtStop = win32::GlobalSize(self->memory) == 64;
    self->stopped = true;
    return 7;  // the exit code is TerminateThread's all the same
  }
};

TEST(LoadDialogProc, DestroyReleasesThreadThenImageThenMemory) {
  StartKit();
  win32::HWND window = CreateLoadDialog();
  ASSERT_NE(window, nullptr);
  Worker worker;
  gdiplus::GpBitmap* bitmap = nullptr;
  gdiplus::GdipCreateBitmapFromScan0(4, 4, 0, gdiplus::PixelFormat32bppARGB, nullptr, &bitmap);
  worker.image = bitmap;
  worker.memory = win32::GlobalAlloc(win32::GMEM_FIXED, 64);
  ASSERT_NE(worker.image, nullptr);
  win32::HANDLE thread = win32::CreateThread(nullptr, 0, Worker::Run, &worker, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  while (worker.turns.load() == 0) win32::Sleep(1);
  SetProp(window, "Vesta_Thread", thread);
  SetProp(window, "Vesta_Image", worker.image);
  SetProp(window, "Vesta_Stream", worker.memory);

  EXPECT_NE(win32::DestroyWindow(window), win32::FALSE);

  // The thread was stopped while the picture and its memory were still there.
  EXPECT_TRUE(worker.stopped.load());
  EXPECT_TRUE(worker.imageAliveAtStop) << "the thread goes before the picture";
  EXPECT_TRUE(worker.memoryAliveAtStop) << "the thread goes before the memory";
  const int turns = worker.turns.load();
  win32::Sleep(20);
  EXPECT_EQ(worker.turns.load(), turns);
  // Its handle is closed.
  win32::DWORD code = 0xdeadbeef;
  EXPECT_EQ(win32::GetExitCodeThread(thread, &code), win32::FALSE) << "handle closed";
  EXPECT_EQ(win32::CloseHandle(thread), win32::FALSE) << "closed once already";
  // The picture is disposed and the memory freed.
  EXPECT_FALSE(ImageAlive(worker.image));
  EXPECT_EQ(win32::GlobalSize(worker.memory), 0u);
  EXPECT_EQ(win32::GlobalFree(worker.memory), worker.memory) << "no longer a handle";
}

TEST(LoadDialogProc, ImageWithoutStreamIsDisposedAndNothingElse) {
  StartKit();
  win32::HWND window = CreateLoadDialog();
  ASSERT_NE(window, nullptr);
  gdiplus::GpBitmap* bitmap = nullptr;
  gdiplus::GdipCreateBitmapFromScan0(3, 3, 0, gdiplus::PixelFormat32bppARGB, nullptr, &bitmap);
  win32::HGLOBAL unrelated = win32::GlobalAlloc(win32::GMEM_FIXED, 8);
  SetProp(window, "Vesta_Image", bitmap);
  win32::DestroyWindow(window);
  EXPECT_FALSE(ImageAlive(bitmap));
  EXPECT_EQ(win32::GlobalSize(unrelated), 8u);
  win32::GlobalFree(unrelated);
}

TEST(LoadDialogProc, WindowWithoutPropertiesIsDestroyedLikeAnyOther) {
  StartKit();
  win32::HWND window = CreateLoadDialog();
  ASSERT_NE(window, nullptr);
  EXPECT_NE(win32::DestroyWindow(window), win32::FALSE);
  EXPECT_FALSE(win32::IsWindow(window));
}

// Records what reaches the window and hands it to the class's procedure, except the caption
// drag itself, which would start a move of the window with the mouse.
std::vector<win32::UINT> seen;
std::vector<win32::WPARAM> seenWParams;
win32::LRESULT Recorder(win32::HWND window, win32::UINT message, win32::WPARAM wParam,
                        win32::LPARAM lParam) {
  seen.push_back(message);
  seenWParams.push_back(wParam);
  if (message == win32::WM_NCLBUTTONDOWN) return 0;
  return win32::CallWindowProcA(uikit::LoadDialogProc, window, message, wParam, lParam);
}

TEST(LoadDialogProc, LeftButtonDragsTheWindowOnlyForHitMoveOne) {
  StartKit();
  struct Case {
    const char* name;
    bool set;
    win32::UINT_PTR value;
    bool drags;
  };
  const Case cases[] = {
      {"VestaHitMove 1", true, 1, true},
      {"VestaHitMove 2", true, 2, false},
      {"VestaHitMove 0", true, 0, false},
      {"VestaHitMove absent", false, 0, false},
  };
  for (const Case& c : cases) {
    win32::HWND window = CreateLoadDialog();
    ASSERT_NE(window, nullptr);
    win32::SetWindowLongA(window, win32::GWL_WNDPROC, reinterpret_cast<win32::LONG_PTR>(Recorder));
    if (c.set) SetProp(window, "VestaHitMove", reinterpret_cast<void*>(c.value));
    win32::SetCapture(window);
    seen.clear();
    seenWParams.clear();
    win32::SendMessageA(window, win32::WM_LBUTTONDOWN, win32::MK_LBUTTON, win32::MAKELPARAM(5, 6));
    ASSERT_FALSE(seen.empty()) << c.name;
    EXPECT_EQ(seen[0], win32::WM_LBUTTONDOWN) << c.name;
    std::size_t drag = 0;
    while (drag < seen.size() && seen[drag] != win32::WM_NCLBUTTONDOWN) ++drag;
    if (c.drags) {
      ASSERT_LT(drag, seen.size()) << c.name << ": the caption drag follows the press";
      EXPECT_EQ(seenWParams[drag], win32::WPARAM(win32::HTCAPTION)) << c.name;
      EXPECT_EQ(win32::GetCapture(), nullptr) << c.name << ": capture released first";
    } else {
      EXPECT_EQ(drag, seen.size()) << c.name << ": no drag";
      EXPECT_EQ(win32::GetCapture(), window) << c.name;
    }
    win32::ReleaseCapture();
    win32::DestroyWindow(window);
  }
}

}  // namespace
