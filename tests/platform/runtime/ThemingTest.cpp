// The runtime's silver look: bordered controls get a flat one-pixel RGB(198, 196, 215) frame,
// while their own text and background colours stay. Checked on the pixels of a snapshot.
#include <cstdint>

#include "tests/platform/runtime/TestWindow.h"

namespace runtime::test {
namespace {

constexpr Rgb kFrame{198, 196, 215};

Rgb PixelAt(const bytes::ByteBlock& bmp, int x, int y) {
  auto le = [&bmp](std::size_t at) {
    return std::uint32_t(bmp.data()[at]) | std::uint32_t(bmp.data()[at + 1]) << 8 |
           std::uint32_t(bmp.data()[at + 2]) << 16 | std::uint32_t(bmp.data()[at + 3]) << 24;
  };
  const auto width = static_cast<int>(le(18));
  const auto height = static_cast<int>(le(22));
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
  const std::size_t at =
      le(10) + static_cast<std::size_t>(height - 1 - y) * stride + static_cast<std::size_t>(x) * 3;
  return Rgb{bmp.data()[at + 2], bmp.data()[at + 1], bmp.data()[at]};
}

class ThemingTest : public RuntimeTest {};

TEST_F(ThemingTest, BorderedControlsGetTheFlatSilverFrame) {
  FormSpec form = SmallForm(300, 200);
  form.border = Border::None;  // client area and window rectangle are the same
  ControlSpec box;
  box.name = "编辑框1";
  box.kind = ControlKind::EditBox;
  box.left = 10;
  box.top = 10;
  box.width = 90;
  box.height = 24;
  box.textColor = Rgb{0, 255, 0};
  ControlSpec list;
  list.name = "超级列表框1";
  list.kind = ControlKind::ListView;
  list.left = 10;
  list.top = 50;
  list.width = 200;
  list.height = 100;
  list.textColor = Rgb{255, 255, 0};
  list.columns = {{"武器名称", 100, Align::Left}};
  form.controls = {box, list};
  form.bindings = {{Event::Created, "", [](Window&) { EnableTheming(3); }}};
  LoadedWindow window(form);
  ASSERT_TRUE(window);
  ProcessEvents(10);
  const bytes::ByteBlock shot = window->Snapshot();
  ASSERT_FALSE(shot.empty());
  EXPECT_EQ(PixelAt(shot, 10, 10), kFrame);
  EXPECT_EQ(PixelAt(shot, 99, 33), kFrame);
  EXPECT_EQ(PixelAt(shot, 10, 50), kFrame);
  EXPECT_EQ(PixelAt(shot, 209, 149), kFrame);
  // Inside the frame the controls keep their own black, and their text colours stay.
  EXPECT_EQ(PixelAt(shot, 14, 30), kBlack);
  EXPECT_EQ(TextColourOf(*window, "编辑框1"), (Rgb{0, 255, 0}));
  EXPECT_EQ(TextColourOf(*window, "超级列表框1"), (Rgb{255, 255, 0}));
  // Windows loaded later get the look too.
  LoadedWindow later(form);
  ASSERT_TRUE(later);
  ProcessEvents(10);
  EXPECT_EQ(PixelAt(later->Snapshot(), 10, 10), kFrame);
}

}  // namespace
}  // namespace runtime::test
