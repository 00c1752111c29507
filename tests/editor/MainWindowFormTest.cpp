// The main window as it opens: its settings, every control's place, text and state read back
// through the runtime and through the Qt widgets, the help text, the weapon table's columns, the
// status bar, the popup menu, the always-on-top check box, Esc and the close button.
#include <string>
#include <string_view>
#include <vector>

#include "editor/HelpText.h"
#include "editor/InitialSetUp.h"
#include "editor/OperationStatus.h"
#include "platform/runtime/Runtime.h"
#include "tests/editor/MainWindowHarness.h"
#include "tests/editor/WindowProbe.h"
#include "tests/support/runtime/RuntimeTestSupport.h"

namespace editor::test {
namespace {

namespace rt = runtime::test;
using runtime::ControlKind;

// Texts whose GBK bytes are spelt out, so that a wrong execution character set shows.
TEST_F(MainWindowTest, TextsAreGbkBytes) {
  EXPECT_EQ(window().Get("标签1").GetText(),
            "\xCE\xE4\xC6\xF7\xC3\xFB\xB3\xC6\xA3\xBA");  // 武器名称：
  EXPECT_EQ(rt::ShownText(window(), "标签1"), "\xCE\xE4\xC6\xF7\xC3\xFB\xB3\xC6\xA3\xBA");
  EXPECT_EQ(FrameOf(window()).caption.substr(0, 8),
            "\xC9\xDF\xD1\xC0\xB9\xA4\xB7\xBB");                                    // 蛇牙工坊
  EXPECT_EQ(rt::ShownText(window(), "按钮1"), "\xB9\xD8\xB1\xD5\xC8\xED\xBC\xFE");  // 关闭软件
  EXPECT_EQ(HelpText().substr(0, 2), "\xA1\xF9");                                   // ※
  EXPECT_EQ(rt::ShownColumnTitle(window(), "超级列表框1", 1),
            "\xD6\xD0\xB6\xBE\xBB\xFA\xC2\xCA");  // 中毒机率
}

TEST_F(MainWindowTest, WindowSettings) {
  const PeerFrame frame = FrameOf(window());
  EXPECT_EQ(frame.caption, "蛇牙工坊_KRV引擎【兼容ORLA】V1.1");
  EXPECT_TRUE(frame.minimizeBox);
  EXPECT_FALSE(frame.maximizeBox);
  EXPECT_TRUE(frame.closeBox);
  EXPECT_TRUE(frame.fixedSize);
  EXPECT_TRUE(frame.taskbar);
  EXPECT_EQ(window().GetBorder(), runtime::Border::FixedSingle);
  EXPECT_EQ(window().Width(), 389);
  EXPECT_EQ(window().Height(), 463);
  const ScreenSize screen = PrimaryScreenSize();
  EXPECT_EQ(window().Left(), (screen.width - 389) / 2);
  EXPECT_EQ(window().Top(), (screen.height - 463) / 2);
  EXPECT_TRUE(window().Visible());
  EXPECT_EQ(rt::BackgroundOf(window(), "超级列表框1"), runtime::kBlack);
}

// A text as a multi-line box shows it: each CR LF a single line break.
std::string ShownForm(std::string text) {
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
    text.erase(at, 1);
  }
  return text;
}

struct ControlRow {
  std::string_view name;
  ControlKind kind;
  rt::Place place;  // in the parent: the window's client area or the group box
  std::string text;
  bool enabled;
  bool shown;
};

// The control table as the window must show it once created.
const std::vector<ControlRow>& ExpectedControls() {
  static const std::vector<ControlRow> rows = {
      {"分组框1", ControlKind::GroupBox, {0, 2, 382, 120}, "蛇牙参数", true, true},
      {"标签1", ControlKind::Label, {16, 24, 56, 24}, "武器名称：", true, true},
      {"编辑框1", ControlKind::EditBox, {88, 24, 90, 24}, "", true, true},
      {"标签2", ControlKind::Label, {200, 24, 56, 24}, "中毒机率：", true, true},
      {"编辑框2", ControlKind::EditBox, {272, 24, 90, 24}, "", true, true},
      {"标签3", ControlKind::Label, {16, 56, 56, 24}, "掉血数值：", true, true},
      {"编辑框3", ControlKind::EditBox, {88, 56, 90, 24}, "", true, true},
      {"标签5", ControlKind::Label, {200, 56, 56, 24}, "基本时间：", true, true},
      {"编辑框4", ControlKind::EditBox, {272, 56, 90, 24}, "", true, true},
      {"标签4", ControlKind::Label, {16, 88, 56, 24}, "扩展时间：", true, true},
      {"编辑框5", ControlKind::EditBox, {88, 88, 90, 24}, "", true, true},
      {"添加武器按钮", ControlKind::PushButton, {184, 90, 60, 24}, "添加武器", true, true},
      {"修改武器按钮", ControlKind::PushButton, {250, 90, 60, 24}, "修改武器", false, true},
      {"保存文件按钮", ControlKind::PushButton, {317, 90, 60, 24}, "导出文本", true, true},
      {"编辑框6", ControlKind::EditBox, {1, 123, 64, 24}, "操作状态：", true, true},
      {"等待数据标签", ControlKind::EditBox, {70, 123, 74, 24}, "等待操作...", true, true},
      {"正在数据标签", ControlKind::EditBox, {70, 123, 74, 24}, "正在操作...", true, false},
      {"成功数据标签", ControlKind::EditBox, {70, 123, 74, 24}, "操作成功...", true, false},
      {"选择框1", ControlKind::CheckBox, {149, 124, 44, 24}, "置顶", true, true},
      {"打开文本按钮", ControlKind::PushButton, {196, 123, 92, 24}, "打开文本", true, true},
      {"按钮1", ControlKind::PushButton, {290, 123, 92, 24}, "关闭软件", true, true},
      {"超级列表框1", ControlKind::ListView, {0, 147, 384, 150}, "", true, true},
      {"分组框2", ControlKind::GroupBox, {1, 297, 382, 113}, "帮助说明", true, true},
      {"编辑框7", ControlKind::EditBox, {7, 14, 368, 96}, std::string(HelpText()), false, true},
  };
  return rows;
}

TEST_F(MainWindowTest, ControlsThroughRuntimeAndWidgets) {
  for (const ControlRow& row : ExpectedControls()) {
    SCOPED_TRACE(std::string(row.name));
    runtime::Control& control = window().Get(row.name);
    EXPECT_EQ(control.Kind(), row.kind);
    EXPECT_EQ((rt::Place{control.Left(), control.Top(), control.Width(), control.Height()}),
              row.place);
    EXPECT_EQ(rt::WidgetPlace(window(), row.name), row.place);
    EXPECT_EQ(control.GetText(), row.text);
    // A multi-line box shows its CR LF line breaks as single breaks.
    if (row.kind != ControlKind::ListView) {
      EXPECT_EQ(rt::ShownText(window(), row.name), ShownForm(row.text));
    }
    EXPECT_EQ(!control.Disabled(), row.enabled);
    EXPECT_EQ(rt::WidgetEnabled(window(), row.name), row.enabled);
    EXPECT_EQ(control.Visible(), row.shown);
    EXPECT_EQ(rt::WidgetShown(window(), row.name), row.shown);
  }
}

TEST_F(MainWindowTest, GroupBoxChildrenSitInTheirGroupBox) {
  // 编辑框2 at (272, 24) inside 分组框1 at (0, 2); 编辑框7 at (7, 14) inside 分组框2 at (1, 297).
  const rt::Place box2 = rt::PlaceInClientArea(window(), "编辑框2");
  const rt::Place box7 = rt::PlaceInClientArea(window(), "编辑框7");
  const rt::Place group1 = rt::PlaceInClientArea(window(), "分组框1");
  const rt::Place group2 = rt::PlaceInClientArea(window(), "分组框2");
  EXPECT_EQ(box2.left - group1.left, 272);
  EXPECT_EQ(box2.top - group1.top, 24);
  EXPECT_EQ(box7.left - group2.left, 7);
  EXPECT_EQ(box7.top - group2.top, 14);
  EXPECT_EQ(group1, (rt::Place{0, 2, 382, 120}));
  EXPECT_EQ(group2, (rt::Place{1, 297, 382, 113}));
}

TEST_F(MainWindowTest, Colours) {
  const struct {
    std::string_view name;
    runtime::Rgb text;
  } rows[] = {
      {"标签1", {0, 255, 0}},
      {"编辑框1", {0, 255, 0}},
      {"标签2", {128, 0, 0}},
      {"编辑框2", {128, 0, 0}},
      {"编辑框3", {255, 0, 255}},
      {"编辑框4", {128, 128, 255}},
      {"编辑框5", {0, 255, 255}},
      {"编辑框6", {255, 0, 0}},
      {"等待数据标签", {255, 255, 255}},
      {"正在数据标签", {255, 255, 0}},
      {"成功数据标签", {0, 255, 0}},
      {"选择框1", {255, 128, 0}},
      {"超级列表框1", {255, 255, 0}},
      {"编辑框7", {96, 96, 96}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.name));
    EXPECT_EQ(rt::TextColourOf(window(), row.name), row.text);
    EXPECT_EQ(rt::BackgroundOf(window(), row.name), runtime::kBlack);
  }
}

TEST_F(MainWindowTest, HelpTextByteForByte) {
  std::string expected;
  const std::vector<std::string> lines = {
      "※文件路径：\\Mir200\\Envir\\UserData\\PoisonWeapon.txt",
      "◆中毒几率：设置为50就是一刀下去50%的概率发生中毒现象。",
      "◆掉血数值：设置为100就是中毒每秒扣100点HP值。",
      "◆基本时间：设置为3就是3秒钟。",
      "◆扩展时间：设置为5那么它的值就是1-5之间的随机值。",
      "◆中毒时间：持续时间=基本时间+扩展时间所产生的随机值",
      "【武器名称】【中毒几率】【掉血数值】【基本时间】【扩展时间】",
      " 例：木剑" + std::string(8, ' ') + "50" + std::string(9, ' ') + "100" +
          std::string(10, ' ') + "3" + std::string(11, ' ') + "5",
  };
  for (std::size_t i = 0; i < lines.size(); ++i) expected += (i ? "\r\n" : "") + lines[i];
  EXPECT_EQ(HelpText(), expected);
  EXPECT_EQ(window().Get("编辑框7").GetText(), expected);
  EXPECT_EQ(rt::ShownText(window(), "编辑框7"), ShownForm(expected));
  EXPECT_NE(HelpText().substr(HelpText().size() - 2), "\r\n");
  // The last line in bytes: " 例：木剑" is 20 C0 FD A3 BA C4 BE BD A3.
  EXPECT_EQ(HelpText().substr(HelpText().rfind("\r\n") + 2, 9),
            "\x20\xC0\xFD\xA3\xBA\xC4\xBE\xBD\xA3");
  EXPECT_FALSE(rt::WidgetEnabled(window(), "编辑框7"));
}

TEST_F(MainWindowTest, WeaponTableColumns) {
  const struct {
    std::string title;
    int width;
  } columns[] = {
      {"武器名称", 100}, {"中毒机率", 70}, {"掉血数值", 70}, {"基本时间", 70}, {"扩展时间", 70}};
  EXPECT_EQ(Table().ColumnCount(), 5);
  for (int k = 0; k < 5; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(rt::ShownColumnTitle(window(), "超级列表框1", k), columns[k].title);
    EXPECT_EQ(rt::ShownColumnWidth(window(), "超级列表框1", k), columns[k].width);
  }
  EXPECT_EQ(Table().RowCount(), 0);
  EXPECT_EQ(Table().SelectedRow(), -1);
}

TEST_F(MainWindowTest, StatusBarPanels) {
  const std::vector<std::string> texts = {"软件制作：", "",           "联系QQ：",
                                          "",           "软件说明：", "软件支持右键操作!"};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(rt::ShownPanelText(window(), "状态条1", i), texts[static_cast<std::size_t>(i)]);
  }
  EXPECT_EQ(PanelWidths(window(), "状态条1"), (std::vector<int>{60, 40, 50, 60, 60, 150}));
  // Docked along the bottom of the client area.
  const rt::Place client = rt::ClientAreaPlace(window());
  const rt::Place bar = rt::PlaceInClientArea(window(), "状态条1");
  EXPECT_EQ(bar.top + bar.height, client.height);
  EXPECT_EQ(bar.left, 0);
  EXPECT_EQ(bar.height, 20);
}

TEST_F(MainWindowTest, InitialState) {
  EXPECT_EQ(TableRows(), Rows{});
  EXPECT_EQ(Boxes(), WeaponEntry{});
  EXPECT_FALSE(ModifyEnabled());
  for (std::string_view button : {"添加武器按钮", "保存文件按钮", "打开文本按钮", "按钮1"}) {
    EXPECT_TRUE(rt::WidgetEnabled(window(), button)) << button;
  }
  EXPECT_EQ(ShownStatus(), kWaiting);
  EXPECT_TRUE(window().Get("选择框1").Checked());
  EXPECT_TRUE(window().AlwaysOnTop());
  EXPECT_TRUE(rt::PeerStaysOnTop(window()));
  EXPECT_FALSE(window().Get("超级编辑框1").Visible());
  EXPECT_EQ(TextBuffer(), "");
}

// The created handler brings any state back to the opening one.
TEST_F(MainWindowTest, InitialSetUpResetsTheWindow) {
  PutRows({{"木剑", "50", "100", "3", "5"}});
  SetBoxes({"a", "1", "2", "3", "4"});
  window().Get("修改武器按钮").SetDisabled(false);
  for (std::string_view name : {kWaiting, kBusy, kSuccess}) window().Get(name).SetVisible(true);
  window().SetAlwaysOnTop(false);
  InitialSetUp(window());
  EXPECT_EQ(TableRows(), Rows{});
  EXPECT_EQ(Boxes(), WeaponEntry{});
  EXPECT_FALSE(ModifyEnabled());
  EXPECT_EQ(ShownStatus(), kWaiting);
  EXPECT_TRUE(window().AlwaysOnTop());
}

TEST_F(MainWindowTest, OperationStatusShowsOneBox) {
  const struct {
    OperationStatus status;
    std::string_view box;
  } rows[] = {{OperationStatus::Busy, kBusy},
              {OperationStatus::Success, kSuccess},
              {OperationStatus::Waiting, kWaiting},
              {OperationStatus::Success, kSuccess},
              {OperationStatus::Busy, kBusy}};
  for (const auto& row : rows) {
    SetOperationStatus(window(), row.status);
    EXPECT_EQ(ShownStatus(), row.box);
  }
}

TEST_F(MainWindowTest, OnTopFollowsTheCheckBox) {
  rt::Click(window(), "选择框1");
  EXPECT_FALSE(window().Get("选择框1").Checked());
  EXPECT_FALSE(window().AlwaysOnTop());
  EXPECT_FALSE(rt::PeerStaysOnTop(window()));
  rt::Click(window(), "选择框1");
  EXPECT_TRUE(window().Get("选择框1").Checked());
  EXPECT_TRUE(window().AlwaysOnTop());
  EXPECT_TRUE(rt::PeerStaysOnTop(window()));
}

TEST_F(MainWindowTest, RightClickOpensTheMenu) {
  auto menu = rt::ChooseNextPopupItem("");
  rt::ClickListEmptySpace(window(), "超级列表框1", rt::Button::Right);
  ASSERT_TRUE(menu->shown);
  EXPECT_EQ(menu->items, (std::vector<std::string>{"导入数据", "删除选中", "全部删除"}));
  EXPECT_EQ(menu->left, menu->cursorX + 3);
  EXPECT_EQ(menu->top, menu->cursorY + 3);
  EXPECT_TRUE(menu->ownedByWindow);
}

TEST_F(MainWindowTest, EscClosesAtOnce) {
  rt::PressKey(window(), "", rt::Key::Escape);
  EXPECT_TRUE(rt::WaitUntil([this] { return WindowGone(); }));
}

TEST_F(MainWindowTest, CloseButtonDestroysByDefault) {
  rt::Click(window(), "按钮1");
  EXPECT_TRUE(rt::WaitUntil([this] { return WindowGone(); }));
}

class CloseButtonTest : public MainWindowTest {
 protected:
  MainWindowOptions Options() override {
    return {[this](runtime::Window& closing) {
      ++calls_;
      closedHandle_ = closing.Handle();
      closing.RequestDestroy();
    }};
  }
  int calls_{0};
  win32::HWND closedHandle_{nullptr};
};

TEST_F(CloseButtonTest, RunsTheApplicationsAction) {
  rt::Click(window(), "按钮1");
  EXPECT_EQ(calls_, 1);
  EXPECT_EQ(closedHandle_, handle_);
  EXPECT_TRUE(rt::WaitUntil([this] { return WindowGone(); }));
}

}  // namespace
}  // namespace editor::test
