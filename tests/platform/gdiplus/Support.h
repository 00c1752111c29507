#pragma once
// Shared pieces of the GDI+ tests: a running GDI+ per test, streams over bytes, small pictures
// encoded by Qt or written byte by byte, and pixel probes.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

#include "platform/gdiplus/Gdiplus.h"

namespace gdiplus::test {

inline constexpr std::uint32_t kMarker = 0xdeadbeef;

// GDI+ is started before each test and shut down after it, so every test begins with an empty
// object table.
class GdiplusTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  ULONG_PTR token_{0};
};

// A stream over a copy of `bytes`, freed with the stream's last reference.
com::IStream* StreamOver(const QByteArray& bytes);
// `image` encoded as a file of `format` ("PNG", "BMP", "JPEG").
QByteArray Encode(const QImage& image, const char* format);
// A 2 by 2 animated GIF of three frames: all red, then all blue, then all green.
QByteArray AnimatedGif();
// A 2 by 2 GIF of one frame, all blue.
QByteArray SingleFrameGif();

// Decodes `bytes`; null with a test failure when GDI+ refuses them.
GpImage* Load(const QByteArray& bytes);
// A bitmap of its own memory, fully transparent, with a graphics on it.
GpBitmap* NewBitmap(int width, int height, GpGraphics** graphics);
ARGB Pixel(GpBitmap* bitmap, int x, int y);
// The smallest rectangle that holds every pixel whose alpha is not 0.
QRect Inked(GpBitmap* bitmap);

}  // namespace gdiplus::test
