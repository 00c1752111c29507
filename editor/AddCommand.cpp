#include "editor/AddCommand.h"

#include <array>
#include <string_view>

#include "editor/AlwaysOnTop.h"
#include "editor/FriendlyMessage.h"
#include "editor/OperationStatus.h"
#include "editor/WeaponBoxes.h"

namespace editor {

namespace {

// What the user is told when a box is empty, in field order.
constexpr std::array<std::string_view, kWeaponFieldCount> kEmptyBoxMessages = {
    "武器名称未填写", "中毒几率未填写", "掉血数值未填写", "基本时间未填写", "扩展时间未填写"};

// True when every box holds text; otherwise tells the user about the first empty one.
bool AllBoxesFilled(runtime::Window& window) {
  const auto& boxes = WeaponBoxNames();
  for (std::size_t k = 0; k < boxes.size(); ++k) {
    if (window.Get(boxes[k]).GetText().empty()) {
      ShowFriendlyMessage(kEmptyBoxMessages[k]);
      return false;
    }
  }
  return true;
}

}  // namespace

void AddCommand(runtime::Window& window) {
  // A topmost window could cover the message box, which has no owner.
  window.SetAlwaysOnTop(false);
  const bool added = AllBoxesFilled(window);
  if (added) {
    const auto& boxes = WeaponBoxNames();
    runtime::ListView& table = window.List("超级列表框1");
    table.InsertRow(0, window.Get(boxes[0]).GetText());
    for (std::size_t k = 1; k < boxes.size(); ++k) {
      table.SetCell(0, static_cast<int>(k), window.Get(boxes[k]).GetText());
    }
    for (std::string_view box : boxes) window.Get(box).SetText({});
  }
  window.Get("修改武器按钮").SetDisabled(false);
  FollowOnTopBox(window);
  if (added) SetOperationStatus(window, OperationStatus::Success);
}

}  // namespace editor
