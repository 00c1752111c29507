#pragma once
// The add command: the input boxes' texts as a new row at the top of the weapon table. An empty
// box refuses the add with a message naming the first empty field; nothing is added then.

#include "platform/runtime/Window.h"

namespace editor {

// The clicked handler of `添加武器按钮`.
void AddCommand(runtime::Window& window);

}  // namespace editor
