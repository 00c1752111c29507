#pragma once
// The load command: the weapon file the user picks replaces the text buffer `超级编辑框1` and the
// weapon table, which is rebuilt from that buffer. A cancelled dialog changes nothing; a file that
// cannot be read is reported in a message box and changes nothing either.

#include "platform/runtime/Files.h"
#include "platform/runtime/Window.h"

namespace editor {

// The handler of the menu item "导入数据" and of `打开文本按钮`: status waiting, then the
// open-file dialog `通用对话框1`, then LoadWeaponFile for a confirmed file.
void LoadCommand(runtime::Window& window);

// The steps after a confirmed dialog: reads `path`, puts its text into the text buffer, rebuilds
// the weapon table from it, enables the modify button and sets the status to success. When the
// file cannot be read, says so and sets the status back to waiting; returns false then.
bool LoadWeaponFile(runtime::Window& window, const runtime::FilePath& path);

}  // namespace editor
