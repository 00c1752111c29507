#include "uikit/Kit.h"

#include "platform/gdiplus/Gdiplus.h"
#include "uikit/FrameDimension.h"
#include "uikit/KitState.h"
#include "uikit/LoadDialog.h"

namespace uikit {

LayeredImageHost* CreateHost() {
  KitState& kit = Kit();
  kit.host = std::make_unique<LayeredImageHost>();
  return kit.host.get();
}

LayeredImageHost* Host() {
  return Kit().host.get();
}

void KitStartup() {
  gdiplus::GdiplusStartupInput input{1, nullptr, win32::FALSE, win32::FALSE};
  gdiplus::GdiplusStartup(&Kit().gdiplusToken, &input, nullptr);
  PrepareFrameDimension();
  RegisterLoadDialogClass();
}

void KitExit() {
  Kit().host.reset();
  FreeFrameDimension();
}

}  // namespace uikit
