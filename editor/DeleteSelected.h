#pragma once
// The delete-selected command: removes the selected row of the weapon table, without asking.
// Without a selected row it does nothing.

#include "platform/runtime/Window.h"

namespace editor {

// The handler of the menu item "删除选中".
void DeleteSelected(runtime::Window& window);

}  // namespace editor
