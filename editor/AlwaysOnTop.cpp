#include "editor/AlwaysOnTop.h"

namespace editor {

void FollowOnTopBox(runtime::Window& window) {
  window.SetAlwaysOnTop(window.Get("选择框1").Checked());
}

}  // namespace editor
