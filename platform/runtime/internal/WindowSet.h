#pragma once
// The window runtime's process-wide state, kept in this one place: the window set with its
// last-window rule, the one exit routine, the nesting of running handlers, destructions requested
// from handlers, and the Qt application when the runtime made it. A destroyed window leaves the
// set at once but its object is freed only once no handler runs, so a handler's Window& stays
// valid memory until it returns.

#include <QApplication>
#include <memory>
#include <vector>

#include "platform/win32/Types.h"

namespace runtime::internal {

class FormWindow;

class WindowSet {
 public:
  static WindowSet& Instance();

  void Add(std::unique_ptr<FormWindow> window);
  FormWindow* Find(win32::HWND handle) const;
  // The window has been destroyed: out of the set now; when the set is empty and the message
  // loop has been entered, the loop is asked to end with 0.
  void Remove(win32::HWND handle);
  bool Empty() const { return windows_.empty(); }
  // Destroys every window still in the set (end of the tool).
  void DestroyAll();

  void SetLoopEntered(bool entered) { loopEntered_ = entered; }

  // A new routine may run once again.
  void SetExitRoutine(void (*routine)());
  void RunExitRoutineOnce();

  // Handlers run between these two; see HandlerScope.
  void EnterHandler() { ++handlerDepth_; }
  void LeaveHandler();
  // DestroyWindow once the running handler (if any) has returned.
  void RequestDestroy(win32::HWND handle);

  void AdoptApplication(std::unique_ptr<QApplication> application);
  void ReleaseApplication();

 private:
  WindowSet() = default;
  void PostFlush();
  void Flush();

  std::vector<std::unique_ptr<FormWindow>> windows_;
  std::vector<std::unique_ptr<FormWindow>> destroyed_;  // freed when no handler runs
  std::vector<win32::HWND> destroyRequests_;
  void (*exitRoutine_)() = nullptr;
  bool exitRoutineRan_ = false;
  bool loopEntered_ = false;
  bool flushPosted_ = false;
  int handlerDepth_ = 0;
  std::unique_ptr<QApplication> application_;
};

// Marks a handler as running for as long as it lives.
class HandlerScope {
 public:
  HandlerScope() { WindowSet::Instance().EnterHandler(); }
  ~HandlerScope() { WindowSet::Instance().LeaveHandler(); }
  HandlerScope(const HandlerScope&) = delete;
  HandlerScope& operator=(const HandlerScope&) = delete;
};

}  // namespace runtime::internal
