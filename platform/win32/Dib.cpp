// DIB sections: 24- and 32-bit BI_RGB bitmaps whose zero-filled pixels the program reaches
// directly; a positive height stores the rows bottom-up.
#include <cstdint>
#include <cstdlib>

#include "platform/win32/Gdi.h"
#include "platform/win32/Kernel.h"
#include "platform/win32/internal/GdiTable.h"

namespace win32 {

namespace {

// A DIB larger than this is refused as out of memory.
constexpr std::uint64_t kMaxBytes = std::uint64_t(1) << 30;

bool Acceptable(const BITMAPINFO* info, UINT usage, HANDLE section) {
  if (info == nullptr || section != nullptr) return false;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  return h.biSize >= sizeof(BITMAPINFOHEADER) && h.biWidth > 0 && h.biHeight != 0 &&
         h.biPlanes == 1 && (h.biBitCount == 24 || h.biBitCount == 32) &&
         h.biCompression == BI_RGB && (usage == DIB_RGB_COLORS || usage == DIB_PAL_COLORS);
}

}  // namespace

HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset) {
  (void)dc;  // only a palette would need it
  (void)offset;
  if (bits != nullptr) *bits = nullptr;
  internal::State* state = internal::Gui();
  if (state == nullptr) return nullptr;
  if (!Acceptable(info, usage, section)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const BITMAPINFOHEADER& h = info->bmiHeader;
  const std::uint64_t stride = (std::uint64_t(h.biWidth) * h.biBitCount + 31) / 32 * 4;
  const std::uint64_t bytes = stride * std::uint64_t(std::llabs(h.biHeight));
  if (bytes > kMaxBytes) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  auto object = std::make_unique<internal::GdiObject>();
  object->kind = internal::GdiKind::Bitmap;
  object->width = h.biWidth;
  object->height = h.biHeight;
  object->bitCount = h.biBitCount;
  object->stride = int(stride);
  object->bits.assign(std::size_t(bytes), 0);
  if (bits != nullptr) *bits = object->bits.data();
  const HBITMAP handle = internal::NewHandle<HBITMAP>();
  state->objects.emplace(handle, std::move(object));
  return handle;
}

}  // namespace win32
