// The message box and the open-file dialog, answered as a user would.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/platform/runtime/TestWindow.h"

namespace runtime::test {
namespace {

namespace fs = std::filesystem;

class DialogTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    // A folder of its own per test: the dialog remembers the folders it has listed.
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    folder_ =
        fs::temp_directory_path() / ("runtime_dialog_" + std::to_string(::getpid()) + "_" + test);
    fs::create_directories(folder_);
    previous_ = fs::current_path();
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }

  fs::path MakeFile(const fs::path& name, const std::string& content) {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  FormSpec DialogForm() {
    FormSpec form = SmallForm();
    ControlSpec dialog;
    dialog.name = "通用对话框1";
    dialog.kind = ControlKind::FileDialog;
    dialog.text = "*.txt";
    form.controls = {dialog};
    return form;
  }

  fs::path folder_;
  fs::path previous_;
};

TEST_F(DialogTest, MessageBoxShowsTitleTextIconAndOneOkButton) {
  auto record = AnswerNextMessageBox();
  ShowMessage("文件已生成到软件目录下！", "友情提示", MessageIcon::Exclamation);
  EXPECT_TRUE(record->shown);
  EXPECT_EQ(record->title, "友情提示");
  EXPECT_EQ(record->text, "文件已生成到软件目录下！");
  EXPECT_TRUE(record->exclamation);
  EXPECT_TRUE(record->onlyOk);
  EXPECT_TRUE(record->applicationModal);
  EXPECT_FALSE(record->hasParent);

  auto plain = AnswerNextMessageBox();
  ShowMessage("<b>不是标记</b>", "", MessageIcon::None);
  EXPECT_TRUE(plain->shown);
  EXPECT_EQ(plain->text, "<b>不是标记</b>");
  EXPECT_FALSE(plain->exclamation);
}

TEST_F(DialogTest, ConfirmedFileIsReportedKeptAndShownNextTime) {
  const fs::path file = MakeFile(u8"武器表.txt", "木剑 50 100 3 5\r\n");
  LoadedWindow window(DialogForm());
  ASSERT_TRUE(window);
  FileDialog& dialog = window->Dialog("通用对话框1");
  dialog.SetDialogKind(DialogKind::OpenFile);
  dialog.SetTitle("请选择要打开的文件");
  dialog.SetFilter("文本文件(*.txt)|*.txt|所有文件(*.*)|*");
  auto record = AnswerNextFileDialog(file);
  ASSERT_TRUE(dialog.Show());
  EXPECT_TRUE(record->shown);
  EXPECT_TRUE(record->accepted);
  EXPECT_EQ(record->title, "请选择要打开的文件");
  EXPECT_EQ(record->nameFilters,
            (std::vector<std::string>{"文本文件(*.txt) (*.txt)", "所有文件(*.*) (*)"}));
  EXPECT_EQ(record->selectedFilter, "文本文件(*.txt)");  // shown with its label only
  EXPECT_TRUE(record->labelsAsGiven);
  EXPECT_TRUE(record->existingFileOnly);
  EXPECT_TRUE(record->applicationModal);

  EXPECT_EQ(fs::canonical(dialog.ChosenPath().Native()), fs::canonical(file));
  EXPECT_EQ(dialog.FileName(), FilePath::FromNative(dialog.ChosenPath().Native()).Ansi());
  EXPECT_EQ(fs::canonical(fs::current_path()), fs::canonical(folder_));

  auto again = AnswerNextFileDialog(std::nullopt);
  EXPECT_FALSE(dialog.Show());
  EXPECT_EQ(again->shownFileName, "武器表.txt");
  EXPECT_EQ(fs::canonical(again->directory), fs::canonical(folder_));
  // A cancelled dialog keeps the last choice.
  EXPECT_EQ(fs::canonical(dialog.ChosenPath().Native()), fs::canonical(file));
}

TEST_F(DialogTest, CancelledDialogReportsNoFile) {
  LoadedWindow window(DialogForm());
  ASSERT_TRUE(window);
  FileDialog& dialog = window->Dialog("通用对话框1");
  auto record = AnswerNextFileDialog(std::nullopt);
  EXPECT_FALSE(dialog.Show());
  EXPECT_TRUE(record->shown);
  EXPECT_EQ(dialog.FileName(), "*.txt");
}

TEST_F(DialogTest, AFileNamedOutsideGbkStillOpensByItsOwnName) {
  // Hangul has no GBK form: the ANSI name loses it, the chosen path keeps it.
  const fs::path file = MakeFile(u8"무기.txt", "abc");
  LoadedWindow window(DialogForm());
  ASSERT_TRUE(window);
  FileDialog& dialog = window->Dialog("通用对话框1");
  auto record = AnswerNextFileDialog(file);
  ASSERT_TRUE(dialog.Show());
  const std::optional<bytes::ByteBlock> content = ReadWholeFile(dialog.ChosenPath());
  ASSERT_TRUE(content.has_value());
  EXPECT_EQ(content->text(), "abc");
  EXPECT_FALSE(ReadWholeFile(FilePath::FromAnsi(dialog.FileName())).has_value());
}

}  // namespace
}  // namespace runtime::test
