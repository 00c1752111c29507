// Compiled with GBK literals (see CMakeLists.txt): no Qt header may be included here.
#include "platform/runtime/internal/RuntimeTexts.h"

namespace runtime::internal {

Text FirstWindowFailedText() {
  return "程序的第一个窗口无法创建，程序将退出。";
}

Text FirstWindowFailedTitle() {
  return "错误";
}

}  // namespace runtime::internal
