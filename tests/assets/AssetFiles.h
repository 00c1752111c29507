#pragma once
// Helpers of the asset tests: the committed asset files as bytes, and the PNG file header.
// A file that cannot be read gives an empty vector; a PNG without an IHDR chunk gives nullopt.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/bytes/ByteBlock.h"

namespace assets_test {

// The file at a path relative to the assets folder of the source tree.
std::vector<std::uint8_t> ReadAssetFile(const std::string& relativePath);

std::vector<std::uint8_t> Bytes(bytes::ByteBlockView view);

struct PngHeader {
  std::uint32_t width{0};
  std::uint32_t height{0};
  int bitDepth{0};
  int colourType{0};
  int compression{0};
  int filter{0};
  int interlace{0};
};

// The IHDR fields of a PNG file, which must come right after the signature.
std::optional<PngHeader> ReadPngHeader(bytes::ByteBlockView png);

}  // namespace assets_test
