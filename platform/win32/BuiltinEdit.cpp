// The built-in "EDIT" class: one line of GBK text with a caret. Typed WM_CHAR bytes are inserted
// at the caret (a double-byte character once its trail byte has come), Backspace and Delete
// remove a whole character, Left/Right/Home/End move over whole characters. While it has the
// focus it owns the caret, placed at (width of the text before it in the window's font, 0).
#include <QFontMetrics>
#include <algorithm>

#include "platform/win32/Timer.h"
#include "platform/win32/internal/Builtin.h"
#include "platform/win32/internal/GdiTable.h"
#include "platform/win32/internal/Text.h"
#include "platform/win32/internal/WindowOps.h"

namespace win32::internal {

namespace {

bool IsTrailByte(unsigned char byte) {
  return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

// Where each character of the text starts, and the end.
std::vector<std::size_t> Boundaries(const std::string& text) {
  std::vector<std::size_t> at;
  std::size_t i = 0;
  while (i < text.size()) {
    at.push_back(i);
    const bool pair = IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
    i += pair ? 2 : 1;
  }
  at.push_back(text.size());
  return at;
}

std::size_t Previous(const std::string& text, std::size_t caret) {
  std::size_t result = 0;
  for (std::size_t b : Boundaries(text)) {
    if (b >= caret) break;
    result = b;
  }
  return result;
}

std::size_t Next(const std::string& text, std::size_t caret) {
  for (std::size_t b : Boundaries(text)) {
    if (b > caret) return b;
  }
  return text.size();
}

int CaretX(HWND window, const WindowRecord& record) {
  const QFontMetrics metrics(WindowFont(window));
  return metrics.horizontalAdvance(ToQString(
      std::string_view(record.text).substr(0, std::min(record.builtin.caret, record.text.size()))));
}

void PlaceCaret(HWND window) {
  WindowRecord* record = Find(window);
  State* state = Gui();
  if (record == nullptr || state == nullptr || state->caret.owner != window) return;
  SetCaretPos(CaretX(window, *record), 0);
}

void Insert(HWND window, WindowRecord& record, std::string_view bytes) {
  std::size_t& caret = record.builtin.caret;
  caret = std::min(caret, record.text.size());
  std::string text = record.text;
  text.insert(caret, bytes);
  caret += bytes.size();
  StoreText(record, std::move(text));
  PlaceCaret(window);
}

void Erase(HWND window, WindowRecord& record, std::size_t from, std::size_t to) {
  if (from >= to) return;
  std::string text = record.text;
  text.erase(from, to - from);
  record.builtin.caret = from;
  StoreText(record, std::move(text));
  PlaceCaret(window);
}

void Char(HWND window, WindowRecord& record, unsigned char byte) {
  std::size_t& caret = record.builtin.caret;
  caret = std::min(caret, record.text.size());
  if (record.builtin.pendingLead >= 0) {
    const char lead = char(record.builtin.pendingLead);
    record.builtin.pendingLead = -1;
    if (IsTrailByte(byte)) {
      const char pair[2] = {lead, char(byte)};
      Insert(window, record, std::string_view(pair, 2));
      return;
    }
    // A lead byte without its trail byte is dropped; the byte counts on its own.
  }
  if (byte == 0x08) {
    Erase(window, record, Previous(record.text, caret), caret);
  } else if (IsLeadByte(byte)) {
    record.builtin.pendingLead = byte;
  } else if (byte >= 0x20 && byte != 0x7F) {
    const char one = char(byte);
    Insert(window, record, std::string_view(&one, 1));
  }
  // Other control characters (Enter, Esc, Tab...) do nothing in one line of text.
}

void Key(HWND window, WindowRecord& record, WPARAM key) {
  std::size_t& caret = record.builtin.caret;
  caret = std::min(caret, record.text.size());
  switch (key) {
    case VK_LEFT:
      caret = Previous(record.text, caret);
      break;
    case VK_RIGHT:
      caret = Next(record.text, caret);
      break;
    case VK_HOME:
      caret = 0;
      break;
    case VK_END:
      caret = record.text.size();
      break;
    case VK_DELETE:
      Erase(window, record, caret, Next(record.text, caret));
      return;
    default:
      return;
  }
  PlaceCaret(window);
}

// The character boundary nearest to a client x coordinate.
std::size_t CaretAt(HWND window, const WindowRecord& record, int x) {
  const QFontMetrics metrics(WindowFont(window));
  std::size_t best = 0;
  int bestDistance = std::abs(x);
  for (std::size_t b : Boundaries(record.text)) {
    const int at = metrics.horizontalAdvance(ToQString(std::string_view(record.text).substr(0, b)));
    if (std::abs(x - at) < bestDistance) {
      best = b;
      bestDistance = std::abs(x - at);
    }
  }
  return best;
}

}  // namespace

LRESULT EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowRecord* record = Lookup(window);
  if (record == nullptr) return 0;
  switch (message) {
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
      if ((record = Find(window)) == nullptr) return result;
      record->builtin.caret = 0;
      record->builtin.pendingLead = -1;
      PlaceCaret(window);
      return result;
    }
    case WM_CHAR:
      Char(window, *record, static_cast<unsigned char>(wParam));
      return 0;
    case WM_KEYDOWN:
      Key(window, *record, wParam);
      return 0;
    case WM_SETFOCUS:
      CreateCaret(window, nullptr, 1, QFontMetrics(WindowFont(window)).height());
      PlaceCaret(window);
      ShowCaret(window);
      return 0;
    case WM_KILLFOCUS:
      if (Gui() != nullptr && Gui()->caret.owner == window) {
        HideCaret(window);
        DestroyCaret();
      }
      return 0;
    case WM_LBUTTONDOWN:
      if (GetFocus() != window) SetFocus(window);
      if ((record = Find(window)) == nullptr) return 0;
      record->builtin.caret = CaretAt(window, *record, GET_X_LPARAM(lParam));
      PlaceCaret(window);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace win32::internal
