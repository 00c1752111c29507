#include "uikit/KitState.h"

#include "uikit/LayeredImageHost.h"

namespace uikit {

void ImageDisposer::operator()(gdiplus::GpImage* image) const {
  gdiplus::GdipDisposeImage(image);
}

ImageSource::~ImageSource() {
  // Only the stream reference goes here; the memory block is the image stream object's.
  if (com::IStream* s = stream.GetStream()) s->Release();
}

KitState::KitState() = default;
KitState::~KitState() = default;

KitState& Kit() {
  // Never destroyed: the process may end with back images still on screen, and nothing of the
  // kit may run after the platform's own tables have gone.
  static KitState* const state = new KitState();
  return *state;
}

}  // namespace uikit
