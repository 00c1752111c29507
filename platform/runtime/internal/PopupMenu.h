#pragma once
// A form's popup menu shown at the cursor plus (3, 3), owned by the window's client area for as
// long as it is open. Its items react to either mouse button. Gives the chosen item's text, or
// nothing when the menu closed without a choice.

#include <optional>

#include "platform/runtime/Forms.h"

class QWidget;

namespace runtime::internal {

std::optional<Text> ChoosePopupItem(QWidget* owner, const MenuSpec& menu);

}  // namespace runtime::internal
