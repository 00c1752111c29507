#include "tools/artwork/SilverPicture.h"

namespace artwork {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint8_t kSilver = 192;

void PutLe16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(std::uint8_t(v));
  out.push_back(std::uint8_t(v >> 8));
}

void PutLe32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  PutLe16(out, v & 0xFFFF);
  PutLe16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> SilverPictureFile() {
  const std::uint32_t rowBytes = (kSilverWidth * 3 + 3) / 4 * 4;
  const std::uint32_t pixelBytes = rowBytes * kSilverHeight;
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
  std::vector<std::uint8_t> file;
  file.reserve(offset + pixelBytes);
  // File header: "BM", file size, two reserved words, offset of the pixels.
  file.push_back('B');
  file.push_back('M');
  PutLe32(file, offset + pixelBytes);
  PutLe32(file, 0);
  PutLe32(file, offset);
  // Information header: positive height means the rows are stored bottom-up; no compression.
  PutLe32(file, kInfoHeaderSize);
  PutLe32(file, kSilverWidth);
  PutLe32(file, kSilverHeight);
  PutLe16(file, 1);   // planes
  PutLe16(file, 24);  // bits per pixel
  PutLe32(file, 0);   // uncompressed
  PutLe32(file, pixelBytes);
  PutLe32(file, 0);  // horizontal resolution: not given
  PutLe32(file, 0);  // vertical resolution: not given
  PutLe32(file, 0);  // colours used: none, there is no palette
  PutLe32(file, 0);  // important colours: all
  // Every pixel blue, green, red = 192; every row the same, its padding (none here) zero.
  for (int y = 0; y < kSilverHeight; ++y) {
    for (int x = 0; x < kSilverWidth * 3; ++x) file.push_back(kSilver);
    for (std::uint32_t pad = kSilverWidth * 3; pad < rowBytes; ++pad) file.push_back(0);
  }
  return file;
}

}  // namespace artwork
