// Kernel services: the tick count, the last error, the process pseudo handle and the working set.
#include "platform/win32/Kernel.h"

#include <malloc.h>

#include <chrono>

#include "platform/win32/internal/Threads.h"

namespace win32 {

namespace {

thread_local DWORD lastError = ERROR_SUCCESS;

const HANDLE kCurrentProcess = reinterpret_cast<HANDLE>(-1);

}  // namespace

DWORD GetTickCount() {
  // The monotonic clock counts from the system's start, as the tick count does.
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return DWORD(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void Sleep(DWORD milliseconds) {
  internal::SleepUnlessStopped(milliseconds);
}

HANDLE GetCurrentProcess() {
  return kCurrentProcess;
}

BOOL SetProcessWorkingSetSize(HANDLE process, SIZE_T minimum, SIZE_T maximum) {
  if (process != kCurrentProcess) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  // Linux has no working-set limits to set; what the call achieves on Windows for the splash
  // (pages handed back) is done by giving the heap's free memory back to the system.
  (void)minimum;
  (void)maximum;
  malloc_trim(0);
  return TRUE;
}

DWORD GetLastError() {
  return lastError;
}

void SetLastError(DWORD error) {
  lastError = error;
}

}  // namespace win32
