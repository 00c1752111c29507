#include "editor/HelpText.h"

namespace editor {

std::string_view HelpText() {
  // The last line is the help's example: one space, the weapon name, then runs of 8, 9, 10 and
  // 11 spaces before the four numbers.
  static constexpr std::string_view kText =
      "※文件路径：\\Mir200\\Envir\\UserData\\PoisonWeapon.txt\r\n"
      "◆中毒几率：设置为50就是一刀下去50%的概率发生中毒现象。\r\n"
      "◆掉血数值：设置为100就是中毒每秒扣100点HP值。\r\n"
      "◆基本时间：设置为3就是3秒钟。\r\n"
      "◆扩展时间：设置为5那么它的值就是1-5之间的随机值。\r\n"
      "◆中毒时间：持续时间=基本时间+扩展时间所产生的随机值\r\n"
      "【武器名称】【中毒几率】【掉血数值】【基本时间】【扩展时间】\r\n"
      " 例：木剑"
      "        "  // 8
      "50"
      "         "  // 9
      "100"
      "          "  // 10
      "3"
      "           "  // 11
      "5";
  return kText;
}

}  // namespace editor
