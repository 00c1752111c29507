#pragma once
// The editor's one way of telling the user something: a message box titled "友情提示" with the
// exclamation icon, an OK button and no owner, modal for the whole tool.

#include <string_view>

namespace editor {

// Shows `text` (GBK bytes) and returns when the user has closed the box.
void ShowFriendlyMessage(std::string_view text);

}  // namespace editor
