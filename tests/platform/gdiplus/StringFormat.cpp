// String formats and their alignments.

#include "tests/platform/gdiplus/Support.h"

namespace gdiplus {
namespace {

using test::kMarker;

class StringFormatTest : public test::GdiplusTest {};

TEST_F(StringFormatTest, CreateSetAndDelete) {
  GpStringFormat* format = nullptr;
  ASSERT_EQ(
      GdipCreateStringFormat(StringFormatFlagsNoWrap | StringFormatFlagsNoFitBlackBox, 0, &format),
      Ok);
  for (StringAlignment align : {StringAlignmentNear, StringAlignmentCenter, StringAlignmentFar}) {
    EXPECT_EQ(GdipSetStringFormatAlign(format, align), Ok);
    EXPECT_EQ(GdipSetStringFormatLineAlign(format, align), Ok);
  }
  EXPECT_EQ(GdipDeleteStringFormat(format), Ok);
  EXPECT_EQ(GdipDeleteStringFormat(format), InvalidParameter);
}

TEST_F(StringFormatTest, RefusesBadAlignmentsAndHandles) {
  GpStringFormat* format = nullptr;
  ASSERT_EQ(GdipCreateStringFormat(0, 0, &format), Ok);
  for (int align : {3, -1, 100}) {
    EXPECT_EQ(GdipSetStringFormatAlign(format, StringAlignment(align)), InvalidParameter);
    EXPECT_EQ(GdipSetStringFormatLineAlign(format, StringAlignment(align)), InvalidParameter);
  }
  EXPECT_EQ(GdipCreateStringFormat(0, 0, nullptr), InvalidParameter);
  EXPECT_EQ(GdipSetStringFormatAlign(nullptr, StringAlignmentNear), InvalidParameter);
  EXPECT_EQ(GdipSetStringFormatLineAlign(nullptr, StringAlignmentNear), InvalidParameter);
  EXPECT_EQ(GdipDeleteStringFormat(nullptr), InvalidParameter);
  GdipDeleteStringFormat(format);
  EXPECT_EQ(GdipSetStringFormatAlign(format, StringAlignmentNear), InvalidParameter);
  EXPECT_EQ(GdipDeleteStringFormat(reinterpret_cast<GpStringFormat*>(kMarker)), InvalidParameter);
}

}  // namespace
}  // namespace gdiplus
