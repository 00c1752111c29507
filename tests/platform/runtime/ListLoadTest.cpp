// Loading a 100,000-line weapon table into the list view in one step: it must take well under
// 0.2 s and hold the rows in a few times the file's size. Prints the figures it measured.
// The clock is clock_gettime: <chrono> does not compile with this file's GBK literals.
#include <malloc.h>
#include <time.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "tests/platform/runtime/TestWindow.h"

namespace runtime::test {
namespace {

constexpr int kLines = 100000;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

double NowMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

std::size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

// A server's weapon file in memory (names of the real kind, numbers of one to three digits) and
// its cells, five per line, as views into it.
struct WeaponText {
  std::string file;
  std::vector<std::string_view> cells;
};

WeaponText MakeWeaponText() {
  const char* names[] = {"木剑",     "青铜剑",   "炼狱",   "银蛇", "井中月", "裁决之杖",
                         "嗜魂法杖", "骨玉权杖", "龙纹剑", "屠龙", "无极棍", "命运之刃"};
  WeaponText text;
  std::vector<std::size_t> bounds;  // start and length of every cell in the file
  unsigned seed = 12345;
  auto next = [&seed](unsigned bound) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % bound;
  };
  for (int i = 0; i < kLines; ++i) {
    const std::string fields[] = {std::string(names[i % 12]) + std::to_string(i / 12),
                                  std::to_string(next(100) + 1), std::to_string(next(500) + 1),
                                  std::to_string(next(10) + 1), std::to_string(next(10) + 1)};
    for (const std::string& field : fields) {
      bounds.push_back(text.file.size());
      bounds.push_back(field.size());
      text.file += field;
      text.file += ' ';
    }
    text.file += "\r\n";
  }
  for (std::size_t i = 0; i < bounds.size(); i += 2) {
    text.cells.push_back(std::string_view(text.file).substr(bounds[i], bounds[i + 1]));
  }
  return text;
}

FormSpec TableForm() {
  FormSpec form = SmallForm(389, 463);
  ControlSpec list;
  list.name = "超级列表框1";
  list.kind = ControlKind::ListView;
  list.width = 384;
  list.height = 150;
  list.columns = {{"武器名称", 100, Align::Left},
                  {"中毒机率", 70, Align::Center},
                  {"掉血数值", 70, Align::Center},
                  {"基本时间", 70, Align::Center},
                  {"扩展时间", 70, Align::Center}};
  form.controls = {list};
  return form;
}

class ListLoadTest : public RuntimeTest {};

TEST_F(ListLoadTest, HundredThousandLinesLoadFastAndCompactly) {
  const WeaponText text = MakeWeaponText();
  LoadedWindow window(TableForm());
  ASSERT_TRUE(window);
  ListView& list = window->List("超级列表框1");
  ProcessEvents(0);

  double best = 1e9;
  std::size_t heap = 0;
  for (int run = 0; run < 3; ++run) {
    list.DeleteAllRows();
    ProcessEvents(0);
    const std::size_t before = HeapInUse();
    const double start = NowMilliseconds();
    list.ReplaceRows(text.cells);
    ProcessEvents(0);  // the view lays out and paints its first rows
    best = std::min(best, NowMilliseconds() - start);
    heap = HeapInUse() - before;
  }
  std::printf("load of %d lines (%zu bytes): %.1f ms, table memory %zu bytes (%.2f x file)\n",
              kLines, text.file.size(), best, heap,
              static_cast<double>(heap) / static_cast<double>(text.file.size()));
  RecordProperty("load_ms", std::to_string(best));
  RecordProperty("table_bytes", std::to_string(heap));

  ASSERT_EQ(list.RowCount(), kLines);
  EXPECT_EQ(list.Cell(0, 0), "木剑0");
  EXPECT_EQ(list.Cell(kLines - 1, 0), text.cells[static_cast<std::size_t>(kLines - 1) * 5]);
  EXPECT_EQ(list.Cell(kLines - 1, 4), text.cells.back());
  if (!kSanitized) {
    EXPECT_LT(best, 100.0);
    EXPECT_LT(static_cast<double>(heap), 8.0 * static_cast<double>(text.file.size()));
  }
}

}  // namespace
}  // namespace runtime::test
