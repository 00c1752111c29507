#pragma once
// The row pick: a left click in the weapon table copies the selected row's five cells into the
// input boxes. Without a selected row it does nothing.

#include "platform/runtime/Window.h"

namespace editor {

// The weapon table's left-click handler: cells into `编辑框1` to `编辑框5` byte for byte, the
// modify button enabled, status waiting.
void RowPick(runtime::Window& window);

}  // namespace editor
