#pragma once
// The main window's always-on-top state, which normally follows the check box `选择框1` ("置顶").
// Switching it cannot fail in a way the window shows.

#include "platform/runtime/Window.h"

namespace editor {

// Sets the window's always-on-top state to the check state of `选择框1`; also the check box's
// clicked handler, which runs with the box's new state.
void FollowOnTopBox(runtime::Window& window);

}  // namespace editor
