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
HANDLE CreateThread(LPVOID security, SIZE_T stackSize, LPTHREAD_START_ROUTINE start,
                    LPVOID parameter, DWORD flags, DWORD* threadId);
BOOL TerminateThread(HANDLE thread, DWORD exitCode);
BOOL GetExitCodeThread(HANDLE thread, DWORD* exitCode);
DWORD WaitForSingleObject(HANDLE object, DWORD milliseconds);
BOOL CloseHandle(HANDLE object);
// True inside a stand-in thread whose TerminateThread has been asked for.
bool ThreadStopRequested();

}  // namespace win32
