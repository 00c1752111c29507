#pragma once
// The export command: the whole weapon table, by the weapon file writer, to the export file
// "新PoisonWeapon.txt" in the executable's directory, replaced atomically. A failed write leaves
// the previous export file whole and is reported in the message box instead of the success.

#include "platform/runtime/Files.h"
#include "platform/runtime/Window.h"

namespace editor {

// The clicked handler of `保存文件按钮`.
void ExportCommand(runtime::Window& window);

// The export file: "新PoisonWeapon.txt" in the directory of the tool's executable.
runtime::FilePath ExportFilePath();

// The steps that write: status waiting, busy while the table's cells are read, then the writer's
// bytes to `path`. Returns whether the file was written; the status is still busy then.
bool WriteExportFile(runtime::Window& window, const runtime::FilePath& path);

}  // namespace editor
