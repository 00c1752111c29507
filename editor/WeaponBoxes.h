#pragma once
// The five input boxes of a weapon entry, `编辑框1` (weapon name) to `编辑框5` (extended time),
// in field order. Only names: nothing here can fail.

#include <array>
#include <string_view>

#include "editor/WeaponFile.h"

namespace editor {

// The box of each field, GBK names in field order.
const std::array<std::string_view, kWeaponFieldCount>& WeaponBoxNames();

}  // namespace editor
