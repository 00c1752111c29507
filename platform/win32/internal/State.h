#pragma once
// Inside the stand-in only: the platform's own state, kept in this one place — the window and
// class tables, the GDI tables, timers, the caret, focus, capture and mouse tracking (GUI thread
// only), and the kernel's thread handles (any thread, under their own lock). Every handle value
// comes from one counter and is never handed out twice.

#include <QImage>
#include <QObject>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/win32/Gdi.h"
#include "platform/win32/Timer.h"
#include "platform/win32/Window.h"

namespace win32::internal {

class PeerWidget;
// Hides the peer at once and deletes it once the running Qt event handler has returned.
struct PeerRelease {
  void operator()(PeerWidget* peer) const;
};

struct ClassRecord {
  WNDCLASSEXA info{};  // as registered; lpszClassName and lpszMenuName point into the copies
  std::string name;
  std::string menuName;
  ATOM atom{0};
  bool system{false};  // a built-in class ("BUTTON", "EDIT"), found for every instance
  int windowCount{0};
};

// The frame the platform draws around a top-level window's client area.
struct Margins {
  int left{0};
  int top{0};
  int right{0};
  int bottom{0};
  friend bool operator==(const Margins&, const Margins&) = default;
};

// What the built-in EDIT and BUTTON procedures keep of their own.
struct BuiltinState {
  std::size_t caret{0};  // EDIT: byte index of the caret in the text
  int pendingLead{-1};   // EDIT: lead byte of a double-byte character waiting for its trail byte
  bool pressed{false};   // BUTTON: left button went down over it and is still held
};

struct WindowRecord {
  HWND handle{nullptr};
  std::shared_ptr<ClassRecord> cls;
  WNDPROC proc{nullptr};
  DWORD style{0};
  DWORD exStyle{0};
  LONG_PTR id{0};
  LONG_PTR userData{0};
  HINSTANCE instance{nullptr};
  HWND parent{nullptr};        // null for a top-level window
  HWND owner{nullptr};         // top-level windows only
  std::vector<HWND> children;  // top of the Z order first
  RECT rect{};       // outer: screen coordinates (top-level), parent's client coordinates (child)
  std::string text;  // GBK bytes
  HFONT font{nullptr};
  std::map<std::string, HANDLE> props;  // key: the name in lower case, or "#n" for an atom
  std::vector<BYTE> extra;              // cbWndExtra bytes
  bool destroying{false};
  Margins margins;  // the frame the peer reports; zero for frameless windows
  std::unique_ptr<PeerWidget, PeerRelease> peer;  // top-level windows only
  std::unique_ptr<QImage> picture;                // a layered window's presented picture
  BuiltinState builtin;
};

enum class GdiKind { Bitmap, Font };

struct GdiObject {
  GdiKind kind{GdiKind::Bitmap};
  bool stock{false};
  // Bitmaps.
  int width{0};
  int height{0};  // as given: positive = bottom-up
  int bitCount{0};
  int stride{0};
  std::vector<std::uint8_t> bits;
  HDC selectedInto{nullptr};
  // Fonts.
  LOGFONTA font{};
};

enum class DcKind { Window, Memory };

struct DcRecord {
  DcKind kind{DcKind::Memory};
  HWND window{nullptr};  // window DCs; null for the screen
  HGDIOBJ bitmap{nullptr};
  HGDIOBJ font{nullptr};
};

struct TimerRecord {
  HWND window{nullptr};
  UINT_PTR id{0};
  TIMERPROC proc{nullptr};
  int qtTimer{0};
};

struct Caret {
  HWND owner{nullptr};  // null: no caret
  HBITMAP bitmap{nullptr};
  int width{0};
  int height{0};
  POINT pos{0, 0};
  int hideLevel{1};  // 0 = shown; a new caret starts hidden
};

struct Tracking {
  HWND window{nullptr};  // the window that gets one WM_MOUSELEAVE, or null
  DWORD flags{0};
  DWORD hoverTime{0};
};

// The state of the routed mouse: where it was last seen and over which window.
struct MouseState {
  HWND over{nullptr};
  QPoint global;
  Qt::MouseButtons buttons;
};

struct State {
  State();
  ~State();
  State(const State&) = delete;
  State& operator=(const State&) = delete;

  std::unordered_map<HWND, std::unique_ptr<WindowRecord>> windows;
  HWND desktop{nullptr};
  std::vector<HWND> topLevels;  // the desktop's children, top of the Z order first
  std::vector<std::shared_ptr<ClassRecord>> classes;
  ATOM nextAtom{0xC000};
  std::map<ULONG_PTR, HCURSOR> cursors;

  std::unordered_map<HGDIOBJ, std::unique_ptr<GdiObject>> objects;
  std::unordered_map<HDC, std::unique_ptr<DcRecord>> dcs;
  HGDIOBJ stockFont{nullptr};
  HGDIOBJ stockBitmap{nullptr};

  std::vector<TimerRecord> timers;
  std::unique_ptr<QObject> timerHost;  // receives the Qt timer events of every window timer
  UINT_PTR nextThreadTimerId{1};

  Caret caret;
  HWND focus{nullptr};
  HWND capture{nullptr};
  Tracking tracking;
  MouseState mouse;
  std::unique_ptr<QObject> drag;  // the manual caption drag in progress, if any

  bool qtHooked{false};     // the post routine that releases Qt objects at application end is set
  bool releasingQt{false};  // that routine is running: peers are deleted at once
};

// The kernel's thread handles; used from any thread, under `lock`.
struct ThreadRecord;
struct KernelTable {
  std::mutex lock;
  std::unordered_map<HANDLE, std::shared_ptr<ThreadRecord>> threads;
};
KernelTable& Kernel();

// The GUI thread's state. Null (and nothing is created) when called from another thread or
// before the Qt application exists.
State* Gui();
// A new handle value; never one given out before (any thread).
std::uintptr_t NewHandleValue();
template <class H>
H NewHandle() {
  return reinterpret_cast<H>(NewHandleValue());
}

// The window record of a live window (being destroyed included), or null with
// ERROR_INVALID_WINDOW_HANDLE. Find does the same without touching the last error.
WindowRecord* Lookup(HWND window);
WindowRecord* Find(HWND window);
// The top-level window that holds `window` (itself for a top-level window).
WindowRecord* TopLevelOf(WindowRecord* window);
bool IsTopLevel(const WindowRecord& window);

// Lower-case ASCII copy: class and property names are compared without case.
std::string Folded(LPCSTR text);
// True when a name argument is an atom (MAKEINTATOM) rather than a string.
inline bool IsAtomName(LPCSTR name) {
  return reinterpret_cast<ULONG_PTR>(name) <= 0xFFFF;
}

}  // namespace win32::internal
