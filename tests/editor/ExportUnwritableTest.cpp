// The export from an executable whose directory cannot be written (a fixture has left the
// previous export file there): the failure is reported, that file keeps its bytes, the status
// stays waiting and the on-top state comes back after the message. This executable runs as an
// ordinary user, so it also loads a weapon file that its mode makes unreadable.
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/editor/MainWindowHarness.h"
#include "tests/editor/WindowProbe.h"
#include "tests/support/runtime/RuntimeTestSupport.h"

namespace editor::test {
namespace {

namespace rt = runtime::test;

// Written by the fixture (unwritable_dir.sh) before this executable runs.
const std::string kPreviousExport = "previous export file\r\n";

TEST_F(MainWindowTest, RunsAsAnOrdinaryUser) {
  EXPECT_NE(::geteuid(), 0u);
  EXPECT_NE(::access(TestExecutableDirectory().c_str(), W_OK), 0);
}

TEST_F(MainWindowTest, FailedExportLeavesThePreviousFileWhole) {
  ASSERT_EQ(FileBytes(ExportFileOnDisk()), kPreviousExport);
  PutRows({{"木剑", "50", "100", "3", "5"}});
  rt::ClickListRow(window(), "超级列表框1", 0);
  bool onTopWhileShown = true;
  std::string statusWhileShown;
  MessageBoxProbe probe([&] {
    onTopWhileShown = window().AlwaysOnTop();
    statusWhileShown = ShownStatus();
  });
  auto message = rt::AnswerNextMessageBox();
  rt::Click(window(), "保存文件按钮");
  ASSERT_TRUE(message->shown);
  EXPECT_EQ(message->text, "文件生成失败，请检查软件目录是否可写！");
  EXPECT_EQ(message->title, "友情提示");
  EXPECT_TRUE(message->exclamation);
  EXPECT_TRUE(message->onlyOk);
  EXPECT_FALSE(message->hasParent);
  EXPECT_EQ(FileBytes(ExportFileOnDisk()), kPreviousExport);
  EXPECT_EQ(statusWhileShown, kWaiting);
  EXPECT_EQ(ShownStatus(), kWaiting);
  EXPECT_FALSE(onTopWhileShown);
  EXPECT_TRUE(window().AlwaysOnTop());
  EXPECT_EQ(Table().RowCount(), 1);
  EXPECT_EQ(Table().SelectedRow(), 0);
  // Nothing was left behind in the directory either.
  int entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(TestExecutableDirectory())) {
    (void)entry;
    ++entries;
  }
  EXPECT_EQ(entries, 2);  // this executable and the previous export file
}

TEST_F(MainWindowTest, UnreadableWeaponFileThroughTheDialog) {
  ScratchDir dir;
  const auto path = dir.File("locked.txt", "木剑 50 100 3 5\r\n");
  std::filesystem::permissions(path, std::filesystem::perms::none);
  const Rows before = {{"屠龙", "60", "200", "4", "6"}};
  PutRows(before);
  auto message = rt::AnswerNextMessageBox();
  LoadThroughButton(&path);
  ASSERT_TRUE(message->shown);
  EXPECT_EQ(message->text, "文件读取失败，数据未改动！");
  EXPECT_EQ(TableRows(), before);
  EXPECT_EQ(TextBuffer(), "");
  EXPECT_FALSE(ModifyEnabled());
  EXPECT_EQ(ShownStatus(), kWaiting);
}

}  // namespace
}  // namespace editor::test
