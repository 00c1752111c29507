// Loads a generated 100,000-line weapon file into the real main window's weapon table through the
// load steps and exports it again, on Qt's offscreen platform, and prints the median time of each
// over several runs, the reader alone on the same file, and the memory the loaded table holds.
// The clock is clock_gettime: <chrono> does not compile with GBK literals.
#include <malloc.h>
#include <stdlib.h>
#include <time.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "bench/Timing.h"
#include "editor/ExportCommand.h"
#include "editor/LoadCommand.h"
#include "editor/MainWindowForm.h"
#include "editor/WeaponFile.h"
#include "platform/runtime/Files.h"
#include "platform/runtime/Runtime.h"

namespace {

constexpr std::size_t kLines = 100000;
constexpr int kRuns = 7;

// A weapon file as the server keeps one: GBK names (most with a number after them), numbers of
// one to three digits, CR LF after every line.
std::string MakeWeaponFile() {
  constexpr std::array<std::string_view, 12> kNames = {
      "木剑",     "青铜剑",   "炼狱",   "银蛇", "井中月", "裁决之杖",
      "嗜魂法杖", "骨玉权杖", "龙纹剑", "屠龙", "无极棍", "命运之刃"};
  unsigned seed = 20240601;
  auto next = [&seed](unsigned bound) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % bound;
  };
  std::string file;
  for (std::size_t i = 0; i < kLines; ++i) {
    file += kNames[i % kNames.size()];
    if (i >= kNames.size()) file += std::to_string(i / kNames.size());
    for (unsigned bound : {100u, 500u, 10u, 10u}) {
      file += ' ';
      file += std::to_string(next(bound) + 1);
    }
    file += "\r\n";
  }
  return file;
}

template <typename Work>
double MedianMilliseconds(Work&& work) {
  return bench::MedianMilliseconds(kRuns, work);
}

// A line of /proc/self/status such as "VmRSS:", in kilobytes; -1 when it is not there.
long StatusKilobytes(const char* key) {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (status == nullptr) return -1;
  char line[256];
  long value = -1;
  const std::size_t keyLength = std::strlen(key);
  while (std::fgets(line, sizeof line, status) != nullptr) {
    if (std::strncmp(line, key, keyLength) == 0) {
      value = std::strtol(line + keyLength, nullptr, 10);
      break;
    }
  }
  std::fclose(status);
  return value;
}

void PrintMemory(const char* when) {
  std::printf("memory %-34s VmRSS %7ld kB, VmHWM %7ld kB\n", when, StatusKilobytes("VmRSS:"),
              StatusKilobytes("VmHWM:"));
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  runtime::Initialise(argc, argv);

  char dirTemplate[] = "/tmp/editor_bench_XXXXXX";
  if (mkdtemp(dirTemplate) == nullptr) return 1;
  const std::filesystem::path dir(dirTemplate);
  const runtime::FilePath weaponFile = runtime::FilePath::FromNative(dir / "PoisonWeapon.txt");
  const runtime::FilePath exportFile = runtime::FilePath::FromNative(dir / "export.txt");
  const std::string file = MakeWeaponFile();
  if (!runtime::WriteWholeFile(weaponFile, bytes::ByteBlock(std::string_view(file)))) return 1;
  std::printf("weapon file: %zu lines, %zu bytes\n", kLines, file.size());

  runtime::Window* window = runtime::LoadWindow(editor::MainWindowForm());
  if (window == nullptr) return 1;
  const win32::HWND handle = window->Handle();
  runtime::WaitWithEvents(50);
  malloc_trim(0);
  PrintMemory("with the empty main window:");
  const long emptyRss = StatusKilobytes("VmRSS:");

  // The first load alone, so that the memory it adds is the loaded table's.
  bool loaded = editor::LoadWeaponFile(*window, weaponFile);
  runtime::WaitWithEvents(50);
  PrintMemory("after one load:");
  const long loadedRss = StatusKilobytes("VmRSS:");
  malloc_trim(0);
  PrintMemory("after one load, heap trimmed:");
  const long trimmedRss = StatusKilobytes("VmRSS:");

  const double loadMs = MedianMilliseconds([&] {
    window = runtime::WindowOf(handle);
    loaded = loaded && window != nullptr && editor::LoadWeaponFile(*window, weaponFile);
  });
  if (!loaded) return 1;
  runtime::WaitWithEvents(50);
  window = runtime::WindowOf(handle);
  if (window == nullptr) return 1;
  const int rowCount = window->List("超级列表框1").RowCount();

  std::size_t readerRows = 0;
  const double readerMs =
      MedianMilliseconds([&] { readerRows = editor::ReadWeaponFile(file).size(); });
  const double diskReaderMs = MedianMilliseconds([&] {
    const auto bytes = runtime::ReadWholeFile(weaponFile);
    readerRows = bytes ? editor::ReadWeaponFile(bytes->text()).size() : 0;
  });

  bool exported = true;
  const double exportMs = MedianMilliseconds(
      [&] { exported = exported && editor::WriteExportFile(*window, exportFile); });
  const auto exportBytes = runtime::ReadWholeFile(exportFile);
  const std::size_t exportSize = exportBytes ? exportBytes->size() : 0;
  PrintMemory("at the end:");

  const double fileKb = static_cast<double>(file.size()) / 1024.0;
  std::printf("load   (file to table, median of %d): %8.2f ms, %d rows\n", kRuns, loadMs, rowCount);
  std::printf("reader (bytes in memory to rows):     %8.2f ms, %zu rows\n", readerMs, readerRows);
  std::printf("reader (file on disk to rows):        %8.2f ms\n", diskReaderMs);
  std::printf("load / reader in memory:              %8.2f x\n", loadMs / readerMs);
  std::printf("load / reader from disk:              %8.2f x\n", loadMs / diskReaderMs);
  std::printf("export (table to file, median of %d): %8.2f ms, %zu bytes\n", kRuns, exportMs,
              exportSize);
  std::printf(
      "resident memory added by the loaded table: %ld kB (%.2f x the file), heap trimmed "
      "%ld kB (%.2f x)\n",
      loadedRss - emptyRss, static_cast<double>(loadedRss - emptyRss) / fileKb,
      trimmedRss - emptyRss, static_cast<double>(trimmedRss - emptyRss) / fileKb);

  std::filesystem::remove_all(dir);
  const bool ok = exported && rowCount == static_cast<int>(kLines) && exportSize > file.size();
  return ok ? 0 : 1;
}
