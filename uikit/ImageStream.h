#pragma once
// The image stream object: image-file bytes in a global memory block of its own, exposed as a COM
// stream that GDI+ can read. It owns the memory block (Release and the destructor free it); the
// stream interface is only handed out, never released by the object. Failures give a null stream.

#include <cstdint>

#include "platform/bytes/ByteBlock.h"
#include "platform/com/Com.h"
#include "platform/win32/Types.h"

namespace uikit {

// What Create makes: a stream over a copy of the bytes (freed by the object, not by the stream),
// or an empty growable stream to write into (freed when the stream is released).
enum class StreamKind { CopyOfBytes, Growable };

class ImageStream {
 public:
  ImageStream() = default;
  virtual ~ImageStream();
  // An image stream owns its memory block: it is never copied.
  ImageStream(const ImageStream&) = delete;
  ImageStream& operator=(const ImageStream&) = delete;

  // Frees the memory block, if any; the stream pointer is left as it is.
  virtual void Release();
  // Frees any earlier block, then makes a new block and a stream over it; returns the stream.
  virtual com::IStream* Create(bytes::ByteBlockView block, StreamKind kind);
  virtual com::IStream* GetStream() const;
  // The size of the whole memory block (0 when none).
  virtual std::uint32_t GetSize() const;
  // A copy of the whole memory block; empty when there is none.
  virtual bytes::ByteBlock ReadBytes() const;

  win32::HGLOBAL memory() const { return memory_; }

 private:
  win32::HGLOBAL memory_{nullptr};
  com::IStream* stream_{nullptr};
};

}  // namespace uikit
