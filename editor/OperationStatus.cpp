#include "editor/OperationStatus.h"

namespace editor {

void SetOperationStatus(runtime::Window& window, OperationStatus status) {
  window.Get("等待数据标签").SetVisible(status == OperationStatus::Waiting);
  window.Get("正在数据标签").SetVisible(status == OperationStatus::Busy);
  window.Get("成功数据标签").SetVisible(status == OperationStatus::Success);
}

}  // namespace editor
