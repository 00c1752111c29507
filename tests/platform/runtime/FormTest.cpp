// A small form built from a table and read back through the runtime and through its Qt widgets:
// the window's place and styles, texts as bytes, control places, states, list columns, the
// status bar and colours.
#include <string>
#include <vector>

#include "platform/win32/Window.h"
#include "tests/platform/runtime/TestWindow.h"

namespace runtime::test {
namespace {

constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kYellow{255, 255, 0};

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
FormSpec ControlsForm() {
  FormSpec form = SmallForm(389, 463);
  // clang-format off
  form.controls = {
    {.name = "分组框1", .kind = ControlKind::GroupBox, .left = 0, .top = 2, .width = 382, .height = 120, .text = "蛇牙参数", .textColor = kRed, .backColor = kBlack, .align = Align::Left},
    {.name = "标签1", .kind = ControlKind::Label, .parent = "分组框1", .left = 16, .top = 24, .width = 56, .height = 24, .text = "武器名称：", .textColor = kGreen, .align = Align::Left},
    {.name = "编辑框1", .kind = ControlKind::EditBox, .parent = "分组框1", .left = 88, .top = 24, .width = 90, .height = 24, .textColor = kGreen, .backColor = kBlack},
    {.name = "添加武器按钮", .kind = ControlKind::PushButton, .parent = "分组框1", .left = 184, .top = 90, .width = 60, .height = 24, .text = "添加武器"},
    {.name = "超级编辑框1", .kind = ControlKind::RichEdit, .parent = "分组框1", .left = 8, .top = 38, .width = 24, .height = 24, .multiline = true, .visible = false},
    {.name = "等待数据标签", .kind = ControlKind::EditBox, .left = 70, .top = 123, .width = 74, .height = 24, .text = "等待操作...", .textColor = Rgb{255, 255, 255}, .backColor = kBlack, .input = InputKind::ReadOnly},
    {.name = "选择框1", .kind = ControlKind::CheckBox, .left = 149, .top = 124, .width = 44, .height = 24, .text = "置顶", .textColor = Rgb{255, 128, 0}, .backColor = kBlack, .align = Align::Left, .checked = true},
    {.name = "超级列表框1", .kind = ControlKind::ListView, .left = 0, .top = 147, .width = 384, .height = 150, .textColor = kYellow, .backColor = kBlack,
     .columns = {{"武器名称", 100, Align::Left}, {"中毒机率", 70, Align::Center}, {"掉血数值", 70, Align::Center}}},
    {.name = "编辑框7", .kind = ControlKind::EditBox, .left = 7, .top = 300, .width = 368, .height = 96, .text = "第一行\r\n第二行", .textColor = Rgb{96, 96, 96}, .backColor = kBlack, .align = Align::Left, .multiline = true, .border = false, .disabled = true},
    {.name = "状态条1", .kind = ControlKind::StatusBar, .left = 0, .top = 411, .width = 383, .height = 20, .panels = {{60, "软件制作："}, {40, ""}, {150, "软件支持右键操作!"}}},
    {.name = "通用对话框1", .kind = ControlKind::FileDialog, .text = "*.txt"},
    {.name = "时钟1", .kind = ControlKind::Timer},
  };
  // clang-format on
  return form;
}
#pragma GCC diagnostic pop

class FormTest : public RuntimeTest {};

TEST_F(FormTest, WindowIsCentredOnThePrimaryScreenWithItsOuterSize) {
  const int screenWidth = win32::GetSystemMetrics(win32::SM_CXSCREEN);
  const int screenHeight = win32::GetSystemMetrics(win32::SM_CYSCREEN);
  struct Size {
    int width;
    int height;
  };
  // The last one is larger than the screen: the centring gives negative coordinates.
  for (Size size : {Size{389, 463}, Size{495, 331}, Size{300, 201},
                    Size{screenWidth + 201, screenHeight + 101}}) {
    SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
    LoadedWindow window(SmallForm(size.width, size.height));
    ASSERT_TRUE(window);
    EXPECT_EQ(window->Width(), size.width);
    EXPECT_EQ(window->Height(), size.height);
    EXPECT_EQ(window->Left(), (screenWidth - size.width) / 2);
    EXPECT_EQ(window->Top(), (screenHeight - size.height) / 2);
    EXPECT_TRUE(window->Visible());
  }
}

TEST_F(FormTest, FrameStylesFollowTheForm) {
  struct Case {
    Border border;
    bool maximizeBox;
    bool taskbar;
    win32::DWORD styleOn;
    win32::DWORD styleOff;
    win32::DWORD exOn;
    win32::DWORD exOff;
  };
  const Case cases[] = {
      {Border::FixedSingle, false, true,
       win32::WS_CAPTION | win32::WS_SYSMENU | win32::WS_MINIMIZEBOX,
       win32::WS_MAXIMIZEBOX | win32::WS_THICKFRAME | win32::WS_POPUP, 0, win32::WS_EX_TOOLWINDOW},
      {Border::FixedSingle, true, true, win32::WS_CAPTION | win32::WS_MAXIMIZEBOX, 0, 0, 0},
      {Border::None, false, false, win32::WS_POPUP, win32::WS_CAPTION, win32::WS_EX_TOOLWINDOW, 0},
  };
  for (const Case& c : cases) {
    FormSpec form = SmallForm();
    form.border = c.border;
    form.maximizeBox = c.maximizeBox;
    form.taskbar = c.taskbar;
    LoadedWindow window(form);
    ASSERT_TRUE(window);
    const auto style =
        static_cast<win32::DWORD>(win32::GetWindowLongA(window.handle(), win32::GWL_STYLE));
    const auto ex =
        static_cast<win32::DWORD>(win32::GetWindowLongA(window.handle(), win32::GWL_EXSTYLE));
    EXPECT_EQ(style & c.styleOn, c.styleOn);
    EXPECT_EQ(style & c.styleOff, 0u);
    EXPECT_EQ(ex & c.exOn, c.exOn);
    EXPECT_EQ(ex & c.exOff, 0u);
    EXPECT_EQ(window->GetBorder(), c.border);
  }
}

TEST_F(FormTest, TextsReadBackAsTheBytesWritten) {
  LoadedWindow window(ControlsForm());
  ASSERT_TRUE(window);
  const std::string texts[] = {
      "",
      "木剑",
      " ",
      "a&b <b>粗</b>",
      "\xff\xfe",        // no GBK at all
      "名\xb0",          // a lead byte without its trail byte
      "\x81\x20\xfe",    // lead bytes followed by bytes that cannot trail
      "中\r\n文\r行\n",  // line breaks of every kind
  };
  for (const char* name : {"标签1", "编辑框1", "添加武器按钮", "超级编辑框1", "等待数据标签",
                           "选择框1", "编辑框7", "分组框1"}) {
    for (const std::string& text : texts) {
      SCOPED_TRACE(std::string(name) + " <- \"" + text + "\"");
      window->Get(name).SetText(text);
      EXPECT_EQ(window->Get(name).GetText(), text);
    }
  }
  // What the widgets show is the text decoded.
  window->Get("添加武器按钮").SetText("添加武器");
  window->Get("编辑框1").SetText("青铜剑");
  window->Get("标签1").SetText("武器名称：");
  EXPECT_EQ(ShownText(*window, "编辑框1"), "青铜剑");
  EXPECT_EQ(ShownText(*window, "标签1"), "武器名称：");
  EXPECT_EQ(ShownText(*window, "添加武器按钮"), "添加武器");
}

TEST_F(FormTest, InitialTextsAndMultiLineBreaks) {
  LoadedWindow window(ControlsForm());
  ASSERT_TRUE(window);
  EXPECT_EQ(window->Get("分组框1").GetText(), "蛇牙参数");
  EXPECT_EQ(ShownText(*window, "分组框1"), "蛇牙参数");
  EXPECT_EQ(window->Get("等待数据标签").GetText(), "等待操作...");
  EXPECT_EQ(ShownText(*window, "选择框1"), "置顶");
  // CR LF is the multi-line box's line break: it shows as two lines.
  EXPECT_EQ(window->Get("编辑框7").GetText(), "第一行\r\n第二行");
  EXPECT_EQ(ShownText(*window, "编辑框7"), "第一行\n第二行");
  EXPECT_EQ(window->Dialog("通用对话框1").FileName(), "*.txt");
}

TEST_F(FormTest, ControlsArePlacedInTheirParents) {
  LoadedWindow window(ControlsForm());
  ASSERT_TRUE(window);
  struct Case {
    const char* name;
    Place inParent;
    Place inClient;
  };
  const Case cases[] = {
      {"分组框1", {0, 2, 382, 120}, {0, 2, 382, 120}},
      {"标签1", {16, 24, 56, 24}, {16, 26, 56, 24}},
      {"编辑框1", {88, 24, 90, 24}, {88, 26, 90, 24}},
      {"添加武器按钮", {184, 90, 60, 24}, {184, 92, 60, 24}},
      {"选择框1", {149, 124, 44, 24}, {149, 124, 44, 24}},
      {"超级列表框1", {0, 147, 384, 150}, {0, 147, 384, 150}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Control& control = window->Get(c.name);
    EXPECT_EQ((Place{control.Left(), control.Top(), control.Width(), control.Height()}),
              c.inParent);
    EXPECT_EQ(WidgetPlace(*window, c.name), c.inParent);
    EXPECT_EQ(PlaceInClientArea(*window, c.name), c.inClient);
  }
  Control& box = window->Get("编辑框1");
  box.SetLeft(10);
  box.SetTop(11);
  box.SetWidth(12);
  box.SetHeight(13);
  EXPECT_EQ(WidgetPlace(*window, "编辑框1"), (Place{10, 11, 12, 13}));
  // Controls without a window keep their places as values.
  Control& buffer = window->Get("超级编辑框1");
  EXPECT_EQ((Place{buffer.Left(), buffer.Top(), buffer.Width(), buffer.Height()}),
            (Place{8, 38, 24, 24}));
}

TEST_F(FormTest, VisibleAndDisabledReadBackThroughRuntimeAndWidgets) {
  LoadedWindow window(ControlsForm());
  ASSERT_TRUE(window);
  EXPECT_TRUE(window->Get("编辑框7").Disabled());
  EXPECT_FALSE(WidgetEnabled(*window, "编辑框7"));
  EXPECT_FALSE(window->Get("超级编辑框1").Visible());
  for (const char* name : {"编辑框1", "添加武器按钮", "等待数据标签", "超级列表框1"}) {
    SCOPED_TRACE(name);
    Control& control = window->Get(name);
    EXPECT_TRUE(control.Visible());
    EXPECT_TRUE(WidgetShown(*window, name));
    control.SetVisible(false);
    EXPECT_FALSE(control.Visible());
    EXPECT_FALSE(WidgetShown(*window, name));
    control.SetVisible(true);
    EXPECT_TRUE(WidgetShown(*window, name));
    EXPECT_FALSE(control.Disabled());
    control.SetDisabled(true);
    EXPECT_TRUE(control.Disabled());
    EXPECT_FALSE(WidgetEnabled(*window, name));
    control.SetDisabled(false);
    EXPECT_TRUE(WidgetEnabled(*window, name));
  }
  // A control inside a hidden group box keeps its own setting.
  window->Get("分组框1").SetVisible(false);
  EXPECT_TRUE(window->Get("编辑框1").Visible());
  EXPECT_FALSE(WidgetShown(*window, "编辑框1"));
}

TEST_F(FormTest, CheckBoxStateIsSetAndRead) {
  LoadedWindow window(ControlsForm());
  ASSERT_TRUE(window);
  Control& box = window->Get("选择框1");
  EXPECT_TRUE(box.Checked());
  box.SetChecked(false);
  EXPECT_FALSE(box.Checked());
  EXPECT_FALSE(window->Get("编辑框1").Checked());
}

TEST_F(FormTest, ListColumnsHaveTheirTitlesAndWidths) {
  LoadedWindow window(ControlsForm());
  ASSERT_TRUE(window);
  ListView& list = window->List("超级列表框1");
  EXPECT_EQ(list.ColumnCount(), 3);
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_EQ(ShownColumnTitle(*window, "超级列表框1", 0), "武器名称");
  EXPECT_EQ(ShownColumnTitle(*window, "超级列表框1", 2), "掉血数值");
  EXPECT_EQ(ShownColumnWidth(*window, "超级列表框1", 0), 100);
  EXPECT_EQ(ShownColumnWidth(*window, "超级列表框1", 1), 70);
  EXPECT_EQ(ShownColumnWidth(*window, "超级列表框1", 2), 70);
}

TEST_F(FormTest, StatusBarIsDockedAlongTheBottomWithItsPanels) {
  LoadedWindow window(ControlsForm());
  ASSERT_TRUE(window);
  const Place client = ClientAreaPlace(*window);
  const Place bar = WidgetPlace(*window, "状态条1");
  EXPECT_EQ(bar.left, 0);
  EXPECT_EQ(bar.width, client.width);
  EXPECT_EQ(bar.height, 20);
  EXPECT_EQ(bar.top + bar.height, client.height);
  EXPECT_EQ(ShownPanelText(*window, "状态条1", 0), "软件制作：");
  EXPECT_EQ(ShownPanelText(*window, "状态条1", 1), "");
  EXPECT_EQ(ShownPanelText(*window, "状态条1", 2), "软件支持右键操作!");
}

TEST_F(FormTest, ColoursAreTheForms) {
  LoadedWindow window(ControlsForm());
  ASSERT_TRUE(window);
  EXPECT_EQ(TextColourOf(*window, "编辑框1"), kGreen);
  EXPECT_EQ(BackgroundOf(*window, "编辑框1"), kBlack);
  EXPECT_EQ(TextColourOf(*window, "标签1"), kGreen);
  EXPECT_EQ(TextColourOf(*window, "分组框1"), kRed);
  EXPECT_EQ(TextColourOf(*window, "超级列表框1"), kYellow);
  EXPECT_EQ(BackgroundOf(*window, "超级列表框1"), kBlack);
  // A disabled box keeps its own grey.
  EXPECT_EQ(TextColourOf(*window, "编辑框7"), (Rgb{96, 96, 96}));
}

TEST_F(FormTest, AlwaysOnTopGoesThroughTheWindowsZBand) {
  LoadedWindow window(ControlsForm());
  ASSERT_TRUE(window);
  auto topmost = [&] {
    return (win32::GetWindowLongA(window.handle(), win32::GWL_EXSTYLE) & win32::WS_EX_TOPMOST) != 0;
  };
  EXPECT_FALSE(window->AlwaysOnTop());
  for (bool onTop : {true, false, true, false}) {
    window->SetAlwaysOnTop(onTop);
    EXPECT_EQ(window->AlwaysOnTop(), onTop);
    EXPECT_EQ(topmost(), onTop);
    EXPECT_EQ(PeerStaysOnTop(*window), onTop);
  }
}

TEST_F(FormTest, AControlWithAnUnknownParentFailsTheLoad) {
  FormSpec form = SmallForm();
  ControlSpec label;
  label.name = "标签1";
  label.kind = ControlKind::Label;
  label.parent = "分组框9";
  form.controls.push_back(label);
  EXPECT_EQ(LoadWindow(form), nullptr);
}

}  // namespace
}  // namespace runtime::test
