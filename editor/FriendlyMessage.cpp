#include "editor/FriendlyMessage.h"

#include <string>

#include "platform/runtime/Runtime.h"

namespace editor {

void ShowFriendlyMessage(std::string_view text) {
  runtime::ShowMessage(std::string(text), "友情提示", runtime::MessageIcon::Exclamation);
}

}  // namespace editor
