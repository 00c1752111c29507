// The 35 splash frames: byte blocks of PNG files, 495 x 331, RGBA with 8 bits per channel, not
// interlaced, a fully transparent background and translucent smoke, each one different.
#include <QImage>
#include <climits>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "assets/Assets.h"
#include "tests/assets/AssetFiles.h"

namespace {

constexpr int kWidth = 495;
constexpr int kHeight = 331;
// The splash decodes one frame per 50 ms tick; frames stay within this size to decode in time.
constexpr std::size_t kLargestFrame = 90 * 1024;

std::string FrameFileName(int n) {
  return "splash/frame" + std::string(n < 10 ? "0" : "") + std::to_string(n) + ".png";
}

QImage DecodeFrame(int n) {
  bytes::ByteBlockView view = assets::SplashFrame(n);
  QImage image;
  image.loadFromData(view.data(), int(view.size()), "PNG");
  return image;
}

TEST(SplashFrames, ThereAreThirtyFive) {
  EXPECT_EQ(assets::SplashFrameCount(), 35);
  EXPECT_EQ(assets::kSplashFrameCount, 35);
}

TEST(SplashFrames, NumbersOutsideTheSequenceGiveNothing) {
  for (int n : {INT_MIN, -1, 0, 36, 100, INT_MAX}) {
    EXPECT_TRUE(assets::SplashFrame(n).empty()) << n;
    EXPECT_EQ(assets::SplashFrame(n).data(), nullptr) << n;
    EXPECT_EQ(assets::SplashFrameLayout(n), nullptr) << n;
  }
}

TEST(SplashFrames, EveryFrameIsDifferent) {
  std::set<std::vector<std::uint8_t>> files;
  for (int n = 1; n <= assets::SplashFrameCount(); ++n) {
    files.insert(assets_test::Bytes(assets::SplashFrame(n)));
  }
  EXPECT_EQ(files.size(), std::size_t(assets::SplashFrameCount()));
}

TEST(SplashFrames, NeighboursDifferInPicture) {
  QImage previous = DecodeFrame(1);
  for (int n = 2; n <= assets::SplashFrameCount(); ++n) {
    QImage current = DecodeFrame(n);
    ASSERT_FALSE(current.isNull()) << n;
    EXPECT_NE(current, previous) << "frames " << n - 1 << " and " << n;
    previous = current;
  }
}

class SplashFrame : public ::testing::TestWithParam<int> {};

TEST_P(SplashFrame, IsAByteBlockOfItsFile) {
  int n = GetParam();
  const std::uint8_t* layout = assets::SplashFrameLayout(n);
  ASSERT_NE(layout, nullptr);
  bytes::ByteBlockView view = assets::SplashFrame(n);
  EXPECT_EQ(bytes::ByteBlockView::ReadLe32(layout), bytes::kByteBlockMarker);
  EXPECT_EQ(bytes::ByteBlockView::ReadLe32(layout + 4), view.size());
  EXPECT_EQ(view.data(), layout + bytes::kByteBlockHeaderSize);
  // The stored layout's 32-bit fields sit on a 4-byte boundary.
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(layout) % 4, 0u);
  std::vector<std::uint8_t> file = assets_test::ReadAssetFile(FrameFileName(n));
  ASSERT_FALSE(file.empty()) << FrameFileName(n);
  EXPECT_EQ(assets_test::Bytes(view), file);
}

TEST_P(SplashFrame, PngHeaderIsRgbaEightBitsNotInterlaced) {
  std::optional<assets_test::PngHeader> header =
      assets_test::ReadPngHeader(assets::SplashFrame(GetParam()));
  ASSERT_TRUE(header.has_value());
  EXPECT_EQ(header->width, std::uint32_t(kWidth));
  EXPECT_EQ(header->height, std::uint32_t(kHeight));
  EXPECT_EQ(header->bitDepth, 8);
  EXPECT_EQ(header->colourType, 6);  // red, green, blue, alpha
  EXPECT_EQ(header->compression, 0);
  EXPECT_EQ(header->filter, 0);
  EXPECT_EQ(header->interlace, 0);
}

TEST_P(SplashFrame, IsSmallEnoughToDecodeWithinATick) {
  bytes::ByteBlockView view = assets::SplashFrame(GetParam());
  EXPECT_GT(view.size(), 0u);
  EXPECT_LE(view.size(), kLargestFrame);
}

TEST_P(SplashFrame, DecodesToTranslucentSmokeOnATransparentBackground) {
  QImage image = DecodeFrame(GetParam());
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.width(), kWidth);
  EXPECT_EQ(image.height(), kHeight);
  ASSERT_TRUE(image.hasAlphaChannel());
  image = image.convertToFormat(QImage::Format_ARGB32);

  const QPoint corners[] = {{0, 0}, {kWidth - 1, 0}, {0, kHeight - 1}, {kWidth - 1, kHeight - 1}};
  for (QPoint corner : corners) {
    EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << corner.x() << "," << corner.y();
  }
  int transparent = 0, translucent = 0, opaque = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      int alpha = qAlpha(image.pixel(x, y));
      if (alpha == 0) {
        ++transparent;
      } else if (alpha == 255) {
        ++opaque;
      } else {
        ++translucent;
      }
    }
  }
  const int pixels = kWidth * kHeight;
  // The desktop shows through: much of the frame is clear, and the smoke is see-through.
  EXPECT_GT(transparent, pixels / 5);
  EXPECT_GT(translucent, pixels / 20);
  EXPECT_GT(translucent, opaque);
}

INSTANTIATE_TEST_SUITE_P(EachFrame, SplashFrame, ::testing::Range(1, 36),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return "Frame" + std::to_string(info.param);
                         });

}  // namespace
