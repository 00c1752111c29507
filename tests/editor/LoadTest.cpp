// The load command through the real widgets: the open-file dialog answered from the test, the
// text buffer, the weapon table rebuilt by the reader, the modify button and the status; and what
// it does when the dialog is cancelled or the file cannot be read (nothing is lost either way).
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "editor/LoadCommand.h"
#include "editor/OperationStatus.h"
#include "editor/WeaponFile.h"
#include "tests/editor/MainWindowHarness.h"
#include "tests/editor/WindowProbe.h"
#include "tests/support/runtime/RuntimeTestSupport.h"

namespace editor::test {
namespace {

namespace rt = runtime::test;

const std::string kFileA = "木剑 50 100 3 5\r\n青铜剑 20\r\n\r\n炼狱 1 2 3 4 5 6\r\n";
const Rows kRowsA = {
    {"木剑", "50", "100", "3", "5"},
    {"青铜剑", "20", "", "", ""},
    {"", "", "", "", ""},
    {"炼狱", "1", "2", "3", "4"},
};
const std::string kFileB = "屠龙 60 200 4 6";
const Rows kRowsB = {{"屠龙", "60", "200", "4", "6"}};

class LoadTest : public MainWindowTest {
 protected:
  ScratchDir dir_;
};

TEST_F(LoadTest, ButtonLoadsTheChosenFile) {
  const auto file = dir_.File("PoisonWeapon.txt", kFileA);
  auto dialog = rt::AnswerNextFileDialog(file);
  rt::Click(window(), "打开文本按钮");
  ASSERT_TRUE(dialog->shown);
  EXPECT_EQ(dialog->title, "请选择要打开的文件");
  EXPECT_EQ(dialog->nameFilters,
            (std::vector<std::string>{"文本文件(*.txt) (*.txt)", "所有文件(*.*) (*)"}));
  EXPECT_EQ(dialog->selectedFilter, "文本文件(*.txt)");  // as shown, its patterns hidden
  EXPECT_TRUE(dialog->existingFileOnly);
  EXPECT_TRUE(dialog->applicationModal);
  EXPECT_TRUE(dialog->labelsAsGiven);
  EXPECT_EQ(TableRows(), kRowsA);
  EXPECT_EQ(TextBuffer(), kFileA);
  EXPECT_EQ(Table().SelectedRow(), -1);
  EXPECT_TRUE(ModifyEnabled());
  EXPECT_EQ(ShownStatus(), kSuccess);
  EXPECT_EQ(std::filesystem::current_path(), file.parent_path());
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(rt::ShownCell(window(), "超级列表框1", 0, k), kRowsA[0][static_cast<std::size_t>(k)]);
  }

  // The next time the dialog opens it shows the file chosen last.
  auto again = rt::AnswerNextFileDialog(std::nullopt);
  rt::Click(window(), "打开文本按钮");
  ASSERT_TRUE(again->shown);
  EXPECT_EQ(again->shownFileName, "PoisonWeapon.txt");
  EXPECT_EQ(again->directory, file.parent_path());
}

TEST_F(LoadTest, MenuItemLoadsToo) {
  const auto file = dir_.File("a.txt", kFileA);
  auto menu = rt::ChooseNextPopupItem("导入数据");
  auto dialog = rt::AnswerNextFileDialog(file);
  rt::ClickListEmptySpace(window(), "超级列表框1", rt::Button::Right);
  ASSERT_TRUE(menu->shown);
  ASSERT_TRUE(dialog->shown);
  EXPECT_EQ(TableRows(), kRowsA);
  EXPECT_EQ(ShownStatus(), kSuccess);
}

TEST_F(LoadTest, SecondFileReplacesTheFirst) {
  const auto a = dir_.File("a.txt", kFileA);
  const auto b = dir_.File("b.dat", kFileB);  // any name, through the all-files entry
  LoadThroughButton(&a);
  LoadThroughButton(&b);
  EXPECT_EQ(TableRows(), kRowsB);
  EXPECT_EQ(TextBuffer(), kFileB);
}

TEST_F(LoadTest, LoadClearsTheSelectionAndKeepsTheBoxes) {
  PutRows(kRowsB);
  rt::ClickListRow(window(), "超级列表框1", 0);
  const auto a = dir_.File("a.txt", kFileA);
  LoadThroughButton(&a);
  EXPECT_EQ(Table().SelectedRow(), -1);
  EXPECT_EQ(Boxes(), kRowsB[0]);
  EXPECT_TRUE(ModifyEnabled());
  rt::Click(window(), "修改武器按钮");  // no row picked since: nothing changes
  EXPECT_EQ(TableRows(), kRowsA);
}

TEST_F(LoadTest, ThousandLinesInFileOrder) {
  std::string file;
  Rows rows;
  for (int i = 0; i < 1000; ++i) {
    const std::string n = std::to_string(i);
    rows.push_back({"剑" + n, n, std::to_string(i * 2), "3", "5"});
    file += rows.back()[0] + " " + n + " " + rows.back()[2] + " 3 5\r\n";
  }
  const auto path = dir_.File("1000.txt", file);
  LoadThroughButton(&path);
  EXPECT_EQ(TableRows(), rows);
}

// Cancelling changes nothing: not the hand-made rows, the text buffer, the selection or the
// modify button; the status is the waiting one the command starts with.
TEST_F(LoadTest, CancelKeepsEverything) {
  const auto a = dir_.File("a.txt", kFileA);
  LoadThroughButton(&a);
  SetBoxes({"手工", "1", "2", "3", "4"});
  rt::Click(window(), "添加武器按钮");
  rt::ClickListRow(window(), "超级列表框1", 2);
  rt::Click(window(), "修改武器按钮");  // the button is disabled after a modify
  Rows edited = TableRows();
  ASSERT_EQ(edited.size(), kRowsA.size() + 1);
  ASSERT_EQ(ShownStatus(), kSuccess);

  LoadThroughButton(nullptr);
  EXPECT_EQ(TableRows(), edited);
  EXPECT_EQ(TextBuffer(), kFileA);
  EXPECT_EQ(Table().SelectedRow(), 2);
  EXPECT_FALSE(ModifyEnabled());
  EXPECT_EQ(ShownStatus(), kWaiting);
}

TEST_F(LoadTest, CancelRightAfterTheStart) {
  SetBoxes({"手工", "1", "2", "3", "4"});
  rt::Click(window(), "添加武器按钮");
  LoadThroughButton(nullptr);
  EXPECT_EQ(TableRows(), (Rows{{"手工", "1", "2", "3", "4"}}));
  EXPECT_EQ(TextBuffer(), "");
  EXPECT_TRUE(ModifyEnabled());  // from the add
  EXPECT_EQ(ShownStatus(), kWaiting);
}

// A weapon file opened for reading only: write-protected files and files another program holds
// open load like any other.
TEST_F(LoadTest, WriteProtectedAndHeldFilesLoad) {
  const auto path = dir_.File("readonly.txt", kFileA);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::group_read |
                                         std::filesystem::perms::others_read);
  LoadThroughButton(&path);
  EXPECT_EQ(TableRows(), kRowsA);
  EXPECT_EQ(ShownStatus(), kSuccess);

  const auto held = dir_.File("held.txt", kFileB);
  const int fd = ::open(held.c_str(), O_RDWR);
  ASSERT_GE(fd, 0);
  LoadThroughButton(&held);
  ::close(fd);
  EXPECT_EQ(TableRows(), kRowsB);
}

// A file that cannot be read is reported and changes nothing. The dialog takes only regular
// files, so the steps after it are given a directory as the chosen file.
TEST_F(LoadTest, UnreadableFileIsReportedAndChangesNothing) {
  ASSERT_TRUE(LoadWeaponFile(window(), runtime::FilePath::FromNative(dir_.File("a.txt", kFileA))));
  Table().InsertRow(0, "手工");  // a row made by hand
  window().Get("修改武器按钮").SetDisabled(true);
  const Rows before = TableRows();

  bool onTopWhileShown = true;
  MessageBoxProbe probe([&] { onTopWhileShown = window().AlwaysOnTop(); });
  auto message = rt::AnswerNextMessageBox();
  EXPECT_FALSE(LoadWeaponFile(window(), runtime::FilePath::FromNative(dir_.Path())));
  ASSERT_TRUE(message->shown);
  EXPECT_EQ(message->text, "文件读取失败，数据未改动！");
  EXPECT_EQ(message->title, "友情提示");
  EXPECT_TRUE(message->exclamation);
  EXPECT_TRUE(message->onlyOk);
  EXPECT_FALSE(message->hasParent);
  EXPECT_FALSE(onTopWhileShown);
  EXPECT_TRUE(window().AlwaysOnTop());
  EXPECT_EQ(TableRows(), before);
  EXPECT_EQ(TextBuffer(), kFileA);
  EXPECT_FALSE(ModifyEnabled());
  EXPECT_EQ(ShownStatus(), kWaiting);
}

// The same through the dialog, for a file whose mode lets nobody read it; root reads any file,
// so this part runs only for other users (the unprivileged export tests run it too).
TEST_F(LoadTest, UnreadableFileThroughTheDialog) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads a file of mode 000";
  const auto path = dir_.File("locked.txt", kFileA);
  std::filesystem::permissions(path, std::filesystem::perms::none);
  PutRows(kRowsB);
  auto message = rt::AnswerNextMessageBox();
  LoadThroughButton(&path);
  ASSERT_TRUE(message->shown);
  EXPECT_EQ(message->text, "文件读取失败，数据未改动！");
  EXPECT_EQ(TableRows(), kRowsB);
  EXPECT_EQ(TextBuffer(), "");
  EXPECT_FALSE(ModifyEnabled());
  EXPECT_EQ(ShownStatus(), kWaiting);
}

TEST_F(LoadTest, EmptyFileGivesAnEmptyTable) {
  PutRows(kRowsB);
  const auto path = dir_.File("empty.txt", "");
  LoadThroughButton(&path);
  EXPECT_EQ(TableRows(), Rows{});
  EXPECT_EQ(TextBuffer(), "");
  EXPECT_TRUE(ModifyEnabled());
  EXPECT_EQ(ShownStatus(), kSuccess);
}

// Cells and the text buffer hold exactly the reader's bytes: letters, invalid GBK, a byte-order
// mark, a 0x20 in the second place of a double-byte character, lone CR and LF, a NUL that ends
// the text.
TEST_F(LoadTest, BytesArriveUnchanged) {
  const struct {
    std::string file;
    std::string text;
    Rows rows;
  } cases[] = {
      {"\xEF\xBB\xBF"
       "ab 5x \x81\x30 \x80\xFF -7\r\n",
       "\xEF\xBB\xBF"
       "ab 5x \x81\x30 \x80\xFF -7\r\n",
       {{"\xEF\xBB\xBF"
         "ab",
         "5x", "\x81\x30", "\x80\xFF", "-7"}}},
      // The mark's bytes pair up as double-byte characters, so here its last byte takes the
      // first byte of 木 along and the pairs go on over the space after 剑.
      {"\xEF\xBB\xBF木剑 5x 1\r\n",
       "\xEF\xBB\xBF木剑 5x 1\r\n",
       {{"\xEF\xBB\xBF木剑 5x", "1", "", "", ""}}},
      {"a\nb 1\rc 2\r\nd",
       "a\nb 1\rc 2\r\nd",
       {{"a\nb", "1\rc", "2", "", ""}, {"d", "", "", "", ""}}},
      {"\x81\x20x y\r\n", "\x81\x20x y\r\n", {{"\x81\x20x", "y", "", "", ""}}},
      {std::string("w 1\r\nv\0 2\r\n", 11),
       "w 1\r\nv",
       {{"w", "1", "", "", ""}, {"v", "", "", "", ""}}},
      {"\r\n", "\r\n", {{"", "", "", "", ""}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto path = dir_.File("bytes.txt", c.file);
    LoadThroughButton(&path);
    EXPECT_EQ(TextBuffer(), c.text);
    EXPECT_EQ(TableRows(), c.rows);
    EXPECT_EQ(TableRows(), ReadWeaponFile(c.file));
  }
}

// A file name that GBK cannot express still opens, by its own name on disk.
TEST_F(LoadTest, NameOutsideGbkOpens) {
  const auto path = dir_.Path() / std::filesystem::path(u8"武器\u00e9\u0e01.txt");
  WriteFileBytes(path, kFileB);
  LoadThroughButton(&path);
  EXPECT_EQ(TableRows(), kRowsB);
}

}  // namespace
}  // namespace editor::test
