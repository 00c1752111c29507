#pragma once
// The runtime's Qt edge for texts: GBK bytes to QString and back through the Win32 stand-in's
// code page 936. Bytes that are not GBK show as U+FFFD; characters GBK cannot hold become '?'.
// ExactText keeps the bytes the system wrote beside the string a widget shows for them, so that
// reading a control back gives those bytes while the widget still shows that string.

#include <QString>
#include <string>
#include <string_view>

namespace runtime::internal {

QString GbkToQString(std::string_view gbk);
std::string QStringToGbk(const QString& text);

class ExactText {
 public:
  // `shown` is the widget's own text right after it was given `bytes`.
  void Remember(std::string bytes, QString shown) {
    bytes_ = std::move(bytes);
    shown_ = std::move(shown);
  }
  // The written bytes while the widget still shows what they were shown as, else its text.
  std::string Read(const QString& current) const {
    return Shows(current) ? bytes_ : QStringToGbk(current);
  }
  bool Shows(const QString& current) const { return current == shown_; }
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
  QString shown_;
};

}  // namespace runtime::internal
