#pragma once
// The counted byte buffer shared by the window runtime, the kit and the assets. In memory and in
// the executable's constants it is laid out as a 32-bit marker 1, a 32-bit little-endian length n,
// then n bytes. ByteBlock owns its bytes; ByteBlockView observes bytes that someone else keeps
// (a constant of the tool, or a ByteBlock that outlives the view).

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bytes {

inline constexpr std::uint32_t kByteBlockMarker = 1;
inline constexpr std::size_t kByteBlockHeaderSize = 8;

class ByteBlockView {
 public:
  constexpr ByteBlockView() = default;
  constexpr ByteBlockView(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  // Reads the marker and length of a block laid out in memory; a wrong marker gives an empty view.
  static ByteBlockView FromLayout(const std::uint8_t* layout) {
    if (layout == nullptr) return {};
    std::uint32_t marker = ReadLe32(layout);
    if (marker != kByteBlockMarker) return {};
    return ByteBlockView(layout + kByteBlockHeaderSize, ReadLe32(layout + 4));
  }

  constexpr const std::uint8_t* data() const { return data_; }
  constexpr std::size_t size() const { return size_; }
  constexpr bool empty() const { return size_ == 0; }
  std::span<const std::uint8_t> span() const { return {data_, size_}; }
  std::string_view text() const { return {reinterpret_cast<const char*>(data_), size_}; }

  static std::uint32_t ReadLe32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
  }

 private:
  const std::uint8_t* data_{nullptr};
  std::size_t size_{0};
};

class ByteBlock {
 public:
  ByteBlock() = default;
  explicit ByteBlock(std::size_t zeroFilledSize) : bytes_(zeroFilledSize, 0) {}
  ByteBlock(const void* data, std::size_t size)
      : bytes_(static_cast<const std::uint8_t*>(data),
               static_cast<const std::uint8_t*>(data) + size) {}
  explicit ByteBlock(ByteBlockView view) : ByteBlock(view.data(), view.size()) {}
  explicit ByteBlock(std::string_view text) : ByteBlock(text.data(), text.size()) {}
  explicit ByteBlock(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  std::uint8_t* data() { return bytes_.data(); }
  const std::uint8_t* data() const { return bytes_.data(); }
  std::size_t size() const { return bytes_.size(); }
  bool empty() const { return bytes_.empty(); }
  ByteBlockView view() const { return {bytes_.data(), bytes_.size()}; }
  operator ByteBlockView() const { return view(); }
  std::string_view text() const { return view().text(); }
  const std::vector<std::uint8_t>& vector() const { return bytes_; }
  std::vector<std::uint8_t> release() { return std::move(bytes_); }

  // The block in its stored layout: marker, length, bytes.
  std::vector<std::uint8_t> Layout() const {
    std::vector<std::uint8_t> out(kByteBlockHeaderSize + bytes_.size());
    std::uint32_t n = static_cast<std::uint32_t>(bytes_.size());
    for (int i = 0; i < 4; ++i) {
      out[i] = std::uint8_t(kByteBlockMarker >> (8 * i));
      out[4 + i] = std::uint8_t(n >> (8 * i));
    }
    if (!bytes_.empty()) std::memcpy(out.data() + kByteBlockHeaderSize, bytes_.data(), n);
    return out;
  }

  friend bool operator==(const ByteBlock&, const ByteBlock&) = default;

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace bytes
