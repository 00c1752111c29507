#include "editor/DeleteSelected.h"

namespace editor {

void DeleteSelected(runtime::Window& window) {
  runtime::ListView& table = window.List("超级列表框1");
  const int row = table.SelectedRow();
  if (row >= 0) table.DeleteRow(row);
}

}  // namespace editor
