#include "uikit/SkinnedControls.h"

namespace uikit {

// The skinned controls' procedures and drawing come next; until then the host's children are
// neither hooked nor drawn.
void HookSkinnedControl(win32::HWND /*child*/) {}

void DrawSkinnedControl(win32::HWND /*host*/, win32::HWND /*control*/,
                        gdiplus::GpGraphics* /*graphics*/) {}

}  // namespace uikit
