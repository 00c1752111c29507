#include "uikit/ImageStream.h"

#include <cstring>

#include "platform/win32/Memory.h"

namespace uikit {

ImageStream::~ImageStream() {
  Release();
}

void ImageStream::Release() {
  if (memory_ == nullptr) return;
  win32::GlobalFree(memory_);
  memory_ = nullptr;
}

com::IStream* ImageStream::Create(bytes::ByteBlockView block, StreamKind kind) {
  Release();
  stream_ = nullptr;
  if (kind == StreamKind::CopyOfBytes) {
    // The stream must not free the block: an image decoded from it may read it again, and the
    // block goes only with this object.
    const win32::SIZE_T n = block.size();
    memory_ = win32::GlobalAlloc(win32::GMEM_FIXED, n);
    void* target = win32::GlobalLock(memory_);
    if (target != nullptr && n > 0) std::memcpy(target, block.data(), n);
    win32::GlobalUnlock(memory_);
    com::CreateStreamOnHGlobal(memory_, win32::FALSE, &stream_);
  } else {
    memory_ = win32::GlobalAlloc(win32::GMEM_MOVEABLE, 0);
    com::CreateStreamOnHGlobal(memory_, win32::TRUE, &stream_);
  }
  return stream_;
}

com::IStream* ImageStream::GetStream() const {
  return stream_;
}

std::uint32_t ImageStream::GetSize() const {
  return static_cast<std::uint32_t>(win32::GlobalSize(memory_));
}

bytes::ByteBlock ImageStream::ReadBytes() const {
  const std::uint32_t n = GetSize();
  const void* source = win32::GlobalLock(memory_);
  bytes::ByteBlock out = source != nullptr ? bytes::ByteBlock(source, n) : bytes::ByteBlock();
  win32::GlobalUnlock(memory_);
  return out;
}

}  // namespace uikit
