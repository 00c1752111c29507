#include "platform/runtime/internal/GbkText.h"

#include <climits>

#include "platform/win32/CodePage.h"

namespace runtime::internal {

QString GbkToQString(std::string_view gbk) {
  if (gbk.empty() || gbk.size() > INT_MAX) return {};
  const int length = static_cast<int>(gbk.size());
  const int units = win32::MultiByteToWideChar(win32::CP_GBK, 0, gbk.data(), length, nullptr, 0);
  if (units <= 0) return {};
  std::u16string wide(static_cast<std::size_t>(units), u'\0');
  win32::MultiByteToWideChar(win32::CP_GBK, 0, gbk.data(), length, wide.data(), units);
  return QString::fromUtf16(wide.data(), units);
}

std::string QStringToGbk(const QString& text) {
  if (text.isEmpty()) return {};
  const auto* wide = reinterpret_cast<const char16_t*>(text.utf16());
  const int length = static_cast<int>(text.size());
  const int size =
      win32::WideCharToMultiByte(win32::CP_GBK, 0, wide, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string bytes(static_cast<std::size_t>(size), '\0');
  win32::WideCharToMultiByte(win32::CP_GBK, 0, wide, length, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

}  // namespace runtime::internal
