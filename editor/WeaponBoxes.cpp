#include "editor/WeaponBoxes.h"

namespace editor {

const std::array<std::string_view, kWeaponFieldCount>& WeaponBoxNames() {
  static constexpr std::array<std::string_view, kWeaponFieldCount> kNames = {
      "编辑框1", "编辑框2", "编辑框3", "编辑框4", "编辑框5"};
  return kNames;
}

}  // namespace editor
