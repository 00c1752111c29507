#pragma once
// The weapon entry and the weapon file format, as pure functions on GBK bytes: the reader in its
// stages (file bytes to text, text to lines, a line to fields, fields to a row) and the writer of
// the export file. No function fails: the reader accepts any bytes and the writer any cell texts.
// Views returned by the splitting stages point into the caller's text and live as long as it.

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace editor {

inline constexpr std::size_t kWeaponFieldCount = 5;

// Index of a field in a weapon entry, and of its column in the weapon table.
enum WeaponField : std::size_t {
  kWeaponName = 0,
  kPoisonChance = 1,
  kHpDrain = 2,
  kBaseTime = 3,
  kExtendedTime = 4,
};

// One weapon entry, one row of the weapon table: five field texts in GBK bytes, each exactly as it
// came from a file or an input box (never converted to a number). Any of them may be empty.
using WeaponEntry = std::array<std::string, kWeaponFieldCount>;

// The weapon table's column titles, in field order: "武器名称", "中毒机率", "掉血数值",
// "基本时间", "扩展时间" (GBK bytes).
std::span<const std::string_view, kWeaponFieldCount> WeaponColumnTitles();

// The export file's first line without its CR LF: ";武器名称 中毒几率 掉血数值 基本时间 扩展时间".
std::string_view WeaponFileHeader();

// Reader, first stage: the text of a weapon file's bytes. The text is the bytes up to the first
// 0x00 or 0x1A outside a double-byte character; a lead byte directly before that 0x00 is dropped
// too. The result is a prefix of `fileBytes`.
std::string_view WeaponFileText(std::string_view fileBytes);

// Reader, second stage: the lines of a text, split at CR LF. A double-byte character (a byte
// 0x80-0xFF and the byte after it) is passed over as one unit, so its second byte never ends a
// line. Text after the last CR LF is one more line only when it is not empty.
std::vector<std::string_view> SplitWeaponLines(std::string_view text);

// Reader, third stage: the fields of one line, split at each space (0x20) by the same rule. Text
// after the last space is one more field only when it is not empty; an empty line has no fields.
std::vector<std::string_view> SplitWeaponFields(std::string_view line);

// Reader, fourth stage: the row of one line's fields. Fields from the sixth on are dropped; cells
// beyond the last field stay empty.
WeaponEntry WeaponEntryFromFields(std::span<const std::string_view> fields);

// Reader, second to fourth stage in one pass: one row per line of `text`, in order.
std::vector<WeaponEntry> ParseWeaponText(std::string_view text);

// The whole reader: the rows of a weapon file's bytes.
std::vector<WeaponEntry> ReadWeaponFile(std::string_view fileBytes);

// Writer: the bytes of the export file for the table's rows, top to bottom. The header line and
// CR LF, then per row each cell followed by one space, and CR LF.
std::string WriteWeaponFile(std::span<const WeaponEntry> rows);

}  // namespace editor
