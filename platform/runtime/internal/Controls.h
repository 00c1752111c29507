#pragma once
// One maker per control kind. Each builds the control's widget (if it has one) inside
// `context.parent` with the settings of its form row and binds its events to the window.

#include <memory>

#include "platform/runtime/internal/ControlBase.h"

namespace runtime::internal {

std::unique_ptr<ControlParts> MakeGroupBox(const ControlContext& context);
std::unique_ptr<ControlParts> MakeLabel(const ControlContext& context);
std::unique_ptr<ControlParts> MakeEditBox(const ControlContext& context);
std::unique_ptr<ControlParts> MakePushButton(const ControlContext& context);
std::unique_ptr<ControlParts> MakeCheckBox(const ControlContext& context);
std::unique_ptr<ControlParts> MakeRichEdit(const ControlContext& context);
std::unique_ptr<ControlParts> MakeListView(const ControlContext& context);
std::unique_ptr<ControlParts> MakeStatusBar(const ControlContext& context);
std::unique_ptr<ControlParts> MakeFileDialog(const ControlContext& context);
std::unique_ptr<ControlParts> MakeTimer(const ControlContext& context);

}  // namespace runtime::internal
