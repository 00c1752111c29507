// UpdateLayeredWindow: the presented picture (premultiplied, rows in the right order), the move
// and size it carries, the translucent peer that paints it, and the refusals.
#include <QImage>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstring>

#include "platform/win32/internal/Peer.h"
#include "tests/platform/win32/Gdi.h"
#include "tests/platform/win32/Support.h"

namespace win32test {
namespace {

using Win32Layered = Win32Test;

BLENDFUNCTION Blend(BYTE constant = 255) {
  return BLENDFUNCTION{AC_SRC_OVER, 0, constant, AC_SRC_ALPHA};
}

// The premultiplied pixel (x, y) of the test picture, top-down, as B, G, R, A bytes.
std::array<std::uint8_t, 4> Expected(int x, int y) {
  const std::uint8_t a = std::uint8_t(60 + 40 * y);
  return {std::uint8_t(10 * x), std::uint8_t(20 + 10 * y), std::uint8_t(std::min<int>(a, 50)), a};
}

std::array<std::uint8_t, 4> PixelOf(const QImage& image, int x, int y) {
  const std::uint8_t* p = image.constScanLine(y) + 4 * x;
  return {p[0], p[1], p[2], p[3]};
}

// A memory DC holding a width x height 32-bit DIB that carries the test picture; positive
// heights store it bottom-up.
struct Source {
  HDC dc{nullptr};
  HBITMAP dib{nullptr};
  HGDIOBJ old{nullptr};
  Source(int width, int height, bool bottomUp = true) {
    dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info = DibInfo(width, bottomUp ? height : -height);
    void* bits = nullptr;
    dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* bytes = static_cast<std::uint8_t*>(bits);
    for (int y = 0; y < height; ++y) {
      const int stored = bottomUp ? height - 1 - y : y;
      for (int x = 0; x < width; ++x) {
        const auto px = Expected(x, y);
        std::memcpy(bytes + stored * width * 4 + x * 4, px.data(), 4);
      }
    }
    old = SelectObject(dc, dib);
  }
  ~Source() {
    SelectObject(dc, old);
    DeleteObject(dib);
    DeleteDC(dc);
  }
};

HWND MakeLayered(int width = 4, int height = 3, DWORD style = WS_POPUP) {
  HWND w = MakeWindow(style, 0, 50, 60, width, height);
  SetWindowLongA(w, GWL_EXSTYLE, LONG_PTR(WS_EX_LAYERED));
  return w;
}

TEST_F(Win32Layered, TheSourceDibBecomesThePicture) {
  HWND w = MakeLayered();
  Source source(4, 3);
  SIZE size{4, 3};
  POINT from{0, 0};
  BLENDFUNCTION blend = Blend();
  EXPECT_EQ(internal::PresentedPicture(w), nullptr);
  EXPECT_TRUE(
      UpdateLayeredWindow(w, nullptr, nullptr, &size, source.dc, &from, 0, &blend, ULW_ALPHA));
  const QImage* picture = internal::PresentedPicture(w);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->format(), QImage::Format_ARGB32_Premultiplied);
  EXPECT_EQ(picture->size(), QSize(4, 3));
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(PixelOf(*picture, x, y), Expected(x, y)) << x << y;
  }
}

TEST_F(Win32Layered, TopDownDibsGiveTheSamePicture) {
  HWND w = MakeLayered();
  Source source(4, 3, false);
  SIZE size{4, 3};
  BLENDFUNCTION blend = Blend();
  EXPECT_TRUE(
      UpdateLayeredWindow(w, nullptr, nullptr, &size, source.dc, nullptr, 0, &blend, ULW_ALPHA));
  const QImage* picture = internal::PresentedPicture(w);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(PixelOf(*picture, 0, 0), Expected(0, 0));
  EXPECT_EQ(PixelOf(*picture, 3, 2), Expected(3, 2));
}

TEST_F(Win32Layered, ASourcePointPicksAPartOfTheDib) {
  HWND w = MakeLayered(2, 2);
  Source source(4, 3);
  SIZE size{2, 2};
  POINT from{1, 1};
  BLENDFUNCTION blend = Blend();
  EXPECT_TRUE(
      UpdateLayeredWindow(w, nullptr, nullptr, &size, source.dc, &from, 0, &blend, ULW_ALPHA));
  const QImage* picture = internal::PresentedPicture(w);
  EXPECT_EQ(PixelOf(*picture, 0, 0), Expected(1, 1));
  EXPECT_EQ(PixelOf(*picture, 1, 1), Expected(2, 2));
}

TEST_F(Win32Layered, APointAndASizeMoveAndSizeTheWindow) {
  HWND w = MakeLayered();
  Source source(4, 3);
  SIZE size{3, 2};
  POINT to{-20, 30};
  BLENDFUNCTION blend = Blend();
  Log().clear();
  EXPECT_TRUE(
      UpdateLayeredWindow(w, nullptr, &to, &size, source.dc, nullptr, 0, &blend, ULW_ALPHA));
  RECT r{};
  GetWindowRect(w, &r);
  EXPECT_EQ(r, (RECT{-20, 30, -17, 32}));
  EXPECT_EQ(Find(w, WM_WINDOWPOSCHANGED).size(), 1u);
  // Without point and size the window stays and the picture is the window's size.
  Source bigger(5, 5);
  EXPECT_TRUE(
      UpdateLayeredWindow(w, nullptr, nullptr, nullptr, bigger.dc, nullptr, 0, &blend, ULW_ALPHA));
  GetWindowRect(w, &r);
  EXPECT_EQ(r, (RECT{-20, 30, -17, 32}));
  EXPECT_EQ(internal::PresentedPicture(w)->size(), QSize(3, 2));
}

TEST_F(Win32Layered, ConstantAlphaScalesEveryChannel) {
  HWND w = MakeLayered(1, 1);
  Source source(1, 1);
  SIZE size{1, 1};
  BLENDFUNCTION blend = Blend(128);
  UpdateLayeredWindow(w, nullptr, nullptr, &size, source.dc, nullptr, 0, &blend, ULW_ALPHA);
  const auto px = PixelOf(*internal::PresentedPicture(w), 0, 0);
  const auto full = Expected(0, 0);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(px[i], (full[i] * 128 + 127) / 255) << i;
}

TEST_F(Win32Layered, OpaqueAndWithoutSourceAlpha) {
  HWND w = MakeLayered(1, 1);
  Source source(1, 1);
  SIZE size{1, 1};
  UpdateLayeredWindow(w, nullptr, nullptr, &size, source.dc, nullptr, 0, nullptr, ULW_OPAQUE);
  EXPECT_EQ(PixelOf(*internal::PresentedPicture(w), 0, 0)[3], 255);
  BLENDFUNCTION constantOnly{AC_SRC_OVER, 0, 255, 0};  // per-pixel alpha ignored
  UpdateLayeredWindow(w, nullptr, nullptr, &size, source.dc, nullptr, 0, &constantOnly, ULW_ALPHA);
  EXPECT_EQ(PixelOf(*internal::PresentedPicture(w), 0, 0)[3], 255);
}

TEST_F(Win32Layered, ThePeerIsTranslucentAndPaintsExactlyThePicture) {
  HWND w = MakeWindow(WS_POPUP | WS_VISIBLE, 0, 50, 60, 6, 4);
  SetWindowLongA(w, GWL_EXSTYLE, LONG_PTR(WS_EX_LAYERED));
  Pump();
  QWidget* peer = internal::PeerOf(w);
  EXPECT_TRUE(peer->testAttribute(Qt::WA_TranslucentBackground));
  EXPECT_TRUE(peer->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(peer->isVisible());  // shown again after its platform window was remade
  EXPECT_EQ(peer->geometry(), QRect(50, 60, 6, 4));
  Source source(4, 3);
  SIZE size{4, 3};
  BLENDFUNCTION blend = Blend();
  EXPECT_TRUE(
      UpdateLayeredWindow(w, nullptr, nullptr, &size, source.dc, nullptr, 0, &blend, ULW_ALPHA));
  // Made larger than its picture, the window shows the rest fully transparent.
  SetWindowPos(w, nullptr, 0, 0, 6, 4, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  const QImage shown = peer->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  ASSERT_EQ(shown.size(), QSize(6, 4));
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(PixelOf(shown, x, y), Expected(x, y)) << x << y;
  }
  EXPECT_EQ(PixelOf(shown, 5, 0), (std::array<std::uint8_t, 4>{0, 0, 0, 0}));
  EXPECT_EQ(PixelOf(shown, 0, 3), (std::array<std::uint8_t, 4>{0, 0, 0, 0}));
}

TEST_F(Win32Layered, LeavingTheLayeredStyleDropsThePicture) {
  HWND w = MakeLayered();
  Source source(4, 3);
  BLENDFUNCTION blend = Blend();
  UpdateLayeredWindow(w, nullptr, nullptr, nullptr, source.dc, nullptr, 0, &blend, ULW_ALPHA);
  ASSERT_NE(internal::PresentedPicture(w), nullptr);
  SetWindowLongA(w, GWL_EXSTYLE, 0);
  EXPECT_EQ(internal::PresentedPicture(w), nullptr);
  EXPECT_FALSE(internal::PeerOf(w)->testAttribute(Qt::WA_TranslucentBackground));
}

TEST_F(Win32Layered, Refusals) {
  HWND layered = MakeLayered();
  HWND plain = MakeWindow(WS_POPUP, 0, 0, 0, 4, 3);
  Source source(4, 3);
  HDC empty = CreateCompatibleDC(nullptr);  // holds only the stock bitmap
  HWND gone = MakeLayered();
  DestroyWindow(gone);
  BLENDFUNCTION blend = Blend();
  BLENDFUNCTION badOp{1, 0, 255, AC_SRC_ALPHA};
  SIZE size{4, 3};
  SIZE zero{0, 3};
  SIZE tooBig{5, 3};
  POINT off{1, 0};
  POINT negative{-1, 0};
  struct Case {
    const char* what;
    HWND window;
    HDC destination;
    SIZE* size;
    HDC source;
    POINT* from;
    BLENDFUNCTION* blend;
    DWORD flags;
    DWORD error;
  };
  const Case cases[] = {
      {"not layered", plain, nullptr, &size, source.dc, nullptr, &blend, ULW_ALPHA,
       ERROR_INVALID_PARAMETER},
      {"no window", gone, nullptr, &size, source.dc, nullptr, &blend, ULW_ALPHA,
       ERROR_INVALID_WINDOW_HANDLE},
      {"no DIB selected", layered, nullptr, &size, empty, nullptr, &blend, ULW_ALPHA,
       ERROR_INVALID_PARAMETER},
      {"bad source DC", layered, nullptr, &size, reinterpret_cast<HDC>(0x10), nullptr, &blend,
       ULW_ALPHA, ERROR_INVALID_HANDLE},
      {"bad destination DC", layered, reinterpret_cast<HDC>(0x10), &size, source.dc, nullptr,
       &blend, ULW_ALPHA, ERROR_INVALID_HANDLE},
      {"no blend", layered, nullptr, &size, source.dc, nullptr, nullptr, ULW_ALPHA,
       ERROR_INVALID_PARAMETER},
      {"bad blend operation", layered, nullptr, &size, source.dc, nullptr, &badOp, ULW_ALPHA,
       ERROR_INVALID_PARAMETER},
      {"unknown flag", layered, nullptr, &size, source.dc, nullptr, &blend, ULW_ALPHA | 0x100,
       ERROR_INVALID_PARAMETER},
      {"zero size", layered, nullptr, &zero, source.dc, nullptr, &blend, ULW_ALPHA,
       ERROR_INVALID_PARAMETER},
      {"wider than the DIB", layered, nullptr, &tooBig, source.dc, nullptr, &blend, ULW_ALPHA,
       ERROR_INVALID_PARAMETER},
      {"source point runs off the DIB", layered, nullptr, &size, source.dc, &off, &blend, ULW_ALPHA,
       ERROR_INVALID_PARAMETER},
      {"negative source point", layered, nullptr, &size, source.dc, &negative, &blend, ULW_ALPHA,
       ERROR_INVALID_PARAMETER},
  };
  for (const Case& c : cases) {
    SetLastError(0);
    EXPECT_FALSE(UpdateLayeredWindow(c.window, c.destination, nullptr, c.size, c.source, c.from, 0,
                                     c.blend, c.flags))
        << c.what;
    EXPECT_EQ(GetLastError(), c.error) << c.what;
  }
  EXPECT_EQ(internal::PresentedPicture(layered), nullptr);  // nothing was presented
  RECT r{};
  GetWindowRect(layered, &r);
  EXPECT_EQ(r, (RECT{50, 60, 54, 63}));
  DeleteDC(empty);
}

TEST_F(Win32Layered, TheHostsPresentSequence) {
  // Window DC, memory DC, zero-filled DIB, select, present, select back, delete: as the kit does
  // it for every picture.
  HWND w = MakeLayered(495, 331);
  HDC window = GetWindowDC(w);
  HDC memory = CreateCompatibleDC(window);
  BITMAPINFO info = DibInfo(495, 331);
  HBITMAP dib = CreateDIBSection(memory, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, dib);
  SIZE size{495, 331};
  POINT from{0, 0};
  BLENDFUNCTION blend = Blend();
  EXPECT_TRUE(UpdateLayeredWindow(w, window, nullptr, &size, memory, &from, 0, &blend, ULW_ALPHA));
  EXPECT_EQ(SelectObject(memory, previous), dib);
  EXPECT_TRUE(DeleteObject(dib));
  EXPECT_TRUE(DeleteDC(memory));
  EXPECT_EQ(ReleaseDC(w, window), 1);
  const QImage* picture = internal::PresentedPicture(w);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(PixelOf(*picture, 494, 330), (std::array<std::uint8_t, 4>{0, 0, 0, 0}));
}

}  // namespace
}  // namespace win32test
