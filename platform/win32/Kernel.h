#pragma once
// Kernel services of the Win32 stand-in: tick count, sleeping, the working set, handles and
// threads.

#include "platform/win32/Types.h"

namespace win32 {

using LPTHREAD_START_ROUTINE = DWORD (*)(LPVOID);

inline constexpr DWORD INFINITE = 0xFFFFFFFF;
inline constexpr DWORD WAIT_OBJECT_0 = 0x00000000;
inline constexpr DWORD WAIT_TIMEOUT = 0x00000102;
inline constexpr DWORD WAIT_FAILED = 0xFFFFFFFF;
inline constexpr DWORD STILL_ACTIVE = 0x00000103;
inline constexpr DWORD CREATE_SUSPENDED = 0x00000004;

// Error codes that GetLastError reports after a failed call.
inline constexpr DWORD ERROR_SUCCESS = 0;
inline constexpr DWORD ERROR_INVALID_FUNCTION = 1;
inline constexpr DWORD ERROR_ACCESS_DENIED = 5;
inline constexpr DWORD ERROR_INVALID_HANDLE = 6;
inline constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
inline constexpr DWORD ERROR_INVALID_PARAMETER = 87;
inline constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
inline constexpr DWORD ERROR_MOD_NOT_FOUND = 126;
inline constexpr DWORD ERROR_INVALID_FLAGS = 1004;
inline constexpr DWORD ERROR_NO_UNICODE_TRANSLATION = 1113;
inline constexpr DWORD ERROR_INVALID_WINDOW_HANDLE = 1400;
inline constexpr DWORD ERROR_TLW_WITH_WSCHILD = 1406;
inline constexpr DWORD ERROR_CANNOT_FIND_WND_CLASS = 1407;
inline constexpr DWORD ERROR_CLASS_ALREADY_EXISTS = 1410;
inline constexpr DWORD ERROR_CLASS_DOES_NOT_EXIST = 1411;
inline constexpr DWORD ERROR_CLASS_HAS_WINDOWS = 1412;
inline constexpr DWORD ERROR_INVALID_INDEX = 1413;
inline constexpr DWORD ERROR_RESOURCE_NAME_NOT_FOUND = 1814;

// Milliseconds since an arbitrary start, wrapping at 2^32.
DWORD GetTickCount();
void Sleep(DWORD milliseconds);

HANDLE GetCurrentProcess();
// On Linux: gives the heap's free pages back to the system; (SIZE_T)-1 twice trims as far as it can.
BOOL SetProcessWorkingSetSize(HANDLE process, SIZE_T minimum, SIZE_T maximum);

DWORD GetLastError();
void SetLastError(DWORD error);

// Threads. TerminateThread asks the thread to stop and waits for it: the stop takes effect at the
// thread's next Sleep or WaitForSingleObject (or check of ThreadStopRequested), which then ends
// the thread with the given exit code. It is never an asynchronous kill.
// Why cooperative: a thread cannot be ended from outside without unwinding (or skipping) the C++
// frames of its body, and the system's code uses no exceptions, pthread_cancel or longjmp. So the
// contract for a body run by CreateThread is: in its loops it calls Sleep or WaitForSingleObject
// (which return at once once a stop is asked for) or tests ThreadStopRequested(), and returns
// when a stop is asked for. Whatever it returns then, its exit code is TerminateThread's.
HANDLE CreateThread(LPVOID security, SIZE_T stackSize, LPTHREAD_START_ROUTINE start,
                    LPVOID parameter, DWORD flags, DWORD* threadId);
BOOL TerminateThread(HANDLE thread, DWORD exitCode);
// Starts a thread created with CREATE_SUSPENDED; returns the previous suspend count (1), 0 for a
// running thread, (DWORD)-1 for a handle that is no thread.
DWORD ResumeThread(HANDLE thread);
BOOL GetExitCodeThread(HANDLE thread, DWORD* exitCode);
DWORD WaitForSingleObject(HANDLE object, DWORD milliseconds);
BOOL CloseHandle(HANDLE object);
// True inside a stand-in thread whose TerminateThread has been asked for.
bool ThreadStopRequested();

}  // namespace win32
