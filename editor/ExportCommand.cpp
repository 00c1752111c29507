#include "editor/ExportCommand.h"

#include <string>
#include <vector>

#include "editor/AlwaysOnTop.h"
#include "editor/FriendlyMessage.h"
#include "editor/OperationStatus.h"
#include "editor/WeaponFile.h"

namespace editor {

namespace {

// The table's rows, top to bottom, as the writer takes them.
std::vector<WeaponEntry> TableRows(const runtime::ListView& table) {
  const int rowCount = table.RowCount();
  std::vector<WeaponEntry> rows(static_cast<std::size_t>(rowCount));
  for (int i = 0; i < rowCount; ++i) {
    WeaponEntry& row = rows[static_cast<std::size_t>(i)];
    for (std::size_t k = 0; k < kWeaponFieldCount; ++k) {
      row[k] = table.Cell(i, static_cast<int>(k));
    }
  }
  return rows;
}

}  // namespace

runtime::FilePath ExportFilePath() {
  return runtime::ExecutableDirectory().Join("新PoisonWeapon.txt");
}

bool WriteExportFile(runtime::Window& window, const runtime::FilePath& path) {
  SetOperationStatus(window, OperationStatus::Waiting);
  // Nothing is drawn while the cells are read, so the busy status is set once for all of them.
  SetOperationStatus(window, OperationStatus::Busy);
  const std::string content = WriteWeaponFile(TableRows(window.List("超级列表框1")));
  return runtime::WriteWholeFile(
      path,
      bytes::ByteBlockView(reinterpret_cast<const std::uint8_t*>(content.data()), content.size()));
}

void ExportCommand(runtime::Window& window) {
  // A topmost window could cover the message box, which has no owner.
  window.SetAlwaysOnTop(false);
  if (WriteExportFile(window, ExportFilePath())) {
    SetOperationStatus(window, OperationStatus::Success);
    ShowFriendlyMessage("文件已生成到软件目录下！");
  } else {
    SetOperationStatus(window, OperationStatus::Waiting);
    ShowFriendlyMessage("文件生成失败，请检查软件目录是否可写！");
  }
  FollowOnTopBox(window);
}

}  // namespace editor
