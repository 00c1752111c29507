// The window settings the closing animation uses: clamped places, the one-step move, border
// none, the elliptic shape, the snapshot, the stretched background picture, hiding, and waits
// with event processing.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/Kernel.h"
#include "platform/win32/Window.h"
#include "tests/platform/runtime/TestWindow.h"

namespace runtime::test {
namespace {

struct Bitmap {
  int width{0};
  int height{0};
  int bits{0};
  std::uint32_t fileSize{0};
  std::uint32_t pixelOffset{0};
};

std::uint32_t Le(const bytes::ByteBlock& block, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | block.data()[at + i];
  return value;
}

Bitmap ReadBitmap(const bytes::ByteBlock& block) {
  Bitmap bitmap;
  if (block.size() < 54 || block.data()[0] != 'B' || block.data()[1] != 'M') return bitmap;
  bitmap.fileSize = Le(block, 2, 4);
  bitmap.pixelOffset = Le(block, 10, 4);
  bitmap.width = static_cast<int>(Le(block, 18, 4));
  bitmap.height = static_cast<int>(Le(block, 22, 4));
  bitmap.bits = static_cast<int>(Le(block, 28, 2));
  return bitmap;
}

// The pixel at (x, y) from the top of a 24-bit bottom-up bitmap.
Rgb PixelOf(const bytes::ByteBlock& block, int x, int y) {
  const Bitmap bitmap = ReadBitmap(block);
  const std::size_t stride = (static_cast<std::size_t>(bitmap.width) * 3 + 3) & ~std::size_t{3};
  const std::size_t at = bitmap.pixelOffset +
                         static_cast<std::size_t>(bitmap.height - 1 - y) * stride +
                         static_cast<std::size_t>(x) * 3;
  return Rgb{block.data()[at + 2], block.data()[at + 1], block.data()[at]};
}

// A 2 x 2 bitmap of one colour.
bytes::ByteBlock SolidBitmap(Rgb colour) {
  std::vector<std::uint8_t> file(54 + 16, 0);
  auto put = [&file](std::size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put(2, 70, 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, 2, 4);
  put(22, 2, 4);
  put(26, 1, 2);
  put(28, 24, 2);
  put(34, 16, 4);
  for (int row = 0; row < 2; ++row) {
    for (int x = 0; x < 2; ++x) {
      const std::size_t at = 54 + row * 8 + x * 3;
      file[at] = colour.b;
      file[at + 1] = colour.g;
      file[at + 2] = colour.r;
    }
  }
  return bytes::ByteBlock(std::move(file));
}

class WindowSettingsTest : public RuntimeTest {};

TEST_F(WindowSettingsTest, WrittenPlacesAreClamped) {
  LoadedWindow window(SmallForm());
  ASSERT_TRUE(window);
  struct Case {
    int value;
    int place;
    int size;
  };
  for (const Case& c : {Case{-40000, -32627, 0}, Case{40000, 32627, 32627}, Case{-6, -6, 0},
                        Case{-32627, -32627, 0}, Case{123, 123, 123}}) {
    SCOPED_TRACE(c.value);
    window->SetLeft(c.value);
    EXPECT_EQ(window->Left(), c.place);
    window->SetTop(c.value);
    EXPECT_EQ(window->Top(), c.place);
    window->SetWidth(c.value);
    EXPECT_EQ(window->Width(), c.size);
    window->SetHeight(c.value);
    EXPECT_EQ(window->Height(), c.size);
  }
  window->Move(-50000, 50000, -1, 50000);
  EXPECT_EQ(window->Left(), -32627);
  EXPECT_EQ(window->Top(), 32627);
  EXPECT_EQ(window->Width(), 0);
  EXPECT_EQ(window->Height(), 32627);
}

TEST_F(WindowSettingsTest, MoveSetsAllFourInOneStep) {
  LoadedWindow window(SmallForm());
  ASSERT_TRUE(window);
  window->Move(10, 20, 250, 120);
  win32::RECT rect{};
  ASSERT_TRUE(win32::GetWindowRect(window.handle(), &rect));
  EXPECT_EQ(rect.left, 10);
  EXPECT_EQ(rect.top, 20);
  EXPECT_EQ(rect.right, 260);
  EXPECT_EQ(rect.bottom, 140);
  // Moving keeps the size, sizing keeps the place.
  window->SetLeft(-100);
  EXPECT_EQ(window->Width(), 250);
  window->SetHeight(40);
  EXPECT_EQ(window->Left(), -100);
  EXPECT_EQ(window->Top(), 20);
}

TEST_F(WindowSettingsTest, BorderNoneKeepsTheOuterRectangleAndTheClientFillsIt) {
  LoadedWindow window(SmallForm(389, 463));
  ASSERT_TRUE(window);
  const int left = window->Left();
  const int top = window->Top();
  window->SetBorder(Border::None);
  EXPECT_EQ(window->GetBorder(), Border::None);
  EXPECT_EQ(window->Left(), left);
  EXPECT_EQ(window->Top(), top);
  EXPECT_EQ(window->Width(), 389);
  EXPECT_EQ(window->Height(), 463);
  const auto style =
      static_cast<win32::DWORD>(win32::GetWindowLongA(window.handle(), win32::GWL_STYLE));
  EXPECT_EQ(style & win32::WS_CAPTION, 0u);
  win32::RECT client{};
  ASSERT_TRUE(win32::GetClientRect(window.handle(), &client));
  EXPECT_EQ(client.right - client.left, 389);
  EXPECT_EQ(client.bottom - client.top, 463);
  const Place area = ClientAreaPlace(*window);
  EXPECT_EQ(area.width, 389);
  EXPECT_EQ(area.height, 463);
}

TEST_F(WindowSettingsTest, EllipseShapeFollowsEveryLaterSize) {
  LoadedWindow window(SmallForm());
  ASSERT_TRUE(window);
  window->SetBorder(Border::None);
  EXPECT_FALSE(PeerHasEllipseMask(*window));
  window->SetShape(Shape::Ellipse);
  EXPECT_TRUE(PeerHasEllipseMask(*window));
  window->SetHeight(2);
  EXPECT_TRUE(PeerHasEllipseMask(*window));
  window->Move(window->Left() - 10, window->Top() - 3, 20, 8);
  EXPECT_TRUE(PeerHasEllipseMask(*window));
  window->SetShape(Shape::Rectangle);
  EXPECT_FALSE(PeerHasEllipseMask(*window));
}

TEST_F(WindowSettingsTest, SnapshotIsABitmapFileOfTheWholeWindow) {
  LoadedWindow window(SmallForm(389, 463));
  ASSERT_TRUE(window);
  ProcessEvents(10);
  const bytes::ByteBlock shot = window->Snapshot();
  const Bitmap bitmap = ReadBitmap(shot);
  EXPECT_EQ(bitmap.width, 389);
  EXPECT_EQ(bitmap.height, 463);
  EXPECT_EQ(bitmap.bits, 24);
  EXPECT_EQ(bitmap.pixelOffset, 54u);
  EXPECT_EQ(bitmap.fileSize, shot.size());
  EXPECT_EQ(shot.size(), 54u + 1168u * 463u);  // rows of 389 * 3 bytes padded to 1168
  // The middle of the window is its black client area.
  EXPECT_EQ(PixelOf(shot, 389 / 2, 463 / 2), kBlack);
}

TEST_F(WindowSettingsTest, StretchedBackgroundPictureCoversTheClientAreaAboveTheControls) {
  FormSpec form = SmallForm();
  ControlSpec button;
  button.name = "按钮1";
  button.kind = ControlKind::PushButton;
  button.left = 0;
  button.top = 0;
  button.width = 300;
  button.height = 200;
  form.controls = {button};
  LoadedWindow window(form);
  ASSERT_TRUE(window);
  window->SetBorder(Border::None);
  window->SetPictureMode(PictureMode::Stretched);
  const Rgb silver{192, 192, 192};
  window->SetBackgroundPicture(SolidBitmap(silver));
  ProcessEvents(10);
  const bytes::ByteBlock shot = window->Snapshot();
  for (auto [x, y] : {std::pair{0, 0}, std::pair{150, 100}, std::pair{299, 199}}) {
    EXPECT_EQ(PixelOf(shot, x, y), silver) << x << ", " << y;
  }
  window->SetBackgroundPicture({});
  ProcessEvents(10);
  EXPECT_NE(PixelOf(window->Snapshot(), 150, 100), silver);
}

TEST_F(WindowSettingsTest, HiddenWindowIsNotVisible) {
  LoadedWindow window(SmallForm());
  ASSERT_TRUE(window);
  EXPECT_TRUE(window->Visible());
  window->SetVisible(false);
  EXPECT_FALSE(window->Visible());
  EXPECT_FALSE(win32::IsWindowVisible(window.handle()));
  EXPECT_TRUE(win32::IsWindow(window.handle()));
}

TEST_F(WindowSettingsTest, WaitWithEventsProcessesPendingEventsForItsTime) {
  int ticks = 0;
  FormSpec form = SmallForm();
  ControlSpec timer;
  timer.name = "时钟1";
  timer.kind = ControlKind::Timer;
  form.controls = {timer};
  form.bindings = {{Event::TimerTick, "时钟1", [&ticks](Window&) { ++ticks; }}};
  LoadedWindow window(form);
  ASSERT_TRUE(window);
  window->Get("时钟1").SetPeriod(10);
  const win32::DWORD start = win32::GetTickCount();
  WaitWithEvents(100);
  EXPECT_GT(win32::GetTickCount() - start, 100u);
  EXPECT_GE(ticks, 3);
  window->Get("时钟1").SetPeriod(0);

  // A queued destruction is a pending event too; a wait of 0 processes nothing.
  window->RequestDestroy();
  WaitWithEvents(0);
  WaitWithEvents(-5);
  EXPECT_NE(WindowOf(window.handle()), nullptr);
  WaitWithEvents(20);
  EXPECT_EQ(WindowOf(window.handle()), nullptr);
}

}  // namespace
}  // namespace runtime::test
