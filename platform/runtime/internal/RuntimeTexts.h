#pragma once
// The window runtime's own messages to the user, as GBK bytes.

#include "platform/runtime/Forms.h"

namespace runtime::internal {

Text FirstWindowFailedText();
Text FirstWindowFailedTitle();

}  // namespace runtime::internal
