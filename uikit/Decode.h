#pragma once
// Image-file bytes (a byte block) to a GDI+ image with the first frame of the time dimension
// active; null when GDI+ cannot read them. The kit state keeps the image stream behind each image
// until DisposeImage, so the image stays drawable for as long as it lives.

#include "platform/bytes/ByteBlock.h"
#include "platform/gdiplus/Gdiplus.h"

namespace uikit {

// The caller owns a non-null result and gives it back with DisposeImage.
gdiplus::GpImage* DecodeImage(bytes::ByteBlockView block);
// Disposes the image, then releases the image stream behind it (when DecodeImage made it), in
// that order. Null does nothing.
void DisposeImage(gdiplus::GpImage* image);

}  // namespace uikit
