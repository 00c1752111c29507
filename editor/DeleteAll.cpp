#include "editor/DeleteAll.h"

namespace editor {

void DeleteAll(runtime::Window& window) {
  window.List("超级列表框1").DeleteAllRows();
}

}  // namespace editor
