#pragma once
// Turns files into C++ source: each file becomes a constant array holding a byte block in its
// stored layout (32-bit marker 1, 32-bit little-endian length, then the bytes), declared in a
// header and defined in a source file. Pure text generation; nothing here can fail.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace embed {

struct Blob {
  std::string identifier;  // the constant's name, e.g. kSplashFrame01
  std::string origin;      // the file it came from, named in a comment
  std::vector<std::uint8_t> bytes;
};

// The array length of a blob's constant: header, bytes and the string literal's closing zero,
// which follows the block but is not part of it.
std::size_t ArrayLength(const Blob& blob);

// True if text is a C++ identifier (ASCII letters, digits and underscores, no leading digit).
bool IsIdentifier(std::string_view text);
// True if text is one or more identifiers joined by "::".
bool IsNamespaceName(std::string_view text);

std::string HeaderText(const std::vector<Blob>& blobs, std::string_view nameSpace);
std::string SourceText(const std::vector<Blob>& blobs, std::string_view nameSpace,
                       std::string_view headerInclude);

}  // namespace embed
