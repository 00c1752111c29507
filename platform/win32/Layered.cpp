// UpdateLayeredWindow: the source DC's DIB becomes the layered window's whole picture, kept as a
// premultiplied ARGB image that the peer paints as it is.
#include <QPointer>
#include <cstring>

#include "platform/win32/Gdi.h"
#include "platform/win32/Kernel.h"
#include "platform/win32/Window.h"
#include "platform/win32/internal/GdiTable.h"
#include "platform/win32/internal/PeerWidget.h"
#include "platform/win32/internal/WindowOps.h"

namespace win32 {

using internal::GdiObject;
using internal::WindowRecord;

namespace {

constexpr DWORD kKnownFlags = ULW_COLORKEY | ULW_ALPHA | ULW_OPAQUE;

std::uint8_t Scale(std::uint8_t value, std::uint8_t alpha) {
  return std::uint8_t((unsigned(value) * alpha + 127) / 255);
}

// The picture of `size` from the DIB at `from` (top-down coordinates), as the flags say.
QImage Picture(const GdiObject& dib, POINT from, SIZE size, DWORD flags, COLORREF key,
               const BLENDFUNCTION* blend) {
  QImage picture(size.cx, size.cy, QImage::Format_ARGB32_Premultiplied);
  const int rows = std::abs(dib.height);
  const int bytesPerPixel = dib.bitCount / 8;
  const bool perPixel =
      (flags & ULW_ALPHA) && blend->AlphaFormat == AC_SRC_ALPHA && dib.bitCount == 32;
  const std::uint8_t constant = (flags & ULW_ALPHA) ? blend->SourceConstantAlpha : 255;
  for (int y = 0; y < size.cy; ++y) {
    const int row = from.y + y;
    const int stored = dib.height > 0 ? rows - 1 - row : row;  // bottom-up rows
    const std::uint8_t* in =
        dib.bits.data() + std::size_t(stored) * dib.stride + std::size_t(from.x) * bytesPerPixel;
    auto* out = reinterpret_cast<std::uint8_t*>(picture.scanLine(y));
    // The splash's case, once per frame: premultiplied BGRA taken as it is, a row at a time.
    if (perPixel && constant == 255 && !(flags & ULW_COLORKEY)) {
      std::memcpy(out, in, std::size_t(size.cx) * 4);
      continue;
    }
    for (int x = 0; x < size.cx; ++x, in += bytesPerPixel, out += 4) {
      std::uint8_t b = in[0];
      std::uint8_t g = in[1];
      std::uint8_t r = in[2];
      std::uint8_t a = perPixel ? in[3] : 255;
      if ((flags & ULW_COLORKEY) && RGB(r, g, b) == (key & 0xFFFFFF)) {
        b = g = r = a = 0;
      } else if (constant != 255) {
        b = Scale(b, constant);
        g = Scale(g, constant);
        r = Scale(r, constant);
        a = Scale(a, constant);
      }
      // Little-endian ARGB32 is stored B, G, R, A: the DIB's own byte order.
      out[0] = b;
      out[1] = g;
      out[2] = r;
      out[3] = a;
    }
  }
  return picture;
}

}  // namespace

BOOL UpdateLayeredWindow(HWND window, HDC destination, POINT* destinationPoint, SIZE* size,
                         HDC source, POINT* sourcePoint, COLORREF colorKey, BLENDFUNCTION* blend,
                         DWORD flags) {
  WindowRecord* record = internal::Lookup(window);
  if (record == nullptr) return FALSE;
  if (!(record->exStyle & WS_EX_LAYERED) || (flags & ~kKnownFlags) ||
      ((flags & ULW_ALPHA) && (blend == nullptr || blend->BlendOp != AC_SRC_OVER)) ||
      (size != nullptr && (size->cx <= 0 || size->cy <= 0))) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if ((destination != nullptr && internal::FindDc(destination) == nullptr) ||
      (source != nullptr && internal::FindDc(source) == nullptr)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  const RECT old = record->rect;
  const SIZE target = size != nullptr ? *size : SIZE{old.right - old.left, old.bottom - old.top};

  std::unique_ptr<QImage> picture;
  if (source != nullptr) {
    const internal::DcRecord* dc = internal::FindDc(source);
    const GdiObject* dib = internal::FindObject(dc->bitmap);
    const POINT from = sourcePoint != nullptr ? *sourcePoint : POINT{0, 0};
    if (dib == nullptr || dib->stock || target.cx <= 0 || target.cy <= 0 || from.x < 0 ||
        from.y < 0 || from.x + target.cx > dib->width ||
        from.y + target.cy > std::abs(dib->height)) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return FALSE;
    }
    picture = std::make_unique<QImage>(Picture(*dib, from, target, flags, colorKey, blend));
  }

  if (picture) record->picture = std::move(picture);
  QPointer<internal::PeerWidget> peer = record->peer.get();
  const bool move = destinationPoint != nullptr &&
                    (destinationPoint->x != old.left || destinationPoint->y != old.top);
  const bool resize = target.cx != old.right - old.left || target.cy != old.bottom - old.top;
  if (move || resize) {
    const POINT at = destinationPoint != nullptr ? *destinationPoint : POINT{old.left, old.top};
    SetWindowPos(
        window, nullptr, at.x, at.y, target.cx, target.cy,
        SWP_NOZORDER | SWP_NOACTIVATE | (move ? 0 : SWP_NOMOVE) | (resize ? 0 : SWP_NOSIZE));
  }
  if (peer) peer->update();
  return TRUE;
}

}  // namespace win32
