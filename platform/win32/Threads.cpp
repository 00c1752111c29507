// Threads: a POSIX thread behind each handle. TerminateThread is a cooperative stop (see
// Kernel.h): it raises the thread's stop request, wakes the thread's waits and waits until the
// thread's body has returned; the exit code is then the one TerminateThread was given.
#include <pthread.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/win32/Kernel.h"
#include "platform/win32/internal/State.h"
#include "platform/win32/internal/Threads.h"

namespace win32 {

namespace internal {

struct ThreadRecord {
  ThreadRecord() = default;
  ThreadRecord(const ThreadRecord&) = delete;
  ThreadRecord& operator=(const ThreadRecord&) = delete;
  ~ThreadRecord() {
    if (attached) pthread_detach(thread);
  }

  std::mutex lock;
  std::condition_variable changed;
  LPTHREAD_START_ROUTINE start{nullptr};
  LPVOID parameter{nullptr};
  pthread_t thread{};
  bool attached{false};  // `thread` is still to be joined or detached
  bool resumed{false};
  bool done{false};
  std::atomic<bool> stop{false};
  DWORD stopCode{0};
  DWORD exitCode{STILL_ACTIVE};
};

}  // namespace internal

using internal::ThreadRecord;

namespace {

thread_local ThreadRecord* current = nullptr;

// A waiting stand-in thread looks at its own stop request this often.
constexpr auto kStopCheck = std::chrono::milliseconds(5);

std::shared_ptr<ThreadRecord> FindThread(HANDLE handle) {
  internal::KernelTable& table = internal::Kernel();
  std::lock_guard guard(table.lock);
  auto it = table.threads.find(handle);
  return it == table.threads.end() ? nullptr : it->second;
}

void* Run(void* argument) {
  std::unique_ptr<std::shared_ptr<ThreadRecord>> owned(
      static_cast<std::shared_ptr<ThreadRecord>*>(argument));
  ThreadRecord& record = **owned;
  current = &record;
  {
    std::unique_lock guard(record.lock);
    record.changed.wait(guard, [&] { return record.resumed || record.stop.load(); });
  }
  const bool stoppedFirst = record.stop.load();
  const DWORD code = stoppedFirst ? 0 : record.start(record.parameter);
  {
    std::lock_guard guard(record.lock);
    record.exitCode = record.stop.load() ? record.stopCode : code;
    record.done = true;
  }
  record.changed.notify_all();
  current = nullptr;
  return nullptr;
}

}  // namespace

namespace internal {

bool SleepUnlessStopped(DWORD milliseconds) {
  if (current == nullptr) {
    if (milliseconds == INFINITE) {
      for (;;) std::this_thread::sleep_for(std::chrono::hours(24));
    }
    if (milliseconds == 0) {
      std::this_thread::yield();
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
    return true;
  }
  std::unique_lock guard(current->lock);
  auto stopped = [] { return current->stop.load(); };
  if (milliseconds == INFINITE) {
    current->changed.wait(guard, stopped);
  } else {
    current->changed.wait_for(guard, std::chrono::milliseconds(milliseconds), stopped);
  }
  return !current->stop.load();
}

}  // namespace internal

bool ThreadStopRequested() {
  return current != nullptr && current->stop.load();
}

HANDLE CreateThread(LPVOID security, SIZE_T stackSize, LPTHREAD_START_ROUTINE start,
                    LPVOID parameter, DWORD flags, DWORD* threadId) {
  (void)security;
  if (start == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  static std::atomic<DWORD> nextId{0x1000};
  auto record = std::make_shared<ThreadRecord>();
  record->start = start;
  record->parameter = parameter;
  record->resumed = !(flags & CREATE_SUSPENDED);

  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  if (stackSize != 0) {
    pthread_attr_setstacksize(&attributes, std::max<SIZE_T>(stackSize, PTHREAD_STACK_MIN));
  }
  auto* argument = new std::shared_ptr<ThreadRecord>(record);
  const int failed = pthread_create(&record->thread, &attributes, Run, argument);
  pthread_attr_destroy(&attributes);
  if (failed != 0) {
    delete argument;
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  record->attached = true;
  const HANDLE handle = internal::NewHandle<HANDLE>();
  {
    internal::KernelTable& table = internal::Kernel();
    std::lock_guard guard(table.lock);
    table.threads.emplace(handle, record);
  }
  if (threadId != nullptr) *threadId = nextId.fetch_add(4);
  return handle;
}

DWORD ResumeThread(HANDLE thread) {
  std::shared_ptr<ThreadRecord> record = FindThread(thread);
  if (!record) {
    SetLastError(ERROR_INVALID_HANDLE);
    return DWORD(-1);
  }
  DWORD previous = 0;
  {
    std::lock_guard guard(record->lock);
    if (!record->resumed) {
      record->resumed = true;
      previous = 1;
    }
  }
  record->changed.notify_all();
  return previous;
}

BOOL TerminateThread(HANDLE thread, DWORD exitCode) {
  std::shared_ptr<ThreadRecord> record = FindThread(thread);
  if (!record) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  std::unique_lock guard(record->lock);
  if (record->done) return TRUE;  // already ended: its exit code stays
  record->stopCode = exitCode;
  record->stop = true;
  record->changed.notify_all();
  // A thread asking for its own stop returns to its body, which ends at its next check.
  if (record.get() == current) return TRUE;
  record->changed.wait(guard, [&] { return record->done; });
  return TRUE;
}

BOOL GetExitCodeThread(HANDLE thread, DWORD* exitCode) {
  std::shared_ptr<ThreadRecord> record = FindThread(thread);
  if (!record) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (exitCode == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::lock_guard guard(record->lock);
  *exitCode = record->exitCode;
  return TRUE;
}

DWORD WaitForSingleObject(HANDLE object, DWORD milliseconds) {
  std::shared_ptr<ThreadRecord> record = FindThread(object);
  if (!record) {
    SetLastError(ERROR_INVALID_HANDLE);
    return WAIT_FAILED;
  }
  // A stand-in thread asked to stop waits for nothing any more.
  if (ThreadStopRequested()) return WAIT_FAILED;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  std::unique_lock guard(record->lock);
  for (;;) {
    if (record->done) return WAIT_OBJECT_0;
    auto slice = std::chrono::steady_clock::time_point::max();
    if (current != nullptr) slice = std::chrono::steady_clock::now() + kStopCheck;
    if (milliseconds != INFINITE) slice = std::min(slice, deadline);
    if (slice == std::chrono::steady_clock::time_point::max()) {
      record->changed.wait(guard, [&] { return record->done; });
    } else {
      record->changed.wait_until(guard, slice, [&] { return record->done; });
    }
    if (record->done) return WAIT_OBJECT_0;
    if (ThreadStopRequested()) return WAIT_FAILED;
    if (milliseconds != INFINITE && std::chrono::steady_clock::now() >= deadline) {
      return WAIT_TIMEOUT;
    }
  }
}

BOOL CloseHandle(HANDLE object) {
  if (object == GetCurrentProcess()) return TRUE;  // a pseudo handle: nothing to close
  std::shared_ptr<ThreadRecord> record;
  {
    internal::KernelTable& table = internal::Kernel();
    std::lock_guard guard(table.lock);
    auto it = table.threads.find(object);
    if (it == table.threads.end()) {
      SetLastError(ERROR_INVALID_HANDLE);
      return FALSE;
    }
    record = it->second;
    table.threads.erase(it);
  }
  std::unique_lock guard(record->lock);
  if (record->attached) {
    record->attached = false;
    const bool self = record.get() == current;
    const bool done = record->done;
    guard.unlock();
    // An ended thread is joined; a running one goes on detached and frees itself when done.
    if (done && !self) {
      pthread_join(record->thread, nullptr);
    } else {
      pthread_detach(record->thread);
    }
  }
  return TRUE;
}

}  // namespace win32
