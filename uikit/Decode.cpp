#include "uikit/Decode.h"

#include <memory>

#include "uikit/FrameDimension.h"
#include "uikit/KitState.h"

namespace uikit {

gdiplus::GpImage* DecodeImage(bytes::ByteBlockView block) {
  auto source = std::make_unique<ImageSource>();
  com::IStream* stream = source->stream.Create(block, StreamKind::CopyOfBytes);
  if (source->stream.GetStream() == nullptr) return nullptr;
  gdiplus::GpImage* image = nullptr;
  if (gdiplus::GdipLoadImageFromStream(stream, &image) != gdiplus::Ok) image = nullptr;
  // An animated picture shows its first frame; a still one refuses the call, which is fine.
  gdiplus::GdipImageSelectActiveFrame(image, FrameDimension(), 0);
  if (image == nullptr) return nullptr;  // the source goes with its memory block
  Kit().imageSources[image] = std::move(source);
  return image;
}

void DisposeImage(gdiplus::GpImage* image) {
  if (image == nullptr) return;
  gdiplus::GdipDisposeImage(image);
  // The bytes may be read by the image until it has gone, so the stream goes after it.
  Kit().imageSources.erase(image);
}

}  // namespace uikit
