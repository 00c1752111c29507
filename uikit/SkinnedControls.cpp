#include "uikit/SkinnedControls.h"

#include <cstring>
#include <string>

#include "platform/win32/Window.h"
#include "uikit/Compose.h"
#include "uikit/Font.h"
#include "uikit/KitState.h"
#include "uikit/StringFormat.h"
#include "uikit/TextConvert.h"

namespace uikit {

namespace {

constexpr double kNaturalSizeTolerance = 0.0000001;
constexpr int kTextFormatFlags =
    gdiplus::StringFormatFlagsNoWrap | gdiplus::StringFormatFlagsNoFitBlackBox;  // 0x1004

// A property's value as the 32 bits the application stored.
win32::DWORD Property32(win32::HWND window, const char* name) {
  return static_cast<win32::DWORD>(
      reinterpret_cast<win32::UINT_PTR>(win32::GetPropA(window, name)));
}

gdiplus::GpImage* ImageProperty(win32::HWND window, const char* name) {
  return reinterpret_cast<gdiplus::GpImage*>(win32::GetPropA(window, name));
}

void SetDrawState(win32::HWND control, int state) {
  win32::SetPropA(control, kDrawStateProperty,
                  reinterpret_cast<win32::HANDLE>(static_cast<win32::UINT_PTR>(state)));
}

win32::WNDPROC SavedProc(win32::HWND control) {
  return reinterpret_cast<win32::WNDPROC>(win32::GetPropA(control, kChildWndProcProperty));
}

void RecomposeParent(win32::HWND control) {
  Compose(win32::GetParent(control), nullptr, ComposeMode::Present);
}

void DrawImage(gdiplus::GpGraphics* graphics, gdiplus::GpImage* image, int backType, int x, int y,
               int w, int h) {
  gdiplus::REAL iw = 0;
  gdiplus::REAL ih = 0;
  gdiplus::GdipGetImageDimension(image, &iw, &ih);
  using gdiplus::REAL;
  if (backType == kStretchBack) {
    gdiplus::GdipDrawImageRect(graphics, image, REAL(x), REAL(y), REAL(w), REAL(h));
  } else if (backType == kFitBack) {
    const win32::SIZE fit = FitSize(static_cast<int>(iw), static_cast<int>(ih), w, h);
    const int dx = (w - fit.cx) / 2;
    const int dy = (h - fit.cy) / 2;
    gdiplus::GdipDrawImageRect(graphics, image, REAL(x + dx), REAL(y + dy), REAL(fit.cx),
                               REAL(fit.cy));
  } else if (double(iw) - w > kNaturalSizeTolerance || double(ih) - h > kNaturalSizeTolerance) {
    // Larger than the control: its top-left part, unscaled.
    gdiplus::GdipDrawImagePointRect(graphics, image, REAL(x), REAL(y), 0, 0, REAL(w), REAL(h),
                                    gdiplus::UnitPixel);
  } else {
    gdiplus::GdipDrawImageRect(graphics, image, REAL(x), REAL(y), iw, ih);
  }
}

void FillRect(gdiplus::GpGraphics* graphics, gdiplus::ARGB color, int x, int y, int w, int h) {
  gdiplus::GpSolidFill* brush = nullptr;
  gdiplus::GdipCreateSolidFill(color, &brush);
  gdiplus::GdipFillRectangle(graphics, brush, gdiplus::REAL(x), gdiplus::REAL(y), gdiplus::REAL(w),
                             gdiplus::REAL(h));
  gdiplus::GdipDeleteBrush(brush);
}

void DrawBorder(gdiplus::GpGraphics* graphics, gdiplus::ARGB color, int x, int y, int w, int h) {
  gdiplus::GpPen* pen = nullptr;
  gdiplus::GdipCreatePen1(color, 1.0f, gdiplus::UnitWorld, &pen);
  gdiplus::GdipDrawRectangle(graphics, pen, gdiplus::REAL(x), gdiplus::REAL(y), gdiplus::REAL(w),
                             gdiplus::REAL(h));
  gdiplus::GdipDeletePen(pen);
}

// One line of the text box's text, left-aligned and vertically centred inside a 2-pixel margin.
void DrawText(win32::HWND control, gdiplus::GpGraphics* graphics, Font& font, StringFormat& format,
              int x, int y, int w, int h) {
  const int length = win32::GetWindowTextLengthA(control);
  std::string buffer(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
  win32::GetWindowTextA(control, buffer.data(), length + 1);
  if (buffer[0] == '\0') return;
  const bytes::ByteBlock text = AnsiToUtf16(buffer.c_str());
  const auto count = static_cast<gdiplus::INT>(text.size() / 2) - 1;
  const gdiplus::RectF layout{gdiplus::REAL(x + 2), gdiplus::REAL(y + 2), gdiplus::REAL(w - 4),
                              gdiplus::REAL(h - 4)};
  font.CreateFromWindow(control);
  format.Create(kTextFormatFlags, 0);
  format.SetAlignments(gdiplus::StringAlignmentNear, gdiplus::StringAlignmentCenter);
  gdiplus::GpSolidFill* brush = nullptr;
  gdiplus::GdipCreateSolidFill(ToArgb(Property32(control, kTextColorProperty), 255), &brush);
  gdiplus::GdipDrawString(graphics, reinterpret_cast<const gdiplus::WCHAR*>(text.data()), count,
                          font.GetHandle(), &layout, format.GetHandle(), brush);
  gdiplus::GdipDeleteBrush(brush);
}

}  // namespace

void HookSkinnedControl(win32::HWND child) {
  const win32::DWORD type = Property32(child, kTypeProperty);
  if (type == 0) return;
  if (win32::HANDLE outside = win32::GetPropA(child, kWndProcProperty)) {
    win32::SetWindowLongA(child, win32::GWL_WNDPROC, reinterpret_cast<win32::LONG_PTR>(outside));
    win32::RemovePropA(child, kWndProcProperty);
  }
  if (win32::GetPropA(child, kChildWndProcProperty) != nullptr) return;  // hooked already
  win32::WNDPROC proc = nullptr;
  if (type == kButtonControl) proc = ButtonProc;
  if (type == kTextBoxControl) proc = TextBoxProc;
  if (proc == nullptr) return;
  const win32::LONG_PTR previous =
      win32::SetWindowLongA(child, win32::GWL_WNDPROC, reinterpret_cast<win32::LONG_PTR>(proc));
  win32::SetPropA(child, kChildWndProcProperty, reinterpret_cast<win32::HANDLE>(previous));
}

win32::LRESULT ButtonProc(win32::HWND control, win32::UINT message, win32::WPARAM wParam,
                          win32::LPARAM lParam) {
  const win32::WNDPROC saved = SavedProc(control);
  const win32::DWORD state = Property32(control, kDrawStateProperty);
  switch (message) {
    case win32::WM_MOUSEMOVE:
      // Only on entering: a move inside the button changes nothing and costs no recompose.
      if (state != kHoverState && state != kPressedState) {
        win32::TRACKMOUSEEVENT track{sizeof(win32::TRACKMOUSEEVENT), win32::TME_LEAVE, control, 0};
        win32::TrackMouseEvent(&track);
        SetDrawState(control, kHoverState);
        RecomposeParent(control);
      }
      break;
    case win32::WM_MOUSELEAVE:
      SetDrawState(control, kNormalState);
      RecomposeParent(control);
      break;
    case win32::WM_LBUTTONDOWN:
      SetDrawState(control, kPressedState);
      RecomposeParent(control);
      break;
    case win32::WM_LBUTTONUP:
      SetDrawState(control, state == kPressedState ? kHoverState : kNormalState);
      RecomposeParent(control);
      break;
    case win32::WM_ENABLE:
      SetDrawState(control, wParam != 0 ? kNormalState : kDisabledState);
      RecomposeParent(control);
      break;
    default:
      break;
  }
  return win32::CallWindowProcA(saved, control, message, wParam, lParam);
}

win32::LRESULT TextBoxProc(win32::HWND control, win32::UINT message, win32::WPARAM wParam,
                           win32::LPARAM lParam) {
  const win32::WNDPROC saved = SavedProc(control);
  KitState& kit = Kit();
  switch (message) {
    case win32::WM_SETFOCUS:
      // The first blink after gaining the focus shows the caret.
      kit.blinkPhase = 0;
      kit.caretHost = win32::GetParent(control);
      kit.caretControl = control;
      break;
    case win32::WM_KILLFOCUS:
      kit.caretControl = nullptr;
      kit.caretHost = nullptr;
      break;
    case win32::WM_CHAR:
    case win32::WM_IME_CHAR:
    case win32::WM_SETTEXT:
    case win32::WM_CUT:
    case win32::WM_PASTE:
    case win32::WM_KEYDOWN:
    case win32::WM_LBUTTONUP:
      break;
    default:
      return win32::CallWindowProcA(saved, control, message, wParam, lParam);
  }
  // The control changes first, so the picture shows the text after the change.
  const win32::LRESULT result = win32::CallWindowProcA(saved, control, message, wParam, lParam);
  RecomposeParent(control);
  return result;
}

void DrawSkinnedControl(win32::HWND host, win32::HWND control, gdiplus::GpGraphics* graphics) {
  win32::RECT rect{};
  win32::GetWindowRect(control, &rect);
  const int w = rect.right - rect.left;
  const int h = rect.bottom - rect.top;
  win32::POINT corner{rect.left, rect.top};
  win32::ScreenToClient(host, &corner);
  const int x = corner.x;
  const int y = corner.y;

  const win32::DWORD type = Property32(control, kTypeProperty);
  const int backType = static_cast<int>(Property32(control, kBackTypeProperty));
  // Made only for a text box with text; both go when the drawing ends, wherever it ends.
  Font font;
  StringFormat format;

  gdiplus::GpImage* image = nullptr;
  if (type == kPictureControl) {
    image = ImageProperty(control, kControlImageProperty);
  } else if (type == kButtonControl) {
    image = StateImage(control, static_cast<int>(Property32(control, kDrawStateProperty)));
  } else if (type == kTextBoxControl) {
    image = ImageProperty(control, kControlImageProperty);
    const win32::DWORD backColor = Property32(control, kBackColorProperty);
    if (backColor != kNoColor) {
      FillRect(graphics, ToArgb(backColor, int(Property32(control, kBackAlphaProperty))), x, y, w,
               h);
    }
  } else {
    return;
  }
  // A text box whose natural-size image is cropped still gets its border and text over it: the
  // control would otherwise lose its frame and its text only because its picture is too large.
  if (image != nullptr) DrawImage(graphics, image, backType, x, y, w, h);
  if (type != kTextBoxControl) return;

  const win32::DWORD borderColor = Property32(control, kBorderColorProperty);
  if (borderColor != kNoColor) {
    DrawBorder(graphics, ToArgb(borderColor, int(Property32(control, kBorderAlphaProperty))), x, y,
               w, h);
  }
  DrawText(control, graphics, font, format, x, y, w, h);
}

gdiplus::GpImage* StateImage(win32::HWND control, int drawState) {
  gdiplus::GpImage* image = nullptr;
  if (drawState == kHoverState) image = ImageProperty(control, kHoverImageProperty);
  if (drawState == kPressedState) image = ImageProperty(control, kPressedImageProperty);
  if (drawState == kDisabledState) image = ImageProperty(control, kDisabledImageProperty);
  if (image == nullptr) image = ImageProperty(control, kNormalImageProperty);
  return image;
}

win32::SIZE FitSize(int imageWidth, int imageHeight, int boxWidth, int boxHeight) {
  double width = imageWidth;
  double height = imageHeight;
  if (imageWidth > boxWidth && imageWidth != 0) {
    width = boxWidth;
    height = static_cast<int>(double(imageHeight) * boxWidth / imageWidth);
  }
  if (height > boxHeight && height != 0) {
    width = static_cast<int>(width * boxHeight / height);
    height = boxHeight;
  }
  return {static_cast<win32::LONG>(width), static_cast<win32::LONG>(height)};
}

}  // namespace uikit
