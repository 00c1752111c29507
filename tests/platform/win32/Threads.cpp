// CreateThread, ResumeThread, WaitForSingleObject, GetExitCodeThread, CloseHandle and the
// cooperative TerminateThread: a stand-in thread's body sleeps or waits through the stand-in and
// returns once ThreadStopRequested() is true.
#include <atomic>
#include <chrono>

#include "platform/win32/Kernel.h"

#include <gtest/gtest.h>

namespace win32test {
namespace {

using namespace win32;

DWORD ReturnParameter(LPVOID parameter) {
  return DWORD(reinterpret_cast<ULONG_PTR>(parameter));
}

// Runs until *flag is set.
DWORD SpinUntil(LPVOID flag) {
  auto* go = static_cast<std::atomic<bool>*>(flag);
  while (!go->load()) Sleep(1);
  return 7;
}

// The loading dialog's kind of worker: sleeps in a loop until it is asked to stop.
DWORD Worker(LPVOID started) {
  static_cast<std::atomic<bool>*>(started)->store(true);
  while (!ThreadStopRequested()) Sleep(1000);
  return 55;  // whatever it returns, a stopped thread's code is TerminateThread's
}

TEST(Win32Threads, AThreadRunsItsRoutineAndKeepsItsResult) {
  DWORD id = 0xdeadbeef;
  HANDLE thread = CreateThread(nullptr, 0, ReturnParameter, reinterpret_cast<LPVOID>(42), 0, &id);
  ASSERT_NE(thread, nullptr);
  EXPECT_NE(id, 0xdeadbeefu);
  EXPECT_NE(id, 0u);
  EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
  DWORD code = 0xdeadbeef;
  EXPECT_TRUE(GetExitCodeThread(thread, &code));
  EXPECT_EQ(code, 42u);
  EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_OBJECT_0);  // stays signalled
  EXPECT_TRUE(CloseHandle(thread));
}

TEST(Win32Threads, StillActiveWhileRunning) {
  std::atomic<bool> go{false};
  HANDLE thread = CreateThread(nullptr, 64 * 1024, SpinUntil, &go, 0, nullptr);
  DWORD code = 0;
  EXPECT_TRUE(GetExitCodeThread(thread, &code));
  EXPECT_EQ(code, STILL_ACTIVE);
  EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_TIMEOUT);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(WaitForSingleObject(thread, 30), WAIT_TIMEOUT);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(30));
  go = true;
  EXPECT_EQ(WaitForSingleObject(thread, 5000), WAIT_OBJECT_0);
  GetExitCodeThread(thread, &code);
  EXPECT_EQ(code, 7u);
  CloseHandle(thread);
}

TEST(Win32Threads, ASuspendedThreadWaitsForResume) {
  std::atomic<bool> go{true};
  HANDLE thread = CreateThread(nullptr, 0, SpinUntil, &go, CREATE_SUSPENDED, nullptr);
  EXPECT_EQ(WaitForSingleObject(thread, 30), WAIT_TIMEOUT);
  DWORD code = 0;
  GetExitCodeThread(thread, &code);
  EXPECT_EQ(code, STILL_ACTIVE);
  EXPECT_EQ(ResumeThread(thread), 1u);
  EXPECT_EQ(WaitForSingleObject(thread, 5000), WAIT_OBJECT_0);
  EXPECT_EQ(ResumeThread(thread), 0u);  // not suspended any more
  CloseHandle(thread);
}

TEST(Win32Threads, TerminateStopsASleepingThreadAtOnceWithTheGivenCode) {
  std::atomic<bool> started{false};
  HANDLE thread = CreateThread(nullptr, 0, Worker, &started, 0, nullptr);
  while (!started) Sleep(1);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(TerminateThread(thread, 0));
  // The worker's Sleep(1000) ended at the stop request, not after its second.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
  EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_OBJECT_0);  // ended when TerminateThread returns
  DWORD code = 0xdeadbeef;
  GetExitCodeThread(thread, &code);
  EXPECT_EQ(code, 0u);
  EXPECT_TRUE(CloseHandle(thread));
}

TEST(Win32Threads, TerminateWakesAThreadWaitingForAnother) {
  std::atomic<bool> never{false};
  HANDLE slow = CreateThread(nullptr, 0, SpinUntil, &never, 0, nullptr);
  static HANDLE target;
  static std::atomic<DWORD> waited;
  target = slow;
  waited = 0xdeadbeef;
  HANDLE waiter = CreateThread(
      nullptr, 0,
      [](LPVOID) -> DWORD {
        waited = WaitForSingleObject(target, INFINITE);
        return 1;
      },
      nullptr, 0, nullptr);
  Sleep(20);
  EXPECT_TRUE(TerminateThread(waiter, 9));
  EXPECT_EQ(waited.load(), WAIT_FAILED);  // a stopped thread waits for nothing any more
  DWORD code = 0;
  GetExitCodeThread(waiter, &code);
  EXPECT_EQ(code, 9u);
  never = true;
  WaitForSingleObject(slow, INFINITE);
  CloseHandle(waiter);
  CloseHandle(slow);
}

TEST(Win32Threads, TerminatingASuspendedThreadNeverRunsIt) {
  static std::atomic<bool> ran;
  ran = false;
  HANDLE thread = CreateThread(
      nullptr, 0,
      [](LPVOID) -> DWORD {
        ran = true;
        return 1;
      },
      nullptr, CREATE_SUSPENDED, nullptr);
  EXPECT_TRUE(TerminateThread(thread, 3));
  DWORD code = 0;
  GetExitCodeThread(thread, &code);
  EXPECT_EQ(code, 3u);
  EXPECT_FALSE(ran);
  CloseHandle(thread);
}

TEST(Win32Threads, TerminatingAnEndedThreadKeepsItsCode) {
  HANDLE thread =
      CreateThread(nullptr, 0, ReturnParameter, reinterpret_cast<LPVOID>(4), 0, nullptr);
  WaitForSingleObject(thread, INFINITE);
  EXPECT_TRUE(TerminateThread(thread, 0));
  DWORD code = 0;
  GetExitCodeThread(thread, &code);
  EXPECT_EQ(code, 4u);
  CloseHandle(thread);
}

TEST(Win32Threads, ClosingARunningThreadsHandleLetsItFinish) {
  static std::atomic<bool> go;
  static std::atomic<bool> finished;
  go = false;
  finished = false;
  HANDLE thread = CreateThread(
      nullptr, 0,
      [](LPVOID) -> DWORD {
        while (!go) Sleep(1);
        finished = true;
        return 0;
      },
      nullptr, 0, nullptr);
  EXPECT_TRUE(CloseHandle(thread));
  // The handle is gone at once; the thread is not.
  SetLastError(0);
  DWORD code = 0;
  EXPECT_FALSE(GetExitCodeThread(thread, &code));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_FAILED);
  EXPECT_FALSE(TerminateThread(thread, 0));
  EXPECT_FALSE(CloseHandle(thread));
  go = true;
  for (int i = 0; i < 5000 && !finished; ++i) Sleep(1);
  EXPECT_TRUE(finished);
}

TEST(Win32Threads, BadArguments) {
  SetLastError(0);
  EXPECT_EQ(CreateThread(nullptr, 0, nullptr, nullptr, 0, nullptr), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  HANDLE bogus = reinterpret_cast<HANDLE>(0x10);
  DWORD code = 0xdeadbeef;
  SetLastError(0);
  EXPECT_FALSE(GetExitCodeThread(bogus, &code));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(code, 0xdeadbeefu);
  EXPECT_EQ(WaitForSingleObject(bogus, 0), WAIT_FAILED);
  EXPECT_EQ(WaitForSingleObject(nullptr, INFINITE), WAIT_FAILED);
  EXPECT_FALSE(TerminateThread(nullptr, 0));
  EXPECT_EQ(ResumeThread(bogus), DWORD(-1));
  EXPECT_FALSE(CloseHandle(nullptr));
  HANDLE thread = CreateThread(nullptr, 0, ReturnParameter, nullptr, 0, nullptr);
  SetLastError(0);
  EXPECT_FALSE(GetExitCodeThread(thread, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
}

TEST(Win32Threads, TheGuiThreadIsNeverAskedToStop) {
  EXPECT_FALSE(ThreadStopRequested());
}

}  // namespace
}  // namespace win32test
