// The weapon table's list view: rows of exact bytes, the selection through row operations, and
// real mouse clicks on rows and on empty space, left and right.
#include <string>
#include <string_view>
#include <vector>

#include "tests/platform/runtime/TestWindow.h"

namespace runtime::test {
namespace {

struct ClickLog {
  std::vector<std::string> events;  // "left 1", "right -1": the event and the selection it saw
};

FormSpec ListForm(ClickLog& log) {
  FormSpec form = SmallForm(389, 300);
  ControlSpec list;
  list.name = "超级列表框1";
  list.kind = ControlKind::ListView;
  list.left = 0;
  list.top = 10;
  list.width = 384;
  list.height = 150;
  list.textColor = Rgb{255, 255, 0};
  list.columns = {{"武器名称", 100, Align::Left},
                  {"中毒机率", 70, Align::Center},
                  {"掉血数值", 70, Align::Center}};
  ControlSpec box;
  box.name = "编辑框1";
  box.kind = ControlKind::EditBox;
  box.left = 10;
  box.top = 200;
  box.width = 90;
  box.height = 24;
  form.controls = {list, box};
  auto record = [&log](const char* what) {
    return [&log, what](Window& window) {
      log.events.push_back(std::string(what) + " " +
                           std::to_string(window.List("超级列表框1").SelectedRow()));
    };
  };
  form.bindings = {{Event::ListLeftClick, "超级列表框1", record("left")},
                   {Event::ListRightClick, "超级列表框1", record("right")}};
  return form;
}

void FillRows(ListView& list, int count) {
  for (int i = 0; i < count; ++i) {
    const int row = list.AppendRow();
    list.SetCell(row, 0, "武器" + std::to_string(i));
    list.SetCell(row, 1, std::to_string(i * 10));
  }
}

class ListViewTest : public RuntimeTest {};

TEST_F(ListViewTest, CellsAreTheExactBytesWritten) {
  ClickLog log;
  LoadedWindow window(ListForm(log));
  ASSERT_TRUE(window);
  ListView& list = window->List("超级列表框1");
  EXPECT_EQ(list.AppendRow(), 0);
  EXPECT_EQ(list.AppendRow(), 1);
  const std::string cells[] = {
      "木剑",    "", "\xff\xfe\x80", "名\xb0", std::string(300, 'x'), std::string("a\0b", 3),
      "中\r\n文"};
  for (const std::string& cell : cells) {
    list.SetCell(1, 2, cell);
    EXPECT_EQ(list.Cell(1, 2), cell);
    EXPECT_EQ(list.Cell(1, 0), "");
    EXPECT_EQ(list.Cell(0, 2), "");
  }
  list.SetCell(0, 0, "青铜剑");
  EXPECT_EQ(ShownCell(*window, "超级列表框1", 0, 0), "青铜剑");
  // Outside the table: empty reads, writes change nothing.
  list.SetCell(2, 0, "x");
  list.SetCell(0, 3, "x");
  list.SetCell(-1, 0, "x");
  EXPECT_EQ(list.RowCount(), 2);
  EXPECT_EQ(list.Cell(2, 0), "");
  EXPECT_EQ(list.Cell(0, 3), "");
  EXPECT_EQ(list.Cell(-1, -1), "");
}

TEST_F(ListViewTest, RowOperationsKeepTheSelectedEntry) {
  ClickLog log;
  LoadedWindow window(ListForm(log));
  ASSERT_TRUE(window);
  ListView& list = window->List("超级列表框1");
  FillRows(list, 3);
  EXPECT_EQ(list.SelectedRow(), -1);
  list.SelectRow(1);
  EXPECT_EQ(list.SelectedRow(), 1);
  list.InsertRow(0, "屠龙");
  EXPECT_EQ(list.RowCount(), 4);
  EXPECT_EQ(list.Cell(0, 0), "屠龙");
  EXPECT_EQ(list.Cell(0, 1), "");
  EXPECT_EQ(list.SelectedRow(), 2);
  EXPECT_EQ(list.Cell(2, 0), "武器1");
  list.InsertRow(3, "末尾前");  // below the selection: it stays
  EXPECT_EQ(list.SelectedRow(), 2);
  list.InsertRow(99, "最后");  // past the end: appended
  EXPECT_EQ(list.Cell(list.RowCount() - 1, 0), "最后");
  list.DeleteRow(0);
  EXPECT_EQ(list.SelectedRow(), 1);
  EXPECT_EQ(list.Cell(1, 0), "武器1");
  list.DeleteRow(1);
  EXPECT_EQ(list.SelectedRow(), -1);
  list.DeleteRow(42);
  EXPECT_EQ(list.RowCount(), 4);
  list.SelectRow(-1);
  EXPECT_EQ(list.SelectedRow(), -1);
  list.DeleteAllRows();
  EXPECT_EQ(list.RowCount(), 0);
  list.DeleteAllRows();
  EXPECT_EQ(list.RowCount(), 0);
}

TEST_F(ListViewTest, ReplaceRowsTakesCellsRowAfterRowAndSelectsNothing) {
  ClickLog log;
  LoadedWindow window(ListForm(log));
  ASSERT_TRUE(window);
  ListView& list = window->List("超级列表框1");
  FillRows(list, 5);
  list.SelectRow(2);
  const std::string_view cells[] = {"木剑", "50", "100", "炼狱", "\xff", "", "半行"};
  list.ReplaceRows(cells);
  EXPECT_EQ(list.RowCount(), 3);
  EXPECT_EQ(list.SelectedRow(), -1);
  EXPECT_EQ(list.Cell(0, 2), "100");
  EXPECT_EQ(list.Cell(1, 0), "炼狱");
  EXPECT_EQ(list.Cell(1, 1), "\xff");
  EXPECT_EQ(list.Cell(2, 0), "半行");
  EXPECT_EQ(list.Cell(2, 1), "");
  list.ReplaceRows({});
  EXPECT_EQ(list.RowCount(), 0);
}

TEST_F(ListViewTest, LeftClickSelectsTheRowThenRunsTheHandler) {
  ClickLog log;
  LoadedWindow window(ListForm(log));
  ASSERT_TRUE(window);
  ListView& list = window->List("超级列表框1");
  FillRows(list, 3);
  ClickListRow(*window, "超级列表框1", 1);
  ClickListRow(*window, "超级列表框1", 2);
  // Empty space: the selection is cleared before the handler runs.
  ClickListEmptySpace(*window, "超级列表框1");
  EXPECT_EQ(log.events, (std::vector<std::string>{"left 1", "left 2", "left -1"}));
  EXPECT_EQ(list.SelectedRow(), -1);
}

TEST_F(ListViewTest, RightClickSelectsTheRowUnderTheCursorFirst) {
  ClickLog log;
  LoadedWindow window(ListForm(log));
  ASSERT_TRUE(window);
  ListView& list = window->List("超级列表框1");
  FillRows(list, 3);
  list.SelectRow(0);
  ClickListRow(*window, "超级列表框1", 2, Button::Right);
  EXPECT_EQ(list.SelectedRow(), 2);
  ClickListEmptySpace(*window, "超级列表框1", Button::Right);
  EXPECT_EQ(list.SelectedRow(), -1);
  EXPECT_EQ(log.events, (std::vector<std::string>{"right 2", "right -1"}));
}

TEST_F(ListViewTest, ClicksOnAnEmptyListRunTheHandlers) {
  ClickLog log;
  LoadedWindow window(ListForm(log));
  ASSERT_TRUE(window);
  ClickListEmptySpace(*window, "超级列表框1");
  ClickListEmptySpace(*window, "超级列表框1", Button::Right);
  EXPECT_EQ(log.events, (std::vector<std::string>{"left -1", "right -1"}));
}

TEST_F(ListViewTest, KeyboardMovesOfTheSelectionRunNothing) {
  ClickLog log;
  LoadedWindow window(ListForm(log));
  ASSERT_TRUE(window);
  ListView& list = window->List("超级列表框1");
  FillRows(list, 3);
  ClickListRow(*window, "超级列表框1", 0);
  ASSERT_EQ(log.events.size(), 1u);
  PressDownArrow(*window, "超级列表框1");
  EXPECT_EQ(list.SelectedRow(), 1);
  EXPECT_EQ(log.events.size(), 1u);
}

}  // namespace
}  // namespace runtime::test
