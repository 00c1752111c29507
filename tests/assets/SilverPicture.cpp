// The silver picture that the closing animation flashes: a 24-bit bitmap file of 108 x 76
// pixels, all RGB(192, 192, 192), embedded byte for byte as a byte block.
#include <QImage>
#include <cstdint>

#include <gtest/gtest.h>

#include "assets/Assets.h"
#include "tests/assets/AssetFiles.h"

namespace {

constexpr std::size_t kFileSize = 24678;
constexpr std::size_t kPixelOffset = 54;
constexpr std::size_t kRowBytes = 324;
constexpr int kWidth = 108;
constexpr int kHeight = 76;

std::uint32_t ReadLe(const std::uint8_t* p, int size) {
  std::uint32_t v = 0;
  for (int i = size - 1; i >= 0; --i) v = v << 8 | p[i];
  return v;
}

TEST(SilverPicture, IsAByteBlockOfTheWholeFile) {
  const std::uint8_t* layout = assets::SilverPictureLayout();
  ASSERT_NE(layout, nullptr);
  EXPECT_EQ(bytes::ByteBlockView::ReadLe32(layout), bytes::kByteBlockMarker);
  EXPECT_EQ(bytes::ByteBlockView::ReadLe32(layout + 4), kFileSize);
  bytes::ByteBlockView view = assets::SilverPicture();
  EXPECT_EQ(view.size(), kFileSize);
  EXPECT_EQ(view.data(), layout + bytes::kByteBlockHeaderSize);
  EXPECT_EQ(assets_test::Bytes(view), assets_test::ReadAssetFile("silver.bmp"));
}

TEST(SilverPicture, HeaderFields) {
  struct Field {
    const char* name;
    std::size_t offset;
    int size;
    std::uint32_t value;
  };
  const Field fields[] = {
      {"file type 'BM'", 0, 2, 0x4D42},
      {"file size", 2, 4, kFileSize},
      {"reserved", 6, 4, 0},
      {"offset of the pixels", 10, 4, kPixelOffset},
      {"information header size", 14, 4, 40},
      {"width", 18, 4, kWidth},
      {"height (positive: bottom-up)", 22, 4, kHeight},
      {"planes", 26, 2, 1},
      {"bits per pixel", 28, 2, 24},
      {"compression (none)", 30, 4, 0},
      {"size of the pixels", 34, 4, kRowBytes * kHeight},
      {"colours used (no palette)", 46, 4, 0},
      {"important colours", 50, 4, 0},
  };
  bytes::ByteBlockView view = assets::SilverPicture();
  ASSERT_EQ(view.size(), kFileSize);
  for (const Field& f : fields) {
    EXPECT_EQ(ReadLe(view.data() + f.offset, f.size), f.value) << f.name;
  }
}

TEST(SilverPicture, EveryPixelIsSilver) {
  bytes::ByteBlockView view = assets::SilverPicture();
  ASSERT_EQ(view.size(), kPixelOffset + kRowBytes * kHeight);
  // 108 pixels of 3 bytes fill a row of 324 bytes exactly, so there is no padding to skip.
  for (std::size_t i = kPixelOffset; i < view.size(); ++i) {
    ASSERT_EQ(view.data()[i], 192) << "byte " << i;
  }
}

TEST(SilverPicture, DecodesAsAnOpaqueSilverBitmap) {
  bytes::ByteBlockView view = assets::SilverPicture();
  QImage image;
  ASSERT_TRUE(image.loadFromData(view.data(), int(view.size()), "BMP"));
  EXPECT_EQ(image.width(), kWidth);
  EXPECT_EQ(image.height(), kHeight);
  EXPECT_FALSE(image.hasAlphaChannel());
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      ASSERT_EQ(image.pixel(x, y), qRgb(192, 192, 192)) << x << "," << y;
    }
  }
}

}  // namespace
