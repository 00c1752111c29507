#include "platform/runtime/internal/Bmp.h"

#include <cstdint>
#include <vector>

namespace runtime::internal {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
  out[at] = static_cast<std::uint8_t>(value);
  out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
  Put16(out, at, value);
  Put16(out, at + 2, value >> 16);
}

}  // namespace

bytes::ByteBlock EncodeBmp24(const QImage& picture) {
  if (picture.isNull()) return {};
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  const std::uint32_t width = static_cast<std::uint32_t>(rgb.width());
  const std::uint32_t height = static_cast<std::uint32_t>(rgb.height());
  const std::uint32_t stride = (width * 3 + 3) & ~3u;
  constexpr std::uint32_t kHeaderSize = 54;
  const std::uint32_t pixelBytes = stride * height;
  std::vector<std::uint8_t> out(kHeaderSize + pixelBytes, 0);
  out[0] = 'B';
  out[1] = 'M';
  Put32(out, 2, kHeaderSize + pixelBytes);
  Put32(out, 10, kHeaderSize);
  Put32(out, 14, 40);  // BITMAPINFOHEADER
  Put32(out, 18, width);
  Put32(out, 22, height);
  Put16(out, 26, 1);   // planes
  Put16(out, 28, 24);  // bits per pixel
  Put32(out, 34, pixelBytes);
  Put32(out, 38, 2835);  // 72 dots per inch
  Put32(out, 42, 2835);
  for (std::uint32_t y = 0; y < height; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(static_cast<int>(y)));
    std::uint8_t* row = out.data() + kHeaderSize + (height - 1 - y) * stride;
    for (std::uint32_t x = 0; x < width; ++x) {
      row[3 * x] = static_cast<std::uint8_t>(qBlue(line[x]));
      row[3 * x + 1] = static_cast<std::uint8_t>(qGreen(line[x]));
      row[3 * x + 2] = static_cast<std::uint8_t>(qRed(line[x]));
    }
  }
  return bytes::ByteBlock(std::move(out));
}

}  // namespace runtime::internal
