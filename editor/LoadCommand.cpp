#include "editor/LoadCommand.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/AlwaysOnTop.h"
#include "editor/FriendlyMessage.h"
#include "editor/OperationStatus.h"
#include "editor/WeaponFile.h"

namespace editor {

namespace {

// The weapon table anew from the text buffer's lines, in one step: the cells are views into the
// buffer's text, so no row is built as strings before the table takes it.
void RebuildWeaponTable(runtime::Window& window) {
  const std::string text = window.Get("超级编辑框1").GetText();
  const std::vector<std::string_view> lines = SplitWeaponLines(text);
  std::vector<std::string_view> cells(lines.size() * kWeaponFieldCount);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::vector<std::string_view> fields = SplitWeaponFields(lines[i]);
    const std::size_t used = std::min(fields.size(), kWeaponFieldCount);
    std::copy_n(fields.begin(), used, cells.begin() + i * kWeaponFieldCount);
  }
  window.List("超级列表框1").ReplaceRows(cells);
}

void ReportUnreadableFile(runtime::Window& window) {
  // A topmost window could cover the message box, which has no owner.
  window.SetAlwaysOnTop(false);
  ShowFriendlyMessage("文件读取失败，数据未改动！");
  FollowOnTopBox(window);
}

}  // namespace

void LoadCommand(runtime::Window& window) {
  SetOperationStatus(window, OperationStatus::Waiting);
  runtime::FileDialog& dialog = window.Dialog("通用对话框1");
  dialog.SetDialogKind(runtime::DialogKind::OpenFile);
  dialog.SetTitle("请选择要打开的文件");
  dialog.SetFilter("文本文件(*.txt)|*.txt|所有文件(*.*)|*");
  if (!dialog.Show()) return;
  LoadWeaponFile(window, dialog.ChosenPath());
}

bool LoadWeaponFile(runtime::Window& window, const runtime::FilePath& path) {
  SetOperationStatus(window, OperationStatus::Busy);
  {
    // The file's bytes go as soon as the text buffer holds their text.
    const std::optional<bytes::ByteBlock> file = runtime::ReadWholeFile(path);
    if (!file) {
      SetOperationStatus(window, OperationStatus::Waiting);
      ReportUnreadableFile(window);
      return false;
    }
    window.Get("超级编辑框1").SetText(std::string(WeaponFileText(file->text())));
  }
  RebuildWeaponTable(window);
  window.Get("修改武器按钮").SetDisabled(false);
  SetOperationStatus(window, OperationStatus::Success);
  return true;
}

}  // namespace editor
