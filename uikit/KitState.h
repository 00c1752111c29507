#pragma once
// The kit-wide state, one of each per process, in one place: the host, the GDI+ token, the
// frame-dimension block, the caret hand-over, the cached composite, the blink phase, and what
// ties decoded images to their streams. It is made on first use and never destroyed: at the end
// of the process what is still held (a back image on screen) stays reachable from here.

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "platform/bytes/ByteBlock.h"
#include "platform/gdiplus/Gdiplus.h"
#include "platform/win32/Types.h"
#include "uikit/ImageStream.h"

namespace uikit {

class LayeredImageHost;

// Disposes a GDI+ image held by the kit (GdipDisposeImage).
struct ImageDisposer {
  void operator()(gdiplus::GpImage* image) const;
};
using OwnedImage = std::unique_ptr<gdiplus::GpImage, ImageDisposer>;

// The source of an image that DecodeImage made: the image stream object and its memory block.
// Going, it releases the stream reference the decoding held, then frees the memory block.
struct ImageSource {
  ImageSource() = default;
  ImageSource(const ImageSource&) = delete;
  ImageSource& operator=(const ImageSource&) = delete;
  ~ImageSource();

  ImageStream stream;
};

struct KitState {
  KitState();
  KitState(const KitState&) = delete;
  KitState& operator=(const KitState&) = delete;
  ~KitState();

  std::unique_ptr<LayeredImageHost> host;
  win32::ULONG_PTR gdiplusToken{0};
  std::optional<bytes::ByteBlock> frameDimension;
  // The top-level window whose skinned text box has the focus, and that text box.
  win32::HWND caretHost{nullptr};
  win32::HWND caretControl{nullptr};
  // The last canvas presented for the caret host, so that a blink needs no recompose.
  OwnedImage cachedComposite;
  int blinkPhase{0};

  // The stream behind each image that DecodeImage made and DisposeImage has not yet released.
  std::map<gdiplus::GpImage*, std::unique_ptr<ImageSource>> imageSources;
  // Back images that SetImageData decoded: the kit releases them once no window shows them.
  std::set<gdiplus::GpImage*> kitBackImages;
  // Every window the host gave a back image, so a replaced image is checked against all of them.
  std::vector<win32::HWND> backImageWindows;
};

KitState& Kit();

}  // namespace uikit
