#include "editor/WeaponFile.h"

#include <algorithm>
#include <cstring>

namespace editor {

namespace {

// Kept in this file, which compiles its literals to GBK, so that every user of the header gets
// the same bytes whatever its own execution character set.
constexpr std::array<std::string_view, kWeaponFieldCount> kColumnTitles = {
    "武器名称", "中毒机率", "掉血数值", "基本时间", "扩展时间"};
constexpr std::string_view kHeader = ";武器名称 中毒几率 掉血数值 基本时间 扩展时间";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kFieldSeparator = " ";

constexpr bool IsLeadByte(unsigned char c) {
  return c >= 0x80;
}

// Calls onPiece for every piece of `text` that ends at `separator`, and for the rest after the
// last separator when it is not empty. A lead byte takes the byte after it along, so a separator
// byte in the second place of a double-byte character splits nothing. The separator is ASCII.
template <typename OnPiece>
void ForEachPiece(std::string_view text, std::string_view separator, OnPiece&& onPiece) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  const auto first = static_cast<unsigned char>(separator.front());
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < n) {
    const unsigned char c = p[i];
    if (IsLeadByte(c)) {
      i += 2;
    } else if (c == first && text.substr(i, separator.size()) == separator) {
      onPiece(text.substr(start, i - start));
      i += separator.size();
      start = i;
    } else {
      ++i;
    }
  }
  if (start < n) onPiece(text.substr(start));
}

// An upper bound of the number of lines: every line but the last ends with a CR LF pair, and a
// pair in the second place of a double-byte character is merely counted once too many. Counting
// LF bytes alone would reserve a row for every byte of a file made of lone LFs.
std::size_t MaxLineCount(std::string_view text) {
  std::size_t pairs = 0;
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  const char* p = begin;
  while (p != end) {
    const void* lf = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
    if (lf == nullptr) break;
    const char* at = static_cast<const char*>(lf);
    if (at != begin && at[-1] == '\r') ++pairs;
    p = at + 1;
  }
  return pairs + 1;
}

}  // namespace

std::span<const std::string_view, kWeaponFieldCount> WeaponColumnTitles() {
  return kColumnTitles;
}

std::string_view WeaponFileHeader() {
  return kHeader;
}

std::string_view WeaponFileText(std::string_view fileBytes) {
  const std::size_t n = fileBytes.size();
  // Most weapon files hold neither byte that can end the text: skip the scan for them.
  if (n == 0 || (std::memchr(fileBytes.data(), 0x00, n) == nullptr &&
                 std::memchr(fileBytes.data(), 0x1A, n) == nullptr)) {
    return fileBytes;
  }
  const auto* p = reinterpret_cast<const unsigned char*>(fileBytes.data());
  std::size_t i = 0;
  while (i < n) {
    const unsigned char c = p[i];
    if (c == 0x00 || c == 0x1A) return fileBytes.substr(0, i);
    if (IsLeadByte(c)) {
      if (i + 1 < n && p[i + 1] == 0x00) return fileBytes.substr(0, i);
      i += 2;
    } else {
      ++i;
    }
  }
  return fileBytes;
}

std::vector<std::string_view> SplitWeaponLines(std::string_view text) {
  std::vector<std::string_view> lines;
  lines.reserve(MaxLineCount(text));
  ForEachPiece(text, kLineEnd, [&](std::string_view line) { lines.push_back(line); });
  return lines;
}

std::vector<std::string_view> SplitWeaponFields(std::string_view line) {
  std::vector<std::string_view> fields;
  fields.reserve(kWeaponFieldCount);
  ForEachPiece(line, kFieldSeparator, [&](std::string_view field) { fields.push_back(field); });
  return fields;
}

WeaponEntry WeaponEntryFromFields(std::span<const std::string_view> fields) {
  WeaponEntry row;
  const std::size_t used = std::min(fields.size(), kWeaponFieldCount);
  for (std::size_t k = 0; k < used; ++k) row[k].assign(fields[k]);
  return row;
}

std::vector<WeaponEntry> ParseWeaponText(std::string_view text) {
  std::vector<WeaponEntry> rows;
  rows.reserve(MaxLineCount(text));
  ForEachPiece(text, kLineEnd, [&](std::string_view line) {
    WeaponEntry& row = rows.emplace_back();
    std::size_t k = 0;
    ForEachPiece(line, kFieldSeparator, [&](std::string_view field) {
      if (k < kWeaponFieldCount) row[k].assign(field);
      ++k;
    });
  });
  return rows;
}

std::vector<WeaponEntry> ReadWeaponFile(std::string_view fileBytes) {
  return ParseWeaponText(WeaponFileText(fileBytes));
}

std::string WriteWeaponFile(std::span<const WeaponEntry> rows) {
  std::size_t size = kHeader.size() + kLineEnd.size();
  for (const WeaponEntry& row : rows) {
    for (const std::string& cell : row) size += cell.size() + kFieldSeparator.size();
    size += kLineEnd.size();
  }
  std::string out;
  out.reserve(size);
  out.append(kHeader).append(kLineEnd);
  for (const WeaponEntry& row : rows) {
    for (const std::string& cell : row) out.append(cell).append(kFieldSeparator);
    out.append(kLineEnd);
  }
  return out;
}

}  // namespace editor
