#include "editor/InitialSetUp.h"

#include <string_view>

#include "editor/AlwaysOnTop.h"
#include "editor/OperationStatus.h"
#include "editor/WeaponBoxes.h"
#include "platform/runtime/Runtime.h"

namespace editor {

namespace {
constexpr int kSilverScheme = 3;
}  // namespace

void InitialSetUp(runtime::Window& window) {
  runtime::EnableTheming(kSilverScheme);
  FollowOnTopBox(window);
  window.Get("修改武器按钮").SetDisabled(true);
  window.List("超级列表框1").DeleteAllRows();
  for (std::string_view box : WeaponBoxNames()) window.Get(box).SetText({});
  SetOperationStatus(window, OperationStatus::Waiting);
}

}  // namespace editor
