// The platform's own state: created on first use on the GUI thread; its Qt objects are released
// by a post routine while the Qt application still exists, so nothing of Qt outlives it.
#include "platform/win32/internal/State.h"

#include <QCoreApplication>
#include <QThread>
#include <atomic>

#include "platform/win32/Kernel.h"
#include "platform/win32/internal/Builtin.h"
#include "platform/win32/internal/GdiTable.h"
#include "platform/win32/internal/PeerWidget.h"

namespace win32::internal {

namespace {

void AddDesktop(State& state) {
  auto cls = std::make_shared<ClassRecord>();
  cls->name = "#32769";
  cls->system = true;
  cls->info.cbSize = sizeof(WNDCLASSEXA);
  cls->info.lpfnWndProc = DefWindowProcA;
  cls->info.lpszClassName = cls->name.c_str();
  cls->atom = 32769;
  cls->windowCount = 1;
  auto record = std::make_unique<WindowRecord>();
  record->handle = NewHandle<HWND>();
  record->cls = cls;
  record->proc = DefWindowProcA;
  record->style = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  state.desktop = record->handle;
  state.windows.emplace(record->handle, std::move(record));
}

void AddStockObjects(State& state) {
  auto font = std::make_unique<GdiObject>();
  font->kind = GdiKind::Font;
  font->stock = true;
  font->font = DefaultGuiLogFont();
  state.stockFont = NewHandle<HGDIOBJ>();
  state.objects.emplace(state.stockFont, std::move(font));
  // A memory DC starts with this 1 x 1 monochrome bitmap selected.
  auto bitmap = std::make_unique<GdiObject>();
  bitmap->kind = GdiKind::Bitmap;
  bitmap->stock = true;
  bitmap->width = 1;
  bitmap->height = 1;
  bitmap->bitCount = 1;
  bitmap->stride = 2;
  state.stockBitmap = NewHandle<HGDIOBJ>();
  state.objects.emplace(state.stockBitmap, std::move(bitmap));
}

State* Instance() {
  static State state;
  return &state;
}

// Runs inside the Qt application's destructor, before its widgets go: every peer and the timer
// host are deleted while Qt can still take them.
void ReleaseQt() {
  State* state = Instance();
  state->releasingQt = true;
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  for (auto& [handle, record] : state->windows) {
    record->peer.reset();
  }
  state->drag.reset();
  state->timers.clear();
  state->timerHost.reset();
  state->releasingQt = false;
  state->qtHooked = false;
}

}  // namespace

State::State() {
  AddDesktop(*this);
  AddStockObjects(*this);
  AddBuiltinClasses(*this);
}

State::~State() {
  // Static destruction comes after the Qt application has gone: whatever Qt object is left is
  // let go without touching Qt.
  for (auto& [handle, record] : windows) {
    (void)record->peer.release();
  }
  (void)drag.release();
  (void)timerHost.release();
}

State* Gui() {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr || QThread::currentThread() != app->thread()) return nullptr;
  State* state = Instance();
  if (!state->qtHooked) {
    qAddPostRoutine(ReleaseQt);
    state->qtHooked = true;
  }
  return state;
}

std::uintptr_t NewHandleValue() {
  // Above the module handle and the small values the API gives meanings to (HWND_TOPMOST...).
  static std::atomic<std::uintptr_t> next{0x1000000};
  return next.fetch_add(4);
}

KernelTable& Kernel() {
  static KernelTable table;
  return table;
}

WindowRecord* Find(HWND window) {
  State* state = Gui();
  if (state == nullptr || window == nullptr) return nullptr;
  auto it = state->windows.find(window);
  return it == state->windows.end() ? nullptr : it->second.get();
}

WindowRecord* Lookup(HWND window) {
  WindowRecord* record = Find(window);
  if (record == nullptr) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return record;
}

GdiObject* FindObject(HGDIOBJ object) {
  State* state = Gui();
  if (state == nullptr || object == nullptr) return nullptr;
  auto it = state->objects.find(object);
  return it == state->objects.end() ? nullptr : it->second.get();
}

DcRecord* FindDc(HDC dc) {
  State* state = Gui();
  if (state == nullptr || dc == nullptr) return nullptr;
  auto it = state->dcs.find(dc);
  return it == state->dcs.end() ? nullptr : it->second.get();
}

bool IsTopLevel(const WindowRecord& window) {
  return window.parent == nullptr;
}

WindowRecord* TopLevelOf(WindowRecord* window) {
  while (window != nullptr && window->parent != nullptr) window = Find(window->parent);
  return window;
}

std::string Folded(LPCSTR text) {
  std::string folded = text == nullptr ? std::string() : std::string(text);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  }
  return folded;
}

}  // namespace win32::internal
