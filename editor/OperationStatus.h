#pragma once
// The operation status of the main window: which one of the three overlapping boxes
// `等待数据标签`, `正在数据标签` and `成功数据标签` is visible. Setting it cannot fail.

#include "platform/runtime/Window.h"

namespace editor {

enum class OperationStatus { Waiting, Busy, Success };

// Shows the status's box and hides the other two, always in the order 等待, 正在, 成功.
void SetOperationStatus(runtime::Window& window, OperationStatus status);

}  // namespace editor
