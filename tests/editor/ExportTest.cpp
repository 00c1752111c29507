// The export command through the real widgets: the export file "新PoisonWeapon.txt" beside this
// test executable compared with the expected bytes, its replacement, the status sequence, the
// message and the always-on-top state; and the load → export round trip.
#include <sys/stat.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "editor/ExportCommand.h"
#include "editor/OperationStatus.h"
#include "editor/WeaponFile.h"
#include "tests/editor/MainWindowHarness.h"
#include "tests/editor/WindowProbe.h"
#include "tests/support/runtime/RuntimeTestSupport.h"

namespace editor::test {
namespace {

namespace rt = runtime::test;

const std::string kHeaderLine = ";武器名称 中毒几率 掉血数值 基本时间 扩展时间\r\n";
const WeaponEntry kHeaderRow = {";武器名称", "中毒几率", "掉血数值", "基本时间", "扩展时间"};

class ExportTest : public MainWindowTest {
 protected:
  void SetUp() override {
    std::filesystem::remove(ExportFileOnDisk());
    MainWindowTest::SetUp();
  }

  // Clicks "导出文本" and answers its message box; the message's text.
  std::string Export() {
    auto message = rt::AnswerNextMessageBox();
    rt::Click(window(), "保存文件按钮");
    EXPECT_TRUE(message->shown);
    EXPECT_EQ(message->title, "友情提示");
    EXPECT_TRUE(message->exclamation);
    EXPECT_TRUE(message->onlyOk);
    EXPECT_TRUE(message->applicationModal);
    EXPECT_FALSE(message->hasParent);
    return message->text;
  }

  ScratchDir dir_;
};

TEST_F(ExportTest, ExportFileNameAndPlace) {
  EXPECT_EQ(ExportFilePath().Native(), ExportFileOnDisk());
  // "新" is D0 C2 in GBK and E6 96 B0 in the file system's UTF-8.
  EXPECT_EQ(ExportFilePath().Ansi().substr(ExportFilePath().Ansi().size() - 18, 2), "\xD0\xC2");
  EXPECT_EQ(ExportFileOnDisk().filename().string().substr(0, 3), "\xE6\x96\xB0");
}

TEST_F(ExportTest, EmptyTableGivesTheHeaderLineAlone) {
  EXPECT_EQ(Export(), "文件已生成到软件目录下！");
  EXPECT_EQ(FileBytes(ExportFileOnDisk()), kHeaderLine);
  EXPECT_EQ(FileBytes(ExportFileOnDisk()).substr(0, 9), ";\xCE\xE4\xC6\xF7\xC3\xFB\xB3\xC6");
  EXPECT_EQ(ShownStatus(), kSuccess);
}

TEST_F(ExportTest, RowsAsTheWriterLaysThemOut) {
  const struct {
    Rows rows;
    std::string lines;
  } cases[] = {
      {{{"木剑", "50", "100", "3", "5"}}, "木剑 50 100 3 5 \r\n"},
      {{{"", "", "", "", ""}}, "     \r\n"},
      {{{"青铜剑", "20", "", "", ""}, {"屠龙", "60", "200", "4", ""}},
       "青铜剑 20    \r\n屠龙 60 200 4  \r\n"},
      {{{"\xEF\xBB\xBF\x80", "5x", "\x81\x30", "a b", "-7"}},
       "\xEF\xBB\xBF\x80 5x \x81\x30 a b -7 \r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lines);
    PutRows(c.rows);
    EXPECT_EQ(Export(), "文件已生成到软件目录下！");
    EXPECT_EQ(FileBytes(ExportFileOnDisk()), kHeaderLine + c.lines);
  }
}

// The status goes waiting, busy while the cells are read, success; then the message, during
// which the window is not on top; afterwards on top again. Table, selection, boxes and the
// modify button stay as they were.
TEST_F(ExportTest, StatusOnTopAndUntouchedState) {
  const Rows rows = {{"木剑", "50", "100", "3", "5"}, {"屠龙", "60", "200", "4", "6"}};
  PutRows(rows);
  rt::ClickListRow(window(), "超级列表框1", 1);
  SetBoxes({"x", "1", "", "", "9"});
  std::string statusWhileShown;
  bool onTopWhileShown = true;
  MessageBoxProbe probe([&] {
    statusWhileShown = ShownStatus();
    onTopWhileShown = window().AlwaysOnTop() || rt::PeerStaysOnTop(window());
  });
  Export();
  EXPECT_TRUE(probe.Ran());
  EXPECT_EQ(statusWhileShown, kSuccess);
  EXPECT_FALSE(onTopWhileShown);
  EXPECT_TRUE(window().AlwaysOnTop());
  EXPECT_TRUE(rt::PeerStaysOnTop(window()));
  EXPECT_EQ(TableRows(), rows);
  EXPECT_EQ(Table().SelectedRow(), 1);
  EXPECT_EQ(Boxes(), (WeaponEntry{"x", "1", "", "", "9"}));
  EXPECT_TRUE(ModifyEnabled());
  EXPECT_EQ(ShownStatus(), kSuccess);
}

TEST_F(ExportTest, WithOnTopUncheckedItStaysOff) {
  rt::Click(window(), "选择框1");
  Export();
  EXPECT_FALSE(window().AlwaysOnTop());
  EXPECT_FALSE(rt::PeerStaysOnTop(window()));
}

// Each export replaces the file as a whole, by a new file renamed over the old one: a link to the
// old file keeps the old bytes, and no temporary file is left beside it.
TEST_F(ExportTest, SecondExportReplacesTheFirst) {
  PutRows({{"木剑", "50", "100", "3", "5"}, {"屠龙", "60", "200", "4", "6"}});
  Export();
  const std::string first = FileBytes(ExportFileOnDisk());
  const auto link = dir_.Path() / "old";
  std::filesystem::create_hard_link(ExportFileOnDisk(), link);
  std::set<std::filesystem::path> before;
  for (const auto& entry : std::filesystem::directory_iterator(TestExecutableDirectory())) {
    before.insert(entry.path());
  }

  auto menu = rt::ChooseNextPopupItem("删除选中");
  rt::ClickListRow(window(), "超级列表框1", 0, rt::Button::Right);
  ASSERT_TRUE(menu->shown);
  Export();
  EXPECT_EQ(FileBytes(ExportFileOnDisk()), kHeaderLine + "屠龙 60 200 4 6 \r\n");
  EXPECT_EQ(FileBytes(link), first);
  std::set<std::filesystem::path> after;
  for (const auto& entry : std::filesystem::directory_iterator(TestExecutableDirectory())) {
    after.insert(entry.path());
  }
  EXPECT_EQ(after, before);
}

// A file the writer made comes back byte for byte, with its header line as one more first row;
// a second round writes that old header as the second line.
TEST_F(ExportTest, LoadThenExportRoundTrip) {
  const Rows tables[] = {
      {},
      {{"木剑", "50", "100", "3", "5"}},
      {{"青铜剑", "20", "", "", ""},
       {"", "", "", "", ""},
       {"\x80\xFF", "5x", "\x81\x30", "", "-7"}},
  };
  for (const Rows& rows : tables) {
    SCOPED_TRACE(rows.size());
    const std::string made = WriteWeaponFile(rows);
    const auto path = dir_.File("made.txt", made);
    LoadThroughButton(&path);
    Rows expected = {kHeaderRow};
    expected.insert(expected.end(), rows.begin(), rows.end());
    EXPECT_EQ(TableRows(), expected);
    Export();
    EXPECT_EQ(FileBytes(ExportFileOnDisk()), WriteWeaponFile(expected));
    EXPECT_EQ(FileBytes(ExportFileOnDisk()), kHeaderLine + made.substr(0, kHeaderLine.size() - 2) +
                                                 " \r\n" + made.substr(kHeaderLine.size()));
  }
}

TEST_F(ExportTest, ExportFileLoadsWithTheHeaderAsFirstRow) {
  PutRows({{"木剑", "50", "100", "3", "5"}});
  Export();
  const auto exported = ExportFileOnDisk();
  LoadThroughButton(&exported);
  EXPECT_EQ(TableRows(), (Rows{kHeaderRow, {"木剑", "50", "100", "3", "5"}}));
  EXPECT_EQ(Table().Cell(0, 0), ";武器名称");
}

// An export that cannot write the file says so instead of the success message; the status
// stays waiting and the on-top state is restored after the box. Here the export file's place is
// taken by a directory, which no file can replace.
TEST_F(ExportTest, FailedWriteIsReported) {
  std::filesystem::create_directory(ExportFileOnDisk());
  std::filesystem::create_directory(ExportFileOnDisk() / "keep");  // a non-empty directory
  PutRows({{"木剑", "50", "100", "3", "5"}});
  bool onTopWhileShown = true;
  std::string statusWhileShown;
  MessageBoxProbe probe([&] {
    onTopWhileShown = window().AlwaysOnTop();
    statusWhileShown = ShownStatus();
  });
  const std::string message = Export();
  std::filesystem::remove_all(ExportFileOnDisk());
  EXPECT_EQ(message, "文件生成失败，请检查软件目录是否可写！");
  EXPECT_EQ(statusWhileShown, kWaiting);
  EXPECT_EQ(ShownStatus(), kWaiting);
  EXPECT_FALSE(onTopWhileShown);
  EXPECT_TRUE(window().AlwaysOnTop());
}

}  // namespace
}  // namespace editor::test
