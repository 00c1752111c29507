// The program icon: a square PNG with an alpha channel, transparent around the picture.
#include <QImage>

#include <gtest/gtest.h>

#include "assets/Assets.h"
#include "tests/assets/AssetFiles.h"

namespace {

TEST(ProgramIcon, IsAByteBlockOfTheIconFile) {
  const std::uint8_t* layout = assets::ProgramIconLayout();
  ASSERT_NE(layout, nullptr);
  EXPECT_EQ(bytes::ByteBlockView::ReadLe32(layout), bytes::kByteBlockMarker);
  bytes::ByteBlockView view = assets::ProgramIcon();
  EXPECT_EQ(bytes::ByteBlockView::ReadLe32(layout + 4), view.size());
  EXPECT_FALSE(view.empty());
  EXPECT_EQ(assets_test::Bytes(view), assets_test::ReadAssetFile("icon/program.png"));
}

TEST(ProgramIcon, DecodesToASquarePictureOnTransparency) {
  bytes::ByteBlockView view = assets::ProgramIcon();
  QImage icon;
  ASSERT_TRUE(icon.loadFromData(view.data(), int(view.size()), "PNG"));
  EXPECT_EQ(icon.width(), icon.height());
  EXPECT_GE(icon.width(), 32);
  ASSERT_TRUE(icon.hasAlphaChannel());
  int last = icon.width() - 1;
  for (QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)}) {
    EXPECT_EQ(qAlpha(icon.pixel(corner)), 0) << corner.x() << "," << corner.y();
  }
  // The drop in the middle of its lower half is opaque.
  EXPECT_EQ(qAlpha(icon.pixel(icon.width() / 2, icon.height() * 3 / 4)), 255);
}

}  // namespace
