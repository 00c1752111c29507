// Skinned child controls: hooking, the button's draw states, the text box's caret hand-over and
// the drawing of each type into the host's picture.
#include "uikit/SkinnedControls.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/Gdi.h"
#include "platform/win32/Timer.h"
#include "platform/win32/Window.h"
#include "tests/uikit/KitTest.h"
#include "uikit/Compose.h"
#include "uikit/Decode.h"
#include "uikit/KitState.h"
#include "uikit/LayeredImageHost.h"

namespace {

using namespace kit_test;

constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kBlue = 0xFF0000FF;
constexpr std::uint32_t kGrey = 0xFF808080;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;

void SetProp(win32::HWND window, const char* name, win32::UINT_PTR value) {
  win32::SetPropA(window, name, reinterpret_cast<win32::HANDLE>(value));
}
void SetProp(win32::HWND window, const char* name, const void* value) {
  win32::SetPropA(window, name, reinterpret_cast<win32::HANDLE>(const_cast<void*>(value)));
}
win32::UINT_PTR Prop(win32::HWND window, const char* name) {
  return reinterpret_cast<win32::UINT_PTR>(win32::GetPropA(window, name));
}

// A host window with the kit attached, and the images the test made (disposed at the end).
class Skinned : public ::testing::Test {
 protected:
  void SetUp() override {
    StartKit();
    window_ = std::make_unique<TestWindow>(40, 30, 160, 120);
    ASSERT_TRUE(host_.Attach(*window_));
    win32::KillTimer(*window_, 64);  // the tests drive the blink themselves
  }
  void TearDown() override {
    uikit::KitState& kit = uikit::Kit();
    kit.caretHost = nullptr;
    kit.caretControl = nullptr;
    kit.cachedComposite.reset();
    window_.reset();
    for (gdiplus::GpImage* image : images_) uikit::DisposeImage(image);
  }
  gdiplus::GpImage* Image(const QImage& picture) {
    images_.push_back(DecodedImage(picture));
    return images_.back();
  }
  win32::HWND Child(const char* className, int x, int y, int w, int h, int type) {
    win32::HWND child = CreateChild(*window_, className, x, y, w, h);
    SetProp(child, "PngControl_Type", win32::UINT_PTR(type));
    return child;
  }
  void Recompose() { uikit::Compose(*window_, nullptr, uikit::ComposeMode::Present); }
  std::uint32_t At(int x, int y) { return Presented(*window_, x, y); }

  std::unique_ptr<TestWindow> window_;
  uikit::LayeredImageHost host_;
  std::vector<gdiplus::GpImage*> images_;
};

TEST(FitSize, NeverExceedsBoxOrImage) {
  struct Case {
    int iw, ih, bw, bh;
    win32::LONG w, h;
  };
  const Case cases[] = {
      {200, 100, 100, 100, 100, 50},
      {20, 20, 100, 100, 20, 20},
      {100, 300, 100, 100, 33, 100},
      {300, 300, 100, 50, 50, 50},
      {100, 100, 100, 100, 100, 100},
      {0, 0, 10, 10, 0, 0},
      {7, 3, 2, 2, 2, 0},
  };
  for (const Case& c : cases) {
    const win32::SIZE fit = uikit::FitSize(c.iw, c.ih, c.bw, c.bh);
    EXPECT_EQ(fit.cx, c.w) << c.iw << "x" << c.ih << " in " << c.bw << "x" << c.bh;
    EXPECT_EQ(fit.cy, c.h) << c.iw << "x" << c.ih << " in " << c.bw << "x" << c.bh;
  }
}

TEST_F(Skinned, StateImageFallsBackToTheNormalImage) {
  win32::HWND button = Child("BUTTON", 0, 0, 10, 10, 3);
  EXPECT_EQ(uikit::StateImage(button, 0), nullptr) << "no images at all";
  gdiplus::GpImage* normal = Image(Solid(2, 2, kRed));
  gdiplus::GpImage* down = Image(Solid(2, 2, kBlue));
  SetProp(button, "PngControl_NormalImage", normal);
  SetProp(button, "PngControl_DownImage", down);
  EXPECT_EQ(uikit::StateImage(button, 0), normal);
  EXPECT_EQ(uikit::StateImage(button, 1), normal) << "no hover image";
  EXPECT_EQ(uikit::StateImage(button, 2), down);
  EXPECT_EQ(uikit::StateImage(button, 3), normal) << "no disabled image";
  EXPECT_EQ(uikit::StateImage(button, 7), normal);
}

TEST_F(Skinned, SkinChildrenHooksButtonsAndTextBoxesOnce) {
  win32::HWND button = Child("BUTTON", 0, 0, 10, 10, 3);
  win32::HWND box = Child("EDIT", 0, 20, 10, 10, 4);
  win32::HWND picture = Child("BUTTON", 0, 40, 10, 10, 2);
  win32::HWND odd = Child("BUTTON", 0, 60, 10, 10, 1);
  win32::HWND plain = Child("BUTTON", 20, 0, 10, 10, 0);
  const win32::LONG_PTR buttonClassProc = win32::GetWindowLongA(button, win32::GWL_WNDPROC);
  const win32::LONG_PTR editClassProc = win32::GetWindowLongA(box, win32::GWL_WNDPROC);
  for (int round = 0; round < 2; ++round) {
    host_.SkinChildren();
    EXPECT_EQ(win32::GetWindowLongA(button, win32::GWL_WNDPROC),
              reinterpret_cast<win32::LONG_PTR>(&uikit::ButtonProc));
    EXPECT_EQ(win32::LONG_PTR(Prop(button, "PngControl_ChildWndProc")), buttonClassProc) << round;
    EXPECT_EQ(win32::GetWindowLongA(box, win32::GWL_WNDPROC),
              reinterpret_cast<win32::LONG_PTR>(&uikit::TextBoxProc));
    EXPECT_EQ(win32::LONG_PTR(Prop(box, "PngControl_ChildWndProc")), editClassProc) << round;
    for (win32::HWND untouched : {picture, odd, plain}) {
      EXPECT_EQ(win32::GetWindowLongA(untouched, win32::GWL_WNDPROC), buttonClassProc);
      EXPECT_EQ(Prop(untouched, "PngControl_ChildWndProc"), 0u);
    }
  }
  // A button still works through the class procedure it had before.
  win32::SetWindowTextA(button, "ok");
  char text[8] = {0};
  EXPECT_EQ(win32::GetWindowTextA(button, text, 8), 2);
}

win32::LRESULT OutsideProc(win32::HWND window, win32::UINT message, win32::WPARAM wParam,
                           win32::LPARAM lParam) {
  return win32::DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(Skinned, OutsideProcedureIsPutBackAndRemoved) {
  win32::HWND fresh = Child("BUTTON", 0, 0, 10, 10, 3);
  win32::HWND hooked = Child("BUTTON", 0, 20, 10, 10, 3);
  win32::HWND other = Child("BUTTON", 0, 40, 10, 10, 5);
  host_.SkinChildren();
  for (win32::HWND w : {fresh, hooked, other})
    SetProp(w, "PngControl_WndProc", reinterpret_cast<win32::UINT_PTR>(&OutsideProc));
  win32::RemovePropA(fresh, "PngControl_ChildWndProc");  // as if never hooked
  host_.SkinChildren();
  const auto outside = reinterpret_cast<win32::LONG_PTR>(&OutsideProc);
  EXPECT_EQ(win32::GetWindowLongA(fresh, win32::GWL_WNDPROC),
            reinterpret_cast<win32::LONG_PTR>(&uikit::ButtonProc));
  EXPECT_EQ(win32::LONG_PTR(Prop(fresh, "PngControl_ChildWndProc")), outside)
      << "the outside procedure is what the kit hooks over";
  EXPECT_EQ(win32::GetWindowLongA(hooked, win32::GWL_WNDPROC), outside)
      << "hooked already: the outside procedure stays in place";
  EXPECT_EQ(win32::GetWindowLongA(other, win32::GWL_WNDPROC), outside);
  for (win32::HWND w : {fresh, hooked, other}) EXPECT_EQ(Prop(w, "PngControl_WndProc"), 0u);
}

TEST_F(Skinned, ButtonFollowsTheMouseAndItsEnabledState) {
  win32::HWND button = Child("BUTTON", 10, 10, 30, 20, 3);
  SetProp(button, "PngControl_BackType", win32::UINT_PTR(1));
  SetProp(button, "PngControl_NormalImage", Image(Solid(3, 2, kRed)));
  SetProp(button, "PngControl_OverlImage", Image(Solid(3, 2, kGreen)));
  SetProp(button, "PngControl_DownImage", Image(Solid(3, 2, kBlue)));
  SetProp(button, "PngControl_DisableImage", Image(Solid(3, 2, kGrey)));
  host_.SkinChildren();
  EXPECT_EQ(At(25, 20), kRed);
  struct Step {
    const char* name;
    win32::UINT message;
    win32::WPARAM wParam;
    win32::UINT_PTR state;
    std::uint32_t colour;
  };
  const Step steps[] = {
      {"mouse enters", win32::WM_MOUSEMOVE, 0, 1, kGreen},
      {"button down", win32::WM_LBUTTONDOWN, win32::MK_LBUTTON, 2, kBlue},
      {"moves while down", win32::WM_MOUSEMOVE, win32::MK_LBUTTON, 2, kBlue},
      {"button up over it", win32::WM_LBUTTONUP, 0, 1, kGreen},
      {"mouse leaves", win32::WM_MOUSELEAVE, 0, 0, kRed},
      {"disabled", win32::WM_ENABLE, 0, 3, kGrey},
      {"enabled", win32::WM_ENABLE, 1, 0, kRed},
  };
  for (const Step& s : steps) {
    win32::SendMessageA(button, s.message, s.wParam, win32::MAKELPARAM(5, 5));
    EXPECT_EQ(Prop(button, "Vesta_DrawState"), s.state) << s.name;
    EXPECT_EQ(At(10, 10), s.colour) << s.name;
    EXPECT_EQ(At(39, 29), s.colour) << s.name;
    EXPECT_EQ(At(40, 30), 0u) << s.name;
  }
}

TEST_F(Skinned, ButtonDrawStateTable) {
  win32::HWND button = Child("BUTTON", 10, 10, 30, 20, 3);
  host_.SkinChildren();
  enum Event { Move, Leave, Down, Up, Enable, Disable };
  const win32::UINT messages[] = {win32::WM_MOUSEMOVE, win32::WM_MOUSELEAVE, win32::WM_LBUTTONDOWN,
                                  win32::WM_LBUTTONUP, win32::WM_ENABLE,     win32::WM_ENABLE};
  const win32::WPARAM wParams[] = {0, 0, 0, 0, 1, 0};
  // Row: the state before; column: the event; value: the state after.
  const win32::UINT_PTR table[4][6] = {
      {1, 0, 2, 0, 0, 3},
      {1, 0, 2, 0, 0, 3},
      {2, 0, 2, 1, 0, 3},
      {1, 0, 2, 0, 0, 3},
  };
  for (int before = 0; before < 4; ++before) {
    for (int event = Move; event <= Disable; ++event) {
      SetProp(button, "Vesta_DrawState", win32::UINT_PTR(before));
      win32::SendMessageA(button, messages[event], wParams[event], 0);
      EXPECT_EQ(Prop(button, "Vesta_DrawState"), table[before][event])
          << "state " << before << " event " << event;
    }
  }
}

TEST_F(Skinned, MovingInsideTheButtonDoesNotRecompose) {
  win32::HWND button = Child("BUTTON", 10, 10, 30, 20, 3);
  host_.SkinChildren();
  win32::SendMessageA(button, win32::WM_MOUSEMOVE, 0, 0);
  // A new back image that only a recompose would show.
  SetProp(*window_, "PngControl_BackImage", Image(Solid(4, 4, kBlue)));
  win32::SendMessageA(button, win32::WM_MOUSEMOVE, 0, win32::MAKELPARAM(3, 3));
  EXPECT_EQ(At(100, 100), 0u) << "hover: no recompose";
  win32::SendMessageA(button, win32::WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(At(100, 100), kBlue) << "a change of state recomposes";
  win32::RemovePropA(*window_, "PngControl_BackImage");
}

TEST_F(Skinned, BackTypesPlaceThePicture) {
  struct Case {
    const char* name;
    int backType;
    int controlWidth, controlHeight, imageWidth, imageHeight;
    win32::RECT drawn;  // relative to the control
  };
  const Case cases[] = {
      {"stretch", 1, 100, 40, 10, 10, {0, 0, 100, 40}},
      {"fit, wide image shrunk and centred", 2, 100, 100, 200, 100, {0, 25, 100, 75}},
      {"fit, small image centred", 2, 100, 100, 20, 20, {40, 40, 60, 60}},
      {"natural, smaller", 0, 100, 100, 20, 20, {0, 0, 20, 20}},
      {"natural, other value", 7, 100, 100, 30, 10, {0, 0, 30, 10}},
      {"natural, same size", 0, 100, 100, 100, 100, {0, 0, 100, 100}},
  };
  for (const Case& c : cases) {
    win32::HWND picture = Child("BUTTON", 10, 5, c.controlWidth, c.controlHeight, 2);
    SetProp(picture, "PngControl_BackType", win32::UINT_PTR(c.backType));
    SetProp(picture, "PngControl_BackImage", Image(Solid(c.imageWidth, c.imageHeight, kGreen)));
    Recompose();
    const win32::RECT d = c.drawn;
    EXPECT_EQ(At(10 + d.left, 5 + d.top), kGreen) << c.name;
    EXPECT_EQ(At(10 + d.right - 1, 5 + d.bottom - 1), kGreen) << c.name;
    EXPECT_EQ(At(10 + d.right, 5 + d.bottom - 1), 0u) << c.name;
    EXPECT_EQ(At(10 + d.right - 1, 5 + d.bottom), 0u) << c.name;
    if (d.left > 0) {
      EXPECT_EQ(At(10 + d.left - 1, 5 + d.top), 0u) << c.name;
    }
    if (d.top > 0) {
      EXPECT_EQ(At(10 + d.left, 5 + d.top - 1), 0u) << c.name;
    }
    win32::DestroyWindow(picture);
  }
}

TEST_F(Skinned, NaturalSizeOnePixelLargerIsCroppedNotScaled) {
  win32::HWND picture = Child("BUTTON", 10, 5, 100, 100, 2);
  QImage wide = Solid(101, 100, kGreen);
  for (int y = 0; y < 100; ++y) wide.setPixel(100, y, kBlue);
  SetProp(picture, "PngControl_BackImage", Image(wide));
  Recompose();
  EXPECT_EQ(At(10, 5), kGreen);
  EXPECT_EQ(At(109, 104), kGreen) << "the last column is cut, not squeezed in";
  EXPECT_EQ(At(110, 50), 0u);
}

TEST_F(Skinned, TypesWithoutADrawingDrawNothing) {
  for (int type : {1, 5, 3}) {
    win32::HWND child = Child("BUTTON", 0, 0, 50, 50, type);
    SetProp(child, "PngControl_BackImage", Image(Solid(50, 50, kRed)));  // not a button's image
    Recompose();
    EXPECT_EQ(At(25, 25), 0u) << "type " << type;
    win32::DestroyWindow(child);
  }
}

TEST_F(Skinned, LowerControlsArePaintedOverHigherOnes) {
  win32::HWND a = Child("BUTTON", 0, 0, 40, 40, 2);
  win32::HWND b = Child("BUTTON", 20, 20, 40, 40, 2);
  SetProp(a, "PngControl_BackType", win32::UINT_PTR(1));
  SetProp(b, "PngControl_BackType", win32::UINT_PTR(1));
  SetProp(a, "PngControl_BackImage", Image(Solid(4, 4, kRed)));
  SetProp(b, "PngControl_BackImage", Image(Solid(4, 4, kBlue)));
  // `a`, made first, is at the top of the Z order: the walk draws it first and `b` over it.
  ASSERT_EQ(win32::GetWindow(*window_, win32::GW_CHILD), a);
  Recompose();
  EXPECT_EQ(At(30, 30), kBlue) << "the later in the walk is on top";
  EXPECT_EQ(At(5, 5), kRed);
  EXPECT_EQ(At(55, 55), kBlue);
  // Raising `b` makes it the first in the walk, so `a` is painted over it.
  win32::SetWindowPos(b, win32::HWND_TOP, 0, 0, 0, 0, win32::SWP_NOMOVE | win32::SWP_NOSIZE);
  Recompose();
  EXPECT_EQ(At(30, 30), kRed);
  EXPECT_EQ(At(55, 55), kBlue);
}

// A text box's text pixels: those clearly lighter than the fill.
int LightPixels(win32::HWND window, int x0, int y0, int x1, int y1) {
  int count = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      const std::uint32_t p = Presented(window, x, y);
      if (((p >> 8) & 0xFF) > 0x80) ++count;  // green channel: white text over red or black
    }
  }
  return count;
}

class TextBox : public Skinned {
 protected:
  win32::HWND Box(int x, int y, int w, int h, const char* text) {
    win32::HWND box = Child("EDIT", x, y, w, h, 4);
    gdiFont_ = win32::CreateFontA(-12, 0, 0, 0, 400, 0, 0, 0, win32::DEFAULT_CHARSET, 0, 0, 0, 0,
                                  "WenQuanYi Micro Hei");
    win32::SendMessageA(box, win32::WM_SETFONT, reinterpret_cast<win32::WPARAM>(gdiFont_), 0);
    win32::SetWindowTextA(box, text);
    SetProp(box, "PngControl_BackColor", win32::UINT_PTR(0x000000FF));  // red
    SetProp(box, "PngControl_BackAlpha", win32::UINT_PTR(255));
    SetProp(box, "PngControl_OrderColor", win32::UINT_PTR(0x00FF0000));  // blue
    SetProp(box, "PngControl_OrderAlpha", win32::UINT_PTR(255));
    SetProp(box, "PngControl_TextColor", win32::UINT_PTR(0x00FFFFFF));
    return box;
  }
  void TearDown() override {
    Skinned::TearDown();
    if (gdiFont_ != nullptr) win32::DeleteObject(gdiFont_);
  }
  win32::HFONT gdiFont_{nullptr};
};

TEST_F(TextBox, FillBorderAndOneLineOfText) {
  Box(10, 10, 120, 30, "Hello");
  Recompose();
  EXPECT_EQ(At(125, 15), kRed) << "fill";
  EXPECT_EQ(At(10, 25), kBlue) << "left border";
  EXPECT_EQ(At(70, 10), kBlue) << "top border";
  EXPECT_GT(LightPixels(*window_, 12, 12, 128, 38), 10) << "text";
  EXPECT_EQ(LightPixels(*window_, 80, 12, 128, 38), 0) << "left-aligned";
}

TEST_F(TextBox, PropertiesOfMinusOneAndEmptyTextDrawNothing) {
  win32::HWND box = Box(10, 10, 120, 30, "");
  SetProp(box, "PngControl_BackColor", win32::UINT_PTR(0xFFFFFFFF));
  Recompose();
  EXPECT_EQ(At(125, 15), 0u) << "no fill";
  EXPECT_EQ(At(10, 25), kBlue) << "the border alone";
  SetProp(box, "PngControl_OrderColor", win32::UINT_PTR(0xFFFFFFFF));
  SetProp(box, "PngControl_BackImage", Image(Solid(120, 30, kGreen)));
  Recompose();
  EXPECT_EQ(At(10, 25), kGreen) << "no border over the image";
  EXPECT_EQ(At(125, 15), kGreen);
  SetProp(box, "PngControl_BackImage", win32::UINT_PTR(0));
  Recompose();
  EXPECT_EQ(At(10, 25), 0u);
  EXPECT_EQ(LightPixels(*window_, 10, 10, 130, 40), 0) << "no text";
}

TEST_F(TextBox, LongTextStaysOnOneLine) {
  Box(10, 10, 60, 50, "a long line of text that does not fit into the box at all");
  Recompose();
  EXPECT_GT(LightPixels(*window_, 12, 28, 68, 42), 10) << "the middle line";
  EXPECT_EQ(LightPixels(*window_, 12, 12, 68, 24), 0) << "no line above";
  EXPECT_EQ(LightPixels(*window_, 12, 46, 68, 58), 0) << "no line below";
}

TEST_F(TextBox, CroppedNaturalSizeImageStillGetsBorderAndText) {
  win32::HWND box = Box(10, 10, 120, 30, "Hello");
  SetProp(box, "PngControl_BackImage", Image(Solid(121, 30, kGreen)));
  Recompose();
  EXPECT_EQ(At(125, 15), kGreen) << "the cropped image over the fill";
  EXPECT_EQ(At(10, 25), kBlue) << "the border";
  EXPECT_GT(LightPixels(*window_, 12, 12, 128, 38), 10) << "the text";
}

TEST_F(TextBox, TextChangesAreRecomposed) {
  win32::HWND box = Box(10, 10, 120, 30, "");
  host_.SkinChildren();
  EXPECT_EQ(LightPixels(*window_, 12, 12, 128, 38), 0);
  win32::SetWindowTextA(box, "Text");
  EXPECT_GT(LightPixels(*window_, 12, 12, 128, 38), 10) << "WM_SETTEXT recomposes after the change";
}

TEST_F(TextBox, FocusHandsTheCaretOverAndItBlinks) {
  win32::HWND box = Box(20, 30, 100, 20, "");
  SetProp(box, "PngControl_BackColor", win32::UINT_PTR(0xFFFFFFFF));
  SetProp(box, "PngControl_OrderColor", win32::UINT_PTR(0xFFFFFFFF));
  host_.SkinChildren();
  uikit::KitState& kit = uikit::Kit();
  kit.blinkPhase = 1;
  win32::SetFocus(box);
  EXPECT_EQ(kit.caretHost, window_->handle());
  EXPECT_EQ(kit.caretControl, box);
  EXPECT_EQ(kit.blinkPhase, 0);
  ASSERT_TRUE(kit.cachedComposite) << "the focus change recomposed the caret host";
  win32::POINT caret{};
  win32::GetCaretPos(&caret);
  const int x = 20 + caret.x + 5;
  for (bool shown : {true, false, true}) {
    uikit::OnBlinkTimer(*window_, win32::WM_TIMER, 64, 0);
    for (int y = 30 + 4; y < 30 + 16; ++y) {
      EXPECT_EQ(At(x, y), shown ? 0xFF000000u : 0u) << "y " << y << (shown ? " shown" : " hidden");
    }
    EXPECT_EQ(At(x, 30 + 3), 0u);
    EXPECT_EQ(At(x, 30 + 16), 0u);
  }
  win32::SetFocus(*window_);
  EXPECT_EQ(kit.caretHost, nullptr);
  EXPECT_EQ(kit.caretControl, nullptr);
  uikit::OnBlinkTimer(*window_, win32::WM_TIMER, 64, 0);
  EXPECT_EQ(At(x, 35), 0u) << "no blink without the focus";
}

}  // namespace
