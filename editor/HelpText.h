#pragma once
// The help text that `编辑框7` shows: eight lines in GBK bytes joined by CR LF, no line break after
// the last. A constant; nothing can fail.

#include <string_view>

namespace editor {

std::string_view HelpText();

}  // namespace editor
