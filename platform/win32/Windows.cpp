// Creating and destroying windows, and walking the window tree.
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "platform/win32/Kernel.h"
#include "platform/win32/Window.h"
#include "platform/win32/internal/PeerWidget.h"
#include "platform/win32/internal/WindowOps.h"

namespace win32 {

using internal::Find;
using internal::Gui;
using internal::Lookup;
using internal::State;
using internal::WindowRecord;

namespace {

QRect PrimaryScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen == nullptr ? QRect() : screen->geometry();
}

// CW_USEDEFAULT for an overlapped window: a place and size of the stand-in's choosing inside the
// primary screen; for any other window it means 0.
void DefaultPlace(bool overlapped, int& x, int& y, int& width, int& height) {
  const QRect screen = PrimaryScreen();
  if (x == CW_USEDEFAULT) {
    x = overlapped ? screen.x() + screen.width() / 8 : 0;
    y = overlapped ? screen.y() + screen.height() / 8 : 0;
  }
  if (width == CW_USEDEFAULT) {
    width = overlapped ? screen.width() * 3 / 4 : 0;
    height = overlapped ? screen.height() * 3 / 4 : 0;
  }
  width = std::max(width, 0);
  height = std::max(height, 0);
}

bool IsTopmost(HWND window) {
  WindowRecord* record = Find(window);
  return record != nullptr && (record->exStyle & WS_EX_TOPMOST) != 0;
}

// Takes the window out of every table once its last message has been sent.
void Release(HWND handle) {
  State* state = Gui();
  WindowRecord* record = Find(handle);
  if (state == nullptr || record == nullptr) return;
  internal::UnlinkZ(*record);
  internal::ForgetTimers(handle);
  internal::ForgetCaret(handle);
  internal::ForgetInput(handle);
  record->cls->windowCount--;
  state->windows.erase(handle);
}

// WM_DESTROY goes to the window first and then down to its children, which all still exist
// while the parent handles it.
void SendDestroy(HWND handle) {
  WindowRecord* record = Find(handle);
  if (record == nullptr || record->destroying) return;
  record->destroying = true;
  record->style &= ~WS_VISIBLE;
  if (record->peer) record->peer->hide();
  SendMessageA(handle, WM_DESTROY, 0, 0);
  record = Find(handle);
  if (record == nullptr) return;
  const std::vector<HWND> children = record->children;
  for (HWND child : children) SendDestroy(child);
}

// WM_NCDESTROY goes to the children first; each window leaves the tables after its own.
void Free(HWND handle) {
  WindowRecord* record = Find(handle);
  if (record == nullptr) return;
  const std::vector<HWND> children = record->children;
  for (HWND child : children) {
    SendDestroy(child);  // a child made while its parent was being destroyed
    Free(child);
  }
  SendMessageA(handle, WM_NCDESTROY, 0, 0);
  Release(handle);
}

}  // namespace

namespace internal {

std::vector<HWND>* SiblingsOf(WindowRecord& window) {
  State* state = Gui();
  if (state == nullptr || window.handle == state->desktop) return nullptr;
  if (window.parent == nullptr) return &state->topLevels;
  WindowRecord* parent = Find(window.parent);
  return parent == nullptr ? nullptr : &parent->children;
}

void UnlinkZ(WindowRecord& window) {
  std::vector<HWND>* list = SiblingsOf(window);
  if (list != nullptr) std::erase(*list, window.handle);
}

void LinkZ(WindowRecord& window, ZPlace place, HWND after) {
  std::vector<HWND>* list = SiblingsOf(window);
  if (list == nullptr) return;
  std::erase(*list, window.handle);
  // Top-level windows keep the topmost band above the others.
  const bool banded = window.parent == nullptr;
  const bool topmost = (window.exStyle & WS_EX_TOPMOST) != 0;
  auto bandBegin = list->begin();
  auto bandEnd = list->end();
  if (banded) {
    auto split = std::find_if(list->begin(), list->end(), [](HWND h) { return !IsTopmost(h); });
    if (topmost) {
      bandEnd = split;
    } else {
      bandBegin = split;
    }
  }
  auto at = place == ZPlace::Bottom ? bandEnd : bandBegin;
  if (place == ZPlace::After) {
    auto found = std::find(bandBegin, bandEnd, after);
    at = found == bandEnd ? bandBegin : found + 1;
  }
  list->insert(at, window.handle);
}

bool IsSelfOrDescendant(HWND window, HWND ancestor) {
  for (WindowRecord* r = Find(window); r != nullptr; r = Find(r->parent)) {
    if (r->handle == ancestor) return true;
  }
  return false;
}

}  // namespace internal

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param) {
  State* state = Gui();
  if (state == nullptr) return nullptr;
  std::shared_ptr<internal::ClassRecord> cls = internal::FindClass(className, instance);
  if (!cls) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  const bool child = (style & WS_CHILD) != 0;
  if (parent == state->desktop) parent = nullptr;
  HWND owner = nullptr;
  if (child && parent == nullptr) {
    SetLastError(ERROR_TLW_WITH_WSCHILD);
    return nullptr;
  }
  if (parent != nullptr) {
    WindowRecord* parentRecord = Lookup(parent);
    if (parentRecord == nullptr) return nullptr;
    if (!child) {
      // A top-level window given a parent is owned by that window's top-level window.
      owner = internal::TopLevelOf(parentRecord)->handle;
      parent = nullptr;
    }
  }
  if (!child && qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    // A peer needs Qt widgets.
    SetLastError(ERROR_INVALID_FUNCTION);
    return nullptr;
  }
  // An overlapped window always has a caption.
  if (!child && !(style & WS_POPUP)) style |= WS_CLIPSIBLINGS | WS_CAPTION;
  DefaultPlace(!child && !(style & WS_POPUP), x, y, width, height);

  auto owned = std::make_unique<WindowRecord>();
  WindowRecord& record = *owned;
  const HWND handle = internal::NewHandle<HWND>();
  record.handle = handle;
  record.cls = cls;
  record.proc = cls->info.lpfnWndProc;
  record.style = style & ~WS_VISIBLE;  // shown after WM_CREATE
  record.exStyle = exStyle;
  record.id = child ? reinterpret_cast<LONG_PTR>(menu) : 0;
  record.instance = instance;
  record.parent = parent;
  record.owner = owner;
  record.rect = RECT{x, y, x + width, y + height};
  record.extra.assign(std::size_t(cls->info.cbWndExtra), 0);
  cls->windowCount++;
  state->windows.emplace(handle, std::move(owned));
  // A new child goes below its older siblings, so creation order is the order from the top (and
  // a dialog's controls keep their template order); a new top-level window goes on top.
  internal::LinkZ(record, child ? internal::ZPlace::Bottom : internal::ZPlace::Top);
  if (!child) {
    record.peer.reset(new internal::PeerWidget(handle));
    record.peer->ApplyStyle();
  }

  CREATESTRUCTA create{param,       instance,   menu,      parent != nullptr ? parent : owner,
                       height,      width,      y,         x,
                       LONG(style), windowName, className, exStyle};
  if (SendMessageA(handle, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create)) == 0) {
    Free(handle);
    return nullptr;
  }
  if (Find(handle) == nullptr) return nullptr;
  if (SendMessageA(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
    DestroyWindow(handle);
    return nullptr;
  }
  WindowRecord* created = Find(handle);
  if (created == nullptr) return nullptr;
  const SIZE client = internal::ClientSize(*created);
  // WM_MOVE gives the client area's origin in the parent's client coordinates (a top-level
  // window's parent is the screen).
  const POINT origin =
      child ? POINT{created->rect.left, created->rect.top} : internal::ClientOrigin(*created);
  SendMessageA(handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.cx, client.cy));
  if (Find(handle) == nullptr) return nullptr;
  SendMessageA(handle, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
  if (Find(handle) == nullptr) return nullptr;
  if (style & WS_VISIBLE) ShowWindow(handle, SW_SHOW);
  return Find(handle) == nullptr ? nullptr : handle;
}

BOOL DestroyWindow(HWND window) {
  State* state = Gui();
  WindowRecord* record = Lookup(window);
  if (state == nullptr || record == nullptr) return FALSE;
  if (window == state->desktop) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (record->destroying) return TRUE;  // already on its way; asked again from its handlers
  if (internal::IsTopLevel(*record)) {
    std::vector<HWND> owned;
    for (HWND top : state->topLevels) {
      WindowRecord* r = Find(top);
      if (r != nullptr && r->owner == window) owned.push_back(top);
    }
    for (HWND h : owned) DestroyWindow(h);
  }
  SendDestroy(window);
  Free(window);
  return TRUE;
}

BOOL IsWindow(HWND window) {
  return Find(window) != nullptr ? TRUE : FALSE;
}

HWND GetParent(HWND window) {
  WindowRecord* record = Lookup(window);
  if (record == nullptr) return nullptr;
  if (record->parent != nullptr) return record->parent;
  // A top-level popup reports its owner; an overlapped window has no parent.
  return (record->style & WS_POPUP) ? record->owner : nullptr;
}

HWND GetWindow(HWND window, UINT relation) {
  State* state = Gui();
  WindowRecord* record = Lookup(window);
  if (state == nullptr || record == nullptr) return nullptr;
  if (relation == GW_CHILD) {
    const std::vector<HWND>& children =
        window == state->desktop ? state->topLevels : record->children;
    return children.empty() ? nullptr : children.front();
  }
  if (relation == GW_OWNER) return record->owner;
  if (relation > GW_CHILD) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  std::vector<HWND>* siblings = internal::SiblingsOf(*record);
  if (siblings == nullptr || siblings->empty()) return nullptr;
  auto at = std::find(siblings->begin(), siblings->end(), window);
  switch (relation) {
    case GW_HWNDFIRST:
      return siblings->front();
    case GW_HWNDLAST:
      return siblings->back();
    case GW_HWNDNEXT:
      return at == siblings->end() || at + 1 == siblings->end() ? nullptr : *(at + 1);
    default:  // GW_HWNDPREV
      return at == siblings->end() || at == siblings->begin() ? nullptr : *(at - 1);
  }
}

HWND GetDesktopWindow() {
  State* state = Gui();
  return state == nullptr ? nullptr : state->desktop;
}

}  // namespace win32
