#pragma once
// The main window's state once it is created: silver theming, on top from `选择框1`, the modify
// button disabled, an empty weapon table and empty input boxes, status waiting. Cannot fail.

#include "platform/runtime/Window.h"

namespace editor {

// The created handler of the main window.
void InitialSetUp(runtime::Window& window);

}  // namespace editor
