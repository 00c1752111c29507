// Any bytes handed to DecodeImage give an image or null, never a crash, a leak or undefined
// behaviour; an image that comes back is disposed with its stream.
#include <QGuiApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/bytes/ByteBlock.h"
#include "uikit/Decode.h"
#include "uikit/Kit.h"

namespace {

bool StartOnce() {
  // GDI+ decodes through Qt's image readers, which want an application object.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "decode_image_fuzz";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  (void)app;
  uikit::KitStartup();
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool started = StartOnce();
  (void)started;
  gdiplus::GpImage* image = uikit::DecodeImage(bytes::ByteBlockView(data, size));
  if (image != nullptr) {
    win32::UINT width = 0;
    gdiplus::GdipGetImageWidth(image, &width);
  }
  uikit::DisposeImage(image);
  return 0;
}
