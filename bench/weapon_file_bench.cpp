// Times the weapon file reader (bytes to rows) and writer (rows to bytes) on a 100,000-line
// weapon file built in memory, and prints the median of several runs with the sizes involved.
// The clock is clock_gettime: <chrono> does not compile with GBK literals (its "µs" has no GBK
// form), and this file's names must be GBK.
#include <time.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "bench/Timing.h"
#include "editor/WeaponFile.h"

namespace {

constexpr std::size_t kLines = 100000;
constexpr int kRuns = 15;

// A weapon file as the server keeps one: GBK names (some with a number after them), numbers of
// one to three digits, CR LF after every line.
std::string MakeWeaponFile() {
  constexpr std::array<std::string_view, 12> kNames = {
      "木剑",     "青铜剑",   "炼狱",   "银蛇", "井中月", "裁决之杖",
      "嗜魂法杖", "骨玉权杖", "龙纹剑", "屠龙", "无极棍", "命运之刃"};
  std::vector<editor::WeaponEntry> rows;
  rows.reserve(kLines);
  unsigned seed = 12345;
  auto next = [&seed](unsigned bound) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % bound;
  };
  for (std::size_t i = 0; i < kLines; ++i) {
    std::string name(kNames[i % kNames.size()]);
    if (i >= kNames.size()) name += std::to_string(i / kNames.size());
    rows.push_back({name, std::to_string(next(100) + 1), std::to_string(next(500) + 1),
                    std::to_string(next(10) + 1), std::to_string(next(10) + 1)});
  }
  std::string file = editor::WriteWeaponFile(rows);
  return file.substr(editor::WeaponFileHeader().size() + 2);  // a server file has no header
}

template <typename Work>
double MedianMilliseconds(Work&& work) {
  return bench::MedianMilliseconds(kRuns, work);
}

}  // namespace

int main() {
  const std::string file = MakeWeaponFile();

  std::size_t rowCount = 0;
  const double readMs = MedianMilliseconds([&] { rowCount = editor::ReadWeaponFile(file).size(); });

  const std::vector<editor::WeaponEntry> rows = editor::ReadWeaponFile(file);
  std::size_t exportSize = 0;
  const double writeMs =
      MedianMilliseconds([&] { exportSize = editor::WriteWeaponFile(rows).size(); });

  std::size_t lineCount = 0;
  const double splitMs = MedianMilliseconds(
      [&] { lineCount = editor::SplitWeaponLines(editor::WeaponFileText(file)).size(); });

  std::printf("weapon file: %zu lines, %zu bytes\n", kLines, file.size());
  std::printf("read  (bytes to rows):  %8.2f ms median of %d, %zu rows\n", readMs, kRuns, rowCount);
  std::printf("write (rows to bytes):  %8.2f ms median of %d, %zu bytes\n", writeMs, kRuns,
              exportSize);
  std::printf("split (bytes to lines): %8.2f ms median of %d, %zu lines\n", splitMs, kRuns,
              lineCount);
  return rowCount == kLines && lineCount == kLines ? 0 : 1;
}
