#pragma once
// The main window opened for one test case on Qt's offscreen platform and destroyed after it,
// with helpers that read and fill the weapon table and the input boxes as weapon entries, and a
// scratch directory for weapon files. Every text is GBK bytes.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "editor/MainWindowForm.h"
#include "editor/WeaponFile.h"
#include "platform/runtime/Window.h"

namespace editor::test {

using Rows = std::vector<WeaponEntry>;

// The bytes of a file (empty when it cannot be read), and a file made of bytes.
std::string FileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);

// A fresh directory under the system's temporary directory, removed with its content at the end.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }
  // A file made of `bytes` in a new folder of its own inside the directory.
  std::filesystem::path File(std::string_view name, std::string_view bytes);

 private:
  std::filesystem::path path_;
  int files_{0};
};

// The directory of the running test executable, where the export file goes.
std::filesystem::path TestExecutableDirectory();
// The export file by its name on disk: "新PoisonWeapon.txt" in UTF-8.
std::filesystem::path ExportFileOnDisk();

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  virtual MainWindowOptions Options() { return {}; }

  // The open main window; the test fails if it is gone.
  runtime::Window& window();
  runtime::ListView& Table();
  bool WindowGone() const;

  Rows TableRows();
  // Puts rows into the table directly, as a load would leave them (no row selected).
  void PutRows(const Rows& rows);
  WeaponEntry Boxes();
  // Sets the boxes' texts as a command would (no typing, so no filter and no rewrite).
  void SetBoxes(const WeaponEntry& entry);
  std::string TextBuffer();

  // The status box that is visible, checked through the runtime and on screen: its name when
  // exactly one is visible in both, otherwise a description of what is wrong.
  std::string ShownStatus();
  bool ModifyEnabled();

  // Runs the load command from `打开文本按钮` and answers its dialog with `file` (or cancels).
  void LoadThroughButton(const std::filesystem::path* file);

  win32::HWND handle_{nullptr};
};

inline constexpr std::string_view kWaiting = "等待数据标签";
inline constexpr std::string_view kBusy = "正在数据标签";
inline constexpr std::string_view kSuccess = "成功数据标签";

}  // namespace editor::test
