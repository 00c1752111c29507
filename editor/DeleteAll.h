#pragma once
// The delete-all command: removes every row of the weapon table, without asking. Cannot fail.

#include "platform/runtime/Window.h"

namespace editor {

// The handler of the menu item "全部删除".
void DeleteAll(runtime::Window& window);

}  // namespace editor
