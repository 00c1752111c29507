#include "editor/MainWindowForm.h"

#include <string>
#include <utility>
#include <vector>

#include "editor/AddCommand.h"
#include "editor/AlwaysOnTop.h"
#include "editor/DeleteAll.h"
#include "editor/DeleteSelected.h"
#include "editor/ExportCommand.h"
#include "editor/HelpText.h"
#include "editor/InitialSetUp.h"
#include "editor/LoadCommand.h"
#include "editor/ModifyCommand.h"
#include "editor/RowPick.h"
#include "editor/WeaponFile.h"

namespace editor {

namespace {

using runtime::Align;
using runtime::ControlKind;
using runtime::ControlSpec;
using runtime::Event;
using runtime::InputKind;
using runtime::kBlack;
using runtime::Rgb;

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kMaroon{128, 0, 0};
constexpr Rgb kMagenta{255, 0, 255};
constexpr Rgb kLavender{128, 128, 255};
constexpr Rgb kCyan{0, 255, 255};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kOrange{255, 128, 0};
constexpr Rgb kHelpGrey{96, 96, 96};

// The weapon table's columns: the field titles, the name column wider and left-aligned.
std::vector<runtime::Column> WeaponColumns() {
  const auto titles = WeaponColumnTitles();
  return {
      {std::string(titles[kWeaponName]), 100, Align::Left},
      {std::string(titles[kPoisonChance]), 70, Align::Center},
      {std::string(titles[kHpDrain]), 70, Align::Center},
      {std::string(titles[kBaseTime]), 70, Align::Center},
      {std::string(titles[kExtendedTime]), 70, Align::Center},
  };
}

// Panels 2 and 4 would hold a maker's name and a contact number; the tool names neither.
std::vector<runtime::Panel> StatusPanels() {
  return {
      {60, "软件制作："}, {40, ""},           {50, "联系QQ："},
      {60, ""},           {60, "软件说明："}, {150, "软件支持右键操作!"},
  };
}

// One row per control: name, kind, parent, place, size, text, colours, settings. A row names only
// the settings that differ from a control's defaults (the warning about the members it leaves out
// is off for the table): edit boxes centre their text and have a sunken border unless it says
// otherwise.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
std::vector<ControlSpec> Controls() {
  // clang-format off
  return {
    {.name = "分组框1", .kind = ControlKind::GroupBox, .left = 0, .top = 2, .width = 382, .height = 120, .text = "蛇牙参数", .textColor = kRed, .backColor = kBlack, .align = Align::Left},
    {.name = "标签1", .kind = ControlKind::Label, .parent = "分组框1", .left = 16, .top = 24, .width = 56, .height = 24, .text = "武器名称：", .textColor = kGreen, .align = Align::Left},
    {.name = "编辑框1", .kind = ControlKind::EditBox, .parent = "分组框1", .left = 88, .top = 24, .width = 90, .height = 24, .textColor = kGreen, .backColor = kBlack, .input = InputKind::Normal},
    {.name = "标签2", .kind = ControlKind::Label, .parent = "分组框1", .left = 200, .top = 24, .width = 56, .height = 24, .text = "中毒机率：", .textColor = kMaroon, .align = Align::Left},
    {.name = "编辑框2", .kind = ControlKind::EditBox, .parent = "分组框1", .left = 272, .top = 24, .width = 90, .height = 24, .textColor = kMaroon, .backColor = kBlack, .input = InputKind::Integer},
    {.name = "标签3", .kind = ControlKind::Label, .parent = "分组框1", .left = 16, .top = 56, .width = 56, .height = 24, .text = "掉血数值：", .textColor = kMagenta, .align = Align::Left},
    {.name = "编辑框3", .kind = ControlKind::EditBox, .parent = "分组框1", .left = 88, .top = 56, .width = 90, .height = 24, .textColor = kMagenta, .backColor = kBlack, .input = InputKind::Integer},
    {.name = "标签5", .kind = ControlKind::Label, .parent = "分组框1", .left = 200, .top = 56, .width = 56, .height = 24, .text = "基本时间：", .textColor = kLavender, .align = Align::Left},
    {.name = "编辑框4", .kind = ControlKind::EditBox, .parent = "分组框1", .left = 272, .top = 56, .width = 90, .height = 24, .textColor = kLavender, .backColor = kBlack, .input = InputKind::Integer},
    {.name = "标签4", .kind = ControlKind::Label, .parent = "分组框1", .left = 16, .top = 88, .width = 56, .height = 24, .text = "扩展时间：", .textColor = kCyan, .align = Align::Left},
    {.name = "编辑框5", .kind = ControlKind::EditBox, .parent = "分组框1", .left = 88, .top = 88, .width = 90, .height = 24, .textColor = kCyan, .backColor = kBlack, .input = InputKind::Integer},
    {.name = "添加武器按钮", .kind = ControlKind::PushButton, .parent = "分组框1", .left = 184, .top = 90, .width = 60, .height = 24, .text = "添加武器"},
    {.name = "修改武器按钮", .kind = ControlKind::PushButton, .parent = "分组框1", .left = 250, .top = 90, .width = 60, .height = 24, .text = "修改武器"},
    {.name = "保存文件按钮", .kind = ControlKind::PushButton, .parent = "分组框1", .left = 317, .top = 90, .width = 60, .height = 24, .text = "导出文本"},
    {.name = "超级编辑框1", .kind = ControlKind::RichEdit, .parent = "分组框1", .left = 8, .top = 38, .width = 24, .height = 24, .multiline = true, .visible = false},
    {.name = "编辑框6", .kind = ControlKind::EditBox, .left = 1, .top = 123, .width = 64, .height = 24, .text = "操作状态：", .textColor = kRed, .backColor = kBlack, .input = InputKind::ReadOnly},
    {.name = "等待数据标签", .kind = ControlKind::EditBox, .left = 70, .top = 123, .width = 74, .height = 24, .text = "等待操作...", .textColor = kWhite, .backColor = kBlack, .input = InputKind::ReadOnly},
    {.name = "正在数据标签", .kind = ControlKind::EditBox, .left = 70, .top = 123, .width = 74, .height = 24, .text = "正在操作...", .textColor = kYellow, .backColor = kBlack, .input = InputKind::ReadOnly},
    {.name = "成功数据标签", .kind = ControlKind::EditBox, .left = 70, .top = 123, .width = 74, .height = 24, .text = "操作成功...", .textColor = kGreen, .backColor = kBlack, .input = InputKind::ReadOnly},
    {.name = "选择框1", .kind = ControlKind::CheckBox, .left = 149, .top = 124, .width = 44, .height = 24, .text = "置顶", .textColor = kOrange, .backColor = kBlack, .align = Align::Left, .checked = true},
    {.name = "打开文本按钮", .kind = ControlKind::PushButton, .left = 196, .top = 123, .width = 92, .height = 24, .text = "打开文本"},
    {.name = "按钮1", .kind = ControlKind::PushButton, .left = 290, .top = 123, .width = 92, .height = 24, .text = "关闭软件"},
    {.name = "超级列表框1", .kind = ControlKind::ListView, .left = 0, .top = 147, .width = 384, .height = 150, .textColor = kYellow, .backColor = kBlack, .columns = WeaponColumns()},
    {.name = "分组框2", .kind = ControlKind::GroupBox, .left = 1, .top = 297, .width = 382, .height = 113, .text = "帮助说明", .textColor = kRed, .backColor = kBlack, .align = Align::Left},
    {.name = "编辑框7", .kind = ControlKind::EditBox, .parent = "分组框2", .left = 7, .top = 14, .width = 368, .height = 96, .text = std::string(HelpText()), .textColor = kHelpGrey, .backColor = kBlack, .align = Align::Left, .multiline = true, .border = false, .disabled = true},
    {.name = "状态条1", .kind = ControlKind::StatusBar, .left = 0, .top = 411, .width = 383, .height = 20, .panels = StatusPanels()},
    {.name = "通用对话框1", .kind = ControlKind::FileDialog, .text = "*.txt"},
  };
  // clang-format on
}
#pragma GCC diagnostic pop

std::vector<runtime::MenuSpec> Menus() {
  return {{"菜单", {"导入数据", "删除选中", "全部删除"}}};
}

void ShowTableMenu(runtime::Window& window) {
  window.ShowPopupMenu("菜单");
}

std::vector<runtime::Binding> Bindings(runtime::Handler closeButton) {
  // clang-format off
  return {
    {Event::Created, "", InitialSetUp},
    {Event::Clicked, "选择框1", FollowOnTopBox},
    {Event::Clicked, "按钮1", std::move(closeButton)},
    {Event::Clicked, "打开文本按钮", LoadCommand},
    {Event::Clicked, "添加武器按钮", AddCommand},
    {Event::Clicked, "修改武器按钮", ModifyCommand},
    {Event::Clicked, "保存文件按钮", ExportCommand},
    {Event::ListLeftClick, "超级列表框1", RowPick},
    {Event::ListRightClick, "超级列表框1", ShowTableMenu},
    {Event::MenuItem, "导入数据", LoadCommand},
    {Event::MenuItem, "删除选中", DeleteSelected},
    {Event::MenuItem, "全部删除", DeleteAll},
  };
  // clang-format on
}

}  // namespace

runtime::FormSpec MainWindowForm(MainWindowOptions options) {
  if (!options.closeButton) options.closeButton = MainWindowOptions{}.closeButton;
  return {
      .caption = "蛇牙工坊_KRV引擎【兼容ORLA】V1.1",
      .width = 389,
      .height = 463,
      .border = runtime::Border::FixedSingle,
      .minimizeBox = true,
      .maximizeBox = false,
      .taskbar = true,
      .escCloses = true,
      .centred = true,
      .background = kBlack,
      .controls = Controls(),
      .menus = Menus(),
      .bindings = Bindings(std::move(options.closeButton)),
  };
}

}  // namespace editor
