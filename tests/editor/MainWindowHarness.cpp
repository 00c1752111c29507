#include "tests/editor/MainWindowHarness.h"

#include <stdlib.h>

#include <array>
#include <fstream>
#include <iterator>
#include <system_error>

#include "editor/WeaponBoxes.h"
#include "platform/runtime/Runtime.h"
#include "tests/editor/WindowProbe.h"
#include "tests/support/runtime/RuntimeTestSupport.h"

namespace editor::test {

namespace rt = runtime::test;

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

ScratchDir::ScratchDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "editor_test_XXXXXX").string();
  if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

ScratchDir::~ScratchDir() {
  std::error_code error;
  if (path_.empty()) return;
  // Files a test made unreadable are still removable by their directory's owner.
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, error);
  std::filesystem::remove_all(path_, error);
}

std::filesystem::path ScratchDir::File(std::string_view name, std::string_view bytes) {
  // Each file in a folder of its own: the open-file dialog, answered from a test, keeps the file
  // chosen last when another one of the same folder is typed in.
  const std::filesystem::path folder = path_ / std::to_string(++files_);
  std::filesystem::create_directory(folder);
  const std::filesystem::path path = folder / std::filesystem::path(std::string(name));
  WriteFileBytes(path, bytes);
  return path;
}

std::filesystem::path TestExecutableDirectory() {
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
}

std::filesystem::path ExportFileOnDisk() {
  return TestExecutableDirectory() / std::filesystem::path(u8"新PoisonWeapon.txt");
}

void MainWindowTest::SetUp() {
  runtime::Window* opened = runtime::LoadWindow(MainWindowForm(Options()));
  ASSERT_NE(opened, nullptr);
  handle_ = opened->Handle();
  ASSERT_TRUE(rt::ActivateWindow(*opened));
}

void MainWindowTest::TearDown() {
  rt::DestroyNow(handle_);
}

runtime::Window& MainWindowTest::window() {
  runtime::Window* open = runtime::WindowOf(handle_);
  if (open == nullptr) {
    ADD_FAILURE() << "the main window is gone";
    std::abort();
  }
  return *open;
}

runtime::ListView& MainWindowTest::Table() {
  return window().List("超级列表框1");
}

bool MainWindowTest::WindowGone() const {
  return runtime::WindowOf(handle_) == nullptr;
}

Rows MainWindowTest::TableRows() {
  Rows rows;
  runtime::ListView& table = Table();
  for (int i = 0; i < table.RowCount(); ++i) {
    WeaponEntry& row = rows.emplace_back();
    for (std::size_t k = 0; k < kWeaponFieldCount; ++k) row[k] = table.Cell(i, static_cast<int>(k));
  }
  return rows;
}

void MainWindowTest::PutRows(const Rows& rows) {
  std::vector<std::string_view> cells;
  for (const WeaponEntry& row : rows) cells.insert(cells.end(), row.begin(), row.end());
  Table().ReplaceRows(cells);
}

WeaponEntry MainWindowTest::Boxes() {
  WeaponEntry entry;
  const auto& boxes = WeaponBoxNames();
  for (std::size_t k = 0; k < boxes.size(); ++k) entry[k] = window().Get(boxes[k]).GetText();
  return entry;
}

void MainWindowTest::SetBoxes(const WeaponEntry& entry) {
  const auto& boxes = WeaponBoxNames();
  for (std::size_t k = 0; k < boxes.size(); ++k) window().Get(boxes[k]).SetText(entry[k]);
}

std::string MainWindowTest::TextBuffer() {
  return window().Get("超级编辑框1").GetText();
}

std::string MainWindowTest::ShownStatus() {
  std::string shown;
  int count = 0;
  for (std::string_view name : {kWaiting, kBusy, kSuccess}) {
    const bool visible = window().Get(name).Visible();
    const bool onScreen = rt::WidgetShown(window(), name);
    if (visible != onScreen) return std::string(name) + " visible to the runtime but not on screen";
    if (visible) {
      shown = name;
      ++count;
    }
  }
  if (count != 1) return std::to_string(count) + " status boxes visible";
  return shown;
}

bool MainWindowTest::ModifyEnabled() {
  const bool enabled = !window().Get("修改武器按钮").Disabled();
  EXPECT_EQ(enabled, rt::WidgetEnabled(window(), "修改武器按钮"));
  return enabled;
}

void MainWindowTest::LoadThroughButton(const std::filesystem::path* file) {
  if (file == nullptr) {
    auto record = rt::AnswerNextFileDialog(std::nullopt);
    rt::Click(window(), "打开文本按钮");
    EXPECT_TRUE(record->shown);
    return;
  }
  auto answered = ChooseInNextFileDialog(*file);
  rt::Click(window(), "打开文本按钮");
  EXPECT_TRUE(*answered);
}

}  // namespace editor::test
