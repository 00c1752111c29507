// GetTickCount, Sleep, GetCurrentProcess, SetProcessWorkingSetSize, GetLastError/SetLastError.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "platform/win32/Kernel.h"

#include <gtest/gtest.h>

namespace win32test {
namespace {

using namespace win32;

[[maybe_unused]] long ResidentKilobytes() {
  long pages = 0;
  long resident = 0;
  FILE* statm = std::fopen("/proc/self/statm", "r");
  if (statm == nullptr) return -1;
  const int read = std::fscanf(statm, "%ld %ld", &pages, &resident);
  std::fclose(statm);
  return read == 2 ? resident * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

TEST(Win32Kernel, TickCountIsMonotonicMilliseconds) {
  const DWORD before = GetTickCount();
  Sleep(50);
  const DWORD after = GetTickCount();
  // Unsigned subtraction is right across a wrap at 2^32 too.
  EXPECT_GE(DWORD(after - before), 50u);
  EXPECT_LT(DWORD(after - before), 5000u);
  const auto steady = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
  EXPECT_LT(DWORD(DWORD(steady.count()) - GetTickCount()) + 5u, 10u);  // within 5 ms of it
}

TEST(Win32Kernel, SleepZeroReturns) {
  const DWORD before = GetTickCount();
  Sleep(0);
  EXPECT_LT(GetTickCount() - before, 1000u);
}

TEST(Win32Kernel, TheCurrentProcessIsAPseudoHandle) {
  EXPECT_EQ(GetCurrentProcess(), reinterpret_cast<HANDLE>(-1));
  EXPECT_TRUE(CloseHandle(GetCurrentProcess()));  // nothing to close, and no harm
}

TEST(Win32Kernel, WorkingSetOnlyForThisProcess) {
  EXPECT_TRUE(SetProcessWorkingSetSize(GetCurrentProcess(), SIZE_T(-1), SIZE_T(-1)));
  EXPECT_TRUE(SetProcessWorkingSetSize(GetCurrentProcess(), 1 << 20, 4 << 20));
  SetLastError(0);
  EXPECT_FALSE(SetProcessWorkingSetSize(nullptr, SIZE_T(-1), SIZE_T(-1)));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST(Win32Kernel, TrimmingGivesFreedHeapBackToTheSystem) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizer's allocator keeps freed memory itself";
#else
  constexpr std::size_t kBlock = 16 * 1024;
  constexpr std::size_t kCount = 4096;  // 64 MiB in blocks below the mmap threshold
  std::vector<char*> blocks;
  for (std::size_t i = 0; i < kCount; ++i) {
    char* block = static_cast<char*>(std::malloc(kBlock));
    for (std::size_t b = 0; b < kBlock; b += 512) block[b] = char(i);
    blocks.push_back(block);
  }
  // The last block holds the heap's top, so freeing the others leaves their pages in place.
  for (std::size_t i = 0; i + 1 < kCount; ++i) std::free(blocks[i]);
  const long before = ResidentKilobytes();
  EXPECT_TRUE(SetProcessWorkingSetSize(GetCurrentProcess(), SIZE_T(-1), SIZE_T(-1)));
  const long after = ResidentKilobytes();
  std::free(blocks.back());
  ASSERT_GT(before, 0);
  EXPECT_GT(before - after, 32 * 1024) << before << " KiB before, " << after << " after";
#endif
}

TEST(Win32Kernel, TheLastErrorBelongsToEachThread) {
  SetLastError(1234);
  DWORD seen = 0xdeadbeef;
  std::thread other([&] {
    seen = GetLastError();
    SetLastError(5);
  });
  other.join();
  EXPECT_EQ(seen, 0u);
  EXPECT_EQ(GetLastError(), 1234u);
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(GetLastError(), 0u);
}

}  // namespace
}  // namespace win32test
