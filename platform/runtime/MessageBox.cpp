// ShowMessage: a Qt message box with the title, the text, the exclamation (warning) icon when
// asked, one OK button, no parent, modal for every window of the tool.
#include <QMessageBox>

#include "platform/runtime/Runtime.h"
#include "platform/runtime/internal/GbkText.h"

namespace runtime {

void ShowMessage(const Text& text, const Text& title, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                  internal::GbkToQString(title), internal::GbkToQString(text), QMessageBox::Ok,
                  nullptr);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace runtime
