#include "editor/ModifyCommand.h"

#include "editor/OperationStatus.h"
#include "editor/WeaponBoxes.h"

namespace editor {

void ModifyCommand(runtime::Window& window) {
  runtime::ListView& table = window.List("超级列表框1");
  const int row = table.SelectedRow();
  if (row < 0) return;
  const auto& boxes = WeaponBoxNames();
  for (std::size_t k = 0; k < boxes.size(); ++k) {
    table.SetCell(row, static_cast<int>(k), window.Get(boxes[k]).GetText());
  }
  window.Get("修改武器按钮").SetDisabled(true);
  SetOperationStatus(window, OperationStatus::Success);
}

}  // namespace editor
