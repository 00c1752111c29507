// Clicked on buttons and check boxes, the popup menu with its items chosen by either mouse
// button, and the order of an integer box's rewrite and a button's click.
#include <string>
#include <vector>

#include "tests/platform/runtime/TestWindow.h"

namespace runtime::test {
namespace {

struct Log {
  std::vector<std::string> events;
};

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
FormSpec EventsForm(Log& log) {
  FormSpec form = SmallForm(389, 300);
  // clang-format off
  form.controls = {
    {.name = "编辑框2", .kind = ControlKind::EditBox, .left = 10, .top = 10, .width = 90, .height = 24, .input = InputKind::Integer},
    {.name = "添加武器按钮", .kind = ControlKind::PushButton, .left = 110, .top = 10, .width = 60, .height = 24, .text = "添加武器"},
    {.name = "选择框1", .kind = ControlKind::CheckBox, .left = 180, .top = 10, .width = 60, .height = 24, .text = "置顶", .checked = true},
    {.name = "超级列表框1", .kind = ControlKind::ListView, .left = 0, .top = 50, .width = 384, .height = 150, .columns = {{"武器名称", 100, Align::Left}}},
  };
  // clang-format on
  form.menus = {{"菜单", {"导入数据", "删除选中", "全部删除"}}};
  auto note = [&log](std::string what) {
    return [&log, what](Window&) { log.events.push_back(what); };
  };
  form.bindings = {
      {Event::Clicked, "添加武器按钮",
       [&log](Window& window) {
         log.events.push_back("clicked " + window.Get("编辑框2").GetText());
       }},
      {Event::Clicked, "选择框1",
       [&log](Window& window) {
         log.events.push_back(window.Get("选择框1").Checked() ? "checked" : "unchecked");
       }},
      {Event::ListRightClick, "超级列表框1",
       [&log](Window& window) {
         log.events.push_back("menu");
         window.ShowPopupMenu("菜单");
         log.events.push_back("menu closed");
       }},
      {Event::MenuItem, "导入数据", note("导入数据")},
      {Event::MenuItem, "删除选中", note("删除选中")},
      {Event::MenuItem, "全部删除", note("全部删除")},
  };
  return form;
}
#pragma GCC diagnostic pop

class EventsTest : public RuntimeTest {};

TEST_F(EventsTest, ButtonClickRunsItsBindingOnce) {
  Log log;
  LoadedWindow window(EventsForm(log));
  ASSERT_TRUE(window);
  Click(*window, "添加武器按钮");
  Click(*window, "添加武器按钮");
  EXPECT_EQ(log.events, (std::vector<std::string>{"clicked ", "clicked "}));
}

TEST_F(EventsTest, CheckBoxHasItsNewStateWhenTheBindingRuns) {
  Log log;
  LoadedWindow window(EventsForm(log));
  ASSERT_TRUE(window);
  Click(*window, "选择框1");
  Click(*window, "选择框1");
  window->Get("选择框1").SetChecked(false);  // no binding for a state set by the system
  EXPECT_EQ(log.events, (std::vector<std::string>{"unchecked", "checked"}));
}

TEST_F(EventsTest, AButtonClickFindsTheIntegerBoxAlreadyRewritten) {
  Log log;
  LoadedWindow window(EventsForm(log));
  ASSERT_TRUE(window);
  if (!ActivateWindow(*window)) GTEST_SKIP() << "the platform gives no window the focus";
  TypeInto(*window, "编辑框2", "007");
  Click(*window, "添加武器按钮");
  window->Get("编辑框2").SetText("");
  TypeInto(*window, "编辑框2", "0");
  Click(*window, "添加武器按钮");
  EXPECT_EQ(log.events, (std::vector<std::string>{"clicked 7", "clicked "}));
}

TEST_F(EventsTest, PopupMenuItemChosenRunsItsBinding) {
  struct Case {
    const char* item;
    Button button;
  };
  for (const Case& c : {Case{"删除选中", Button::Left}, Case{"全部删除", Button::Right},
                        Case{"导入数据", Button::Left}}) {
    SCOPED_TRACE(c.item);
    Log log;
    LoadedWindow window(EventsForm(log));
    ASSERT_TRUE(window);
    auto menu = ChooseNextPopupItem(c.item, c.button);
    ClickListEmptySpace(*window, "超级列表框1", Button::Right);
    ASSERT_TRUE(WaitUntil([&] { return log.events.size() >= 3; }, 3000));
    EXPECT_TRUE(menu->shown);
    EXPECT_EQ(menu->items, (std::vector<std::string>{"导入数据", "删除选中", "全部删除"}));
    EXPECT_EQ(menu->left, menu->cursorX + 3);
    EXPECT_EQ(menu->top, menu->cursorY + 3);
    EXPECT_TRUE(menu->ownedByWindow);
    // The chosen item's binding runs before ShowPopupMenu returns.
    EXPECT_EQ(log.events, (std::vector<std::string>{"menu", c.item, "menu closed"}));
  }
}

TEST_F(EventsTest, PopupMenuClosedWithoutAChoiceRunsNothing) {
  Log log;
  LoadedWindow window(EventsForm(log));
  ASSERT_TRUE(window);
  auto menu = ChooseNextPopupItem("");
  ClickListEmptySpace(*window, "超级列表框1", Button::Right);
  ASSERT_TRUE(WaitUntil([&] { return log.events.size() >= 2; }, 3000));
  ProcessEvents(20);
  EXPECT_TRUE(menu->shown);
  EXPECT_EQ(log.events, (std::vector<std::string>{"menu", "menu closed"}));
}

}  // namespace
}  // namespace runtime::test
