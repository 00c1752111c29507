#pragma once
// The modify command: the input boxes' texts over the selected row of the weapon table, unchecked
// (empty boxes give empty cells). Without a selected row it does nothing.

#include "platform/runtime/Window.h"

namespace editor {

// The clicked handler of `修改武器按钮`.
void ModifyCommand(runtime::Window& window);

}  // namespace editor
