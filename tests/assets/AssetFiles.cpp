#include "tests/assets/AssetFiles.h"

#include <QFile>
#include <QString>
#include <cstring>

namespace assets_test {
namespace {

std::uint32_t ReadBe32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 |
         std::uint32_t(p[3]);
}

}  // namespace

std::vector<std::uint8_t> ReadAssetFile(const std::string& relativePath) {
  QFile file(QString(ASSET_FILES_DIR) + "/" + QString::fromStdString(relativePath));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QByteArray data = file.readAll();
  return std::vector<std::uint8_t>(data.begin(), data.end());
}

std::vector<std::uint8_t> Bytes(bytes::ByteBlockView view) {
  return std::vector<std::uint8_t>(view.data(), view.data() + view.size());
}

std::optional<PngHeader> ReadPngHeader(bytes::ByteBlockView png) {
  static constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  // Signature, chunk length, chunk type, 13 bytes of fields.
  if (png.size() < 8 + 8 + 13) return std::nullopt;
  const std::uint8_t* p = png.data();
  if (std::memcmp(p, kSignature, 8) != 0) return std::nullopt;
  if (ReadBe32(p + 8) != 13 || std::memcmp(p + 12, "IHDR", 4) != 0) return std::nullopt;
  const std::uint8_t* f = p + 16;
  return PngHeader{ReadBe32(f), ReadBe32(f + 4), f[8], f[9], f[10], f[11], f[12]};
}

}  // namespace assets_test
