// Editing the weapon table through the real widgets: the row pick on a click, the add command's
// checks and insertion, the modify command, and the right-click menu's two delete commands, with
// the modify button, the status and the always-on-top state after each.
#include <string>
#include <string_view>
#include <vector>

#include "editor/OperationStatus.h"
#include "editor/WeaponBoxes.h"
#include "tests/editor/MainWindowHarness.h"
#include "tests/editor/WindowProbe.h"
#include "tests/support/runtime/RuntimeTestSupport.h"

namespace editor::test {
namespace {

namespace rt = runtime::test;

const Rows kThreeRows = {
    {"木剑", "50", "100", "3", "5"},
    {"青铜剑", "20", "", "", ""},
    {"炼狱", "abc", "\x81\x30", "\xEF\xBB\xBF", "-7"},  // letters, invalid GBK, a UTF-8 BOM
};

// --- Row pick ---------------------------------------------------------------------------------

TEST_F(MainWindowTest, RowPickCopiesTheClickedRowIntoTheBoxes) {
  PutRows(kThreeRows);
  for (int row : {1, 0, 2}) {
    SCOPED_TRACE(row);
    SetOperationStatus(window(), OperationStatus::Success);
    rt::ClickListRow(window(), "超级列表框1", row);
    EXPECT_EQ(Table().SelectedRow(), row);
    EXPECT_EQ(Boxes(), kThreeRows[static_cast<std::size_t>(row)]);
    EXPECT_TRUE(ModifyEnabled());
    EXPECT_EQ(ShownStatus(), kWaiting);
  }
}

TEST_F(MainWindowTest, ClickOnEmptySpaceClearsTheSelectionAndKeepsTheBoxes) {
  PutRows(kThreeRows);
  rt::ClickListRow(window(), "超级列表框1", 0);
  SetOperationStatus(window(), OperationStatus::Success);
  rt::ClickListEmptySpace(window(), "超级列表框1");
  EXPECT_EQ(Table().SelectedRow(), -1);
  EXPECT_EQ(Boxes(), kThreeRows[0]);
  EXPECT_EQ(ShownStatus(), kSuccess);
}

TEST_F(MainWindowTest, KeyboardSelectionDoesNotFillTheBoxes) {
  PutRows(kThreeRows);
  rt::ClickListRow(window(), "超级列表框1", 0);
  rt::PressDownArrow(window(), "超级列表框1");
  EXPECT_EQ(Table().SelectedRow(), 1);
  EXPECT_EQ(Boxes(), kThreeRows[0]);
}

// Cells go into the boxes byte for byte, and untouched boxes give the same bytes back.
TEST_F(MainWindowTest, PickedBytesSurviveAModify) {
  PutRows(kThreeRows);
  rt::ClickListRow(window(), "超级列表框1", 2);
  EXPECT_EQ(rt::ShownText(window(), "编辑框2"), "abc");
  rt::Click(window(), "修改武器按钮");
  EXPECT_EQ(TableRows(), kThreeRows);
  EXPECT_FALSE(ModifyEnabled());
  EXPECT_EQ(ShownStatus(), kSuccess);
}

// --- Add --------------------------------------------------------------------------------------

struct RefusedAdd {
  WeaponEntry boxes;
  std::string message;
};

TEST_F(MainWindowTest, AddChecksTheBoxesInOrder) {
  const RefusedAdd cases[] = {
      {{"", "", "", "", ""}, "武器名称未填写"},
      {{"", "1", "", "3", "4"}, "武器名称未填写"},
      {{"木剑", "", "", "", ""}, "中毒几率未填写"},
      {{"木剑", "50", "", "3", "5"}, "掉血数值未填写"},
      {{"木剑", "50", "100", "", "5"}, "基本时间未填写"},
      {{"木剑", "50", "100", "3", ""}, "扩展时间未填写"},
  };
  PutRows(kThreeRows);
  for (const RefusedAdd& c : cases) {
    SCOPED_TRACE(c.message);
    SetBoxes(c.boxes);
    window().Get("修改武器按钮").SetDisabled(true);
    SetOperationStatus(window(), OperationStatus::Busy);
    bool onTopWhileShown = true;
    MessageBoxProbe probe([&] { onTopWhileShown = window().AlwaysOnTop(); });
    auto message = rt::AnswerNextMessageBox();
    rt::Click(window(), "添加武器按钮");
    ASSERT_TRUE(message->shown);
    EXPECT_EQ(message->text, c.message);
    EXPECT_EQ(message->title, "友情提示");
    EXPECT_EQ(message->title, "\xD3\xD1\xC7\xE9\xCC\xE1\xCA\xBE");
    EXPECT_TRUE(message->exclamation);
    EXPECT_TRUE(message->onlyOk);
    EXPECT_TRUE(message->applicationModal);
    EXPECT_FALSE(message->hasParent);
    EXPECT_TRUE(probe.Ran());
    EXPECT_FALSE(onTopWhileShown);
    EXPECT_TRUE(window().AlwaysOnTop());
    EXPECT_EQ(TableRows(), kThreeRows);
    EXPECT_EQ(Boxes(), c.boxes);
    EXPECT_TRUE(ModifyEnabled());
    EXPECT_EQ(ShownStatus(), kBusy);
  }
}

TEST_F(MainWindowTest, AddInsertsAtTheTopAndKeepsTheSelectedEntry) {
  PutRows(kThreeRows);
  rt::ClickListRow(window(), "超级列表框1", 1);
  const WeaponEntry added = {"屠龙", "60", "200", "4", "6"};
  SetBoxes(added);
  window().Get("修改武器按钮").SetDisabled(true);
  rt::Click(window(), "添加武器按钮");
  EXPECT_EQ(TableRows(), (Rows{added, kThreeRows[0], kThreeRows[1], kThreeRows[2]}));
  EXPECT_EQ(Table().SelectedRow(), 2);
  EXPECT_EQ(Boxes(), WeaponEntry{});
  EXPECT_TRUE(ModifyEnabled());
  EXPECT_EQ(ShownStatus(), kSuccess);
  EXPECT_TRUE(window().AlwaysOnTop());

  // A modify right after writes the emptied boxes over the selected entry.
  rt::Click(window(), "修改武器按钮");
  EXPECT_EQ(TableRows(), (Rows{added, kThreeRows[0], WeaponEntry{}, kThreeRows[2]}));
  EXPECT_FALSE(ModifyEnabled());
}

TEST_F(MainWindowTest, AddFromTypedBoxes) {
  rt::TypeInto(window(), "编辑框1", " ");
  rt::TypeInto(window(), "编辑框2", "050");
  rt::TypeInto(window(), "编辑框3", "100");
  rt::TypeInto(window(), "编辑框4", "3");
  rt::TypeInto(window(), "编辑框5", "5");
  rt::Click(window(), "添加武器按钮");
  rt::TypeInto(window(), "编辑框1", " ");
  rt::TypeInto(window(), "编辑框2", "050");
  rt::TypeInto(window(), "编辑框3", "100");
  rt::TypeInto(window(), "编辑框4", "3");
  rt::TypeInto(window(), "编辑框5", "5");
  rt::Click(window(), "添加武器按钮");
  // A one-space name counts as filled; the same entry twice gives two rows.
  EXPECT_EQ(TableRows(), (Rows{{" ", "50", "100", "3", "5"}, {" ", "50", "100", "3", "5"}}));
}

// The click on the button takes the focus first, so a typed 0 is already gone when it checks.
TEST_F(MainWindowTest, AddRefusesATypedZero) {
  rt::TypeInto(window(), "编辑框1", "木剑");
  rt::TypeInto(window(), "编辑框2", "0");
  rt::TypeInto(window(), "编辑框3", "100");
  rt::TypeInto(window(), "编辑框4", "3");
  rt::TypeInto(window(), "编辑框5", "5");
  auto message = rt::AnswerNextMessageBox();
  rt::Click(window(), "添加武器按钮");
  ASSERT_TRUE(message->shown);
  EXPECT_EQ(message->text, "中毒几率未填写");
  EXPECT_EQ(Boxes(), (WeaponEntry{"木剑", "", "100", "3", "5"}));
  EXPECT_EQ(Table().RowCount(), 0);
}

TEST_F(MainWindowTest, AddWithOnTopUncheckedLeavesItOff) {
  rt::Click(window(), "选择框1");
  SetBoxes({"木剑", "50", "100", "3", "5"});
  rt::Click(window(), "添加武器按钮");
  EXPECT_FALSE(window().AlwaysOnTop());
  EXPECT_FALSE(rt::PeerStaysOnTop(window()));
}

// --- Modify -----------------------------------------------------------------------------------

TEST_F(MainWindowTest, ModifyWithoutSelectionChangesNothing) {
  PutRows(kThreeRows);
  SetBoxes({"x", "1", "2", "3", "4"});
  window().Get("修改武器按钮").SetDisabled(false);
  SetOperationStatus(window(), OperationStatus::Busy);
  rt::Click(window(), "修改武器按钮");
  EXPECT_EQ(TableRows(), kThreeRows);
  EXPECT_TRUE(ModifyEnabled());
  EXPECT_EQ(ShownStatus(), kBusy);
}

TEST_F(MainWindowTest, ModifyWritesTheBoxesOverTheSelectedRow) {
  PutRows(kThreeRows);
  rt::ClickListRow(window(), "超级列表框1", 1);
  rt::TypeInto(window(), "编辑框3", "77");
  window().Get("编辑框1").SetText("");
  rt::Click(window(), "修改武器按钮");
  const WeaponEntry changed = {"", "20", "77", "", ""};
  EXPECT_EQ(TableRows(), (Rows{kThreeRows[0], changed, kThreeRows[2]}));
  EXPECT_EQ(Table().SelectedRow(), 1);
  EXPECT_EQ(Boxes(), changed);
  EXPECT_FALSE(ModifyEnabled());
  EXPECT_EQ(ShownStatus(), kSuccess);
  EXPECT_TRUE(window().AlwaysOnTop());
}

// --- Delete -----------------------------------------------------------------------------------

TEST_F(MainWindowTest, DeleteSelectedDeletesTheRightClickedRow) {
  PutRows(kThreeRows);
  rt::ClickListRow(window(), "超级列表框1", 0);
  SetOperationStatus(window(), OperationStatus::Success);
  auto menu = rt::ChooseNextPopupItem("删除选中");
  rt::ClickListRow(window(), "超级列表框1", 1, rt::Button::Right);
  ASSERT_TRUE(menu->shown);
  EXPECT_EQ(TableRows(), (Rows{kThreeRows[0], kThreeRows[2]}));
  EXPECT_EQ(Boxes(), kThreeRows[0]);
  EXPECT_TRUE(ModifyEnabled());
  EXPECT_EQ(ShownStatus(), kSuccess);
}

TEST_F(MainWindowTest, DeleteSelectedWithoutSelectionDoesNothing) {
  PutRows(kThreeRows);
  rt::ClickListRow(window(), "超级列表框1", 0);
  auto menu = rt::ChooseNextPopupItem("删除选中");
  rt::ClickListEmptySpace(window(), "超级列表框1", rt::Button::Right);
  ASSERT_TRUE(menu->shown);
  EXPECT_EQ(Table().SelectedRow(), -1);
  EXPECT_EQ(TableRows(), kThreeRows);
}

TEST_F(MainWindowTest, DeleteSelectedChosenWithTheRightButton) {
  PutRows(kThreeRows);
  auto menu = rt::ChooseNextPopupItem("删除选中", rt::Button::Right);
  rt::ClickListRow(window(), "超级列表框1", 2, rt::Button::Right);
  ASSERT_TRUE(menu->shown);
  EXPECT_EQ(TableRows(), (Rows{kThreeRows[0], kThreeRows[1]}));
}

TEST_F(MainWindowTest, DeleteAllEmptiesTheTableAndNothingElse) {
  PutRows(kThreeRows);
  rt::ClickListRow(window(), "超级列表框1", 1);
  SetOperationStatus(window(), OperationStatus::Success);
  for (int round = 0; round < 2; ++round) {  // the second on an empty table
    SCOPED_TRACE(round);
    auto menu = rt::ChooseNextPopupItem("全部删除");
    rt::ClickListEmptySpace(window(), "超级列表框1", rt::Button::Right);
    ASSERT_TRUE(menu->shown);
    EXPECT_EQ(Table().RowCount(), 0);
    EXPECT_EQ(Boxes(), kThreeRows[1]);
    EXPECT_TRUE(ModifyEnabled());
    EXPECT_EQ(ShownStatus(), kSuccess);
  }
}

}  // namespace
}  // namespace editor::test
