// Answering the modal message box, file dialog and popup menu that an action opens: a timer
// polls for the dialog every 10 ms (it fires inside the dialog's own event loop), records what
// the dialog shows and answers it the way a user would.
#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QItemSelectionModel>
#include <QAbstractItemView>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <memory>

#include "platform/runtime/internal/GbkText.h"
#include "platform/win32/Window.h"
#include "platform/win32/internal/Peer.h"
#include "tests/support/runtime/RuntimeTestSupport.h"

namespace runtime::test {

using internal::GbkToQString;
using internal::QStringToGbk;

namespace {

constexpr int kPollMilliseconds = 10;
constexpr int kGiveUpMilliseconds = 10000;

// Calls `answer` with the widget `find` gives, once it gives one; gives up after ten seconds, or
// as soon as `keepWatching` says so.
void PollFor(std::function<QWidget*()> find, std::function<void(QWidget*)> answer,
             std::function<bool()> keepWatching = [] { return true; }) {
  auto* timer = new QTimer(qApp);
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  timer->setInterval(kPollMilliseconds);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, find, answer, keepWatching] {
    if (QWidget* widget = find()) {
      timer->stop();
      timer->deleteLater();
      answer(widget);
      return;
    }
    if (clock->elapsed() > kGiveUpMilliseconds || !keepWatching()) {
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start();
}

template <class T>
QWidget* ActiveModal() {
  QWidget* modal = QApplication::activeModalWidget();
  return qobject_cast<T*>(modal) != nullptr && modal->isVisible() ? modal : nullptr;
}

}  // namespace

std::shared_ptr<MessageRecord> AnswerNextMessageBox() {
  auto record = std::make_shared<MessageRecord>();
  PollFor(ActiveModal<QMessageBox>, [record](QWidget* widget) {
    auto* box = static_cast<QMessageBox*>(widget);
    record->shown = true;
    record->title = QStringToGbk(box->windowTitle());
    record->text = QStringToGbk(box->text());
    record->exclamation = box->icon() == QMessageBox::Warning;
    record->onlyOk = box->buttons().size() == 1 && box->button(QMessageBox::Ok) != nullptr;
    record->applicationModal = box->windowModality() == Qt::ApplicationModal;
    record->hasParent = box->parentWidget() != nullptr;
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
      QTest::mouseClick(ok, Qt::LeftButton);
    } else {
      box->reject();
    }
  });
  return record;
}

std::shared_ptr<FileDialogRecord> AnswerNextFileDialog(std::optional<std::filesystem::path> file) {
  auto record = std::make_shared<FileDialogRecord>();
  PollFor(ActiveModal<QFileDialog>, [record, file](QWidget* widget) {
    auto* dialog = static_cast<QFileDialog*>(widget);
    record->shown = true;
    record->title = QStringToGbk(dialog->windowTitle());
    for (const QString& filter : dialog->nameFilters()) {
      record->nameFilters.push_back(QStringToGbk(filter));
    }
    record->selectedFilter = QStringToGbk(dialog->selectedNameFilter());
    if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
      record->shownFileName = QStringToGbk(name->text());
    }
    record->directory = QFile::encodeName(dialog->directory().absolutePath()).toStdString();
    record->existingFileOnly = dialog->fileMode() == QFileDialog::ExistingFile;
    record->applicationModal = dialog->windowModality() == Qt::ApplicationModal;
    record->labelsAsGiven = dialog->testOption(QFileDialog::HideNameFilterDetails);
    if (!file) {
      dialog->reject();
      return;
    }
    const QString path = QFile::decodeName(file->c_str());
    dialog->setDirectory(QFileInfo(path).absolutePath());
    // The file chosen last is still selected in the dialog's lists; a user's typing replaces that
    // selection, a set text does not, so the selection goes first.
    for (QAbstractItemView* view : dialog->findChildren<QAbstractItemView*>()) {
      if (view->selectionModel() != nullptr) view->selectionModel()->clearSelection();
    }
    // Typed into the name field as a user would; selectFile leaves a focused field alone.
    if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
      name->setText(path);
    } else {
      dialog->selectFile(path);
    }
    // accept() may refuse the file with a warning box of its own, which closes itself here; the
    // dialog is then cancelled so that the test goes on.
    // Only the dialog's own warning box is closed, and only while the dialog is open: a message
    // box of the tool that comes after the dialog is the test's to answer.
    QPointer<QFileDialog> open(dialog);
    PollFor(
        [open]() -> QWidget* {
          QWidget* box = ActiveModal<QMessageBox>();
          return box != nullptr && open && box->parentWidget() == open ? box : nullptr;
        },
        [](QWidget* box) { static_cast<QMessageBox*>(box)->reject(); },
        [open] { return open && open->isVisible(); });
    QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
    record->accepted = !dialog->isVisible();
    if (!record->accepted) dialog->reject();
  });
  return record;
}

std::shared_ptr<MenuRecord> ChooseNextPopupItem(std::string_view gbkItem, Button button) {
  auto record = std::make_shared<MenuRecord>();
  const QString wanted = GbkToQString(gbkItem);
  PollFor(
      [] {
        QWidget* popup = QApplication::activePopupWidget();
        return qobject_cast<QMenu*>(popup) != nullptr && popup->isVisible() ? popup : nullptr;
      },
      [record, wanted, button](QWidget* widget) {
        auto* menu = static_cast<QMenu*>(widget);
        record->shown = true;
        QAction* target = nullptr;
        for (QAction* action : menu->actions()) {
          record->items.push_back(QStringToGbk(action->text()));
          if (action->text() == wanted) target = action;
        }
        record->left = menu->pos().x();
        record->top = menu->pos().y();
        record->cursorX = QCursor::pos().x();
        record->cursorY = QCursor::pos().y();
        record->ownedByWindow =
            win32::IsWindow(win32::internal::WindowOfPeer(menu->parentWidget()));
        if (target == nullptr || wanted.isEmpty()) {
          QTest::keyClick(menu, Qt::Key_Escape);
          return;
        }
        const QPoint centre = menu->actionGeometry(target).center();
        QTest::mouseMove(menu, centre);
        QTest::mouseClick(menu, button == Button::Left ? Qt::LeftButton : Qt::RightButton,
                          Qt::NoModifier, centre);
      });
  return record;
}

void ProcessEvents(int milliseconds) {
  QApplication::processEvents();
  if (milliseconds > 0) QTest::qWait(milliseconds);
}

bool WaitUntil(const std::function<bool()>& condition, int milliseconds) {
  QDeadlineTimer deadline(milliseconds);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 5);
    QTest::qSleep(1);
  }
  return true;
}

void DestroyNow(win32::HWND window) {
  if (win32::IsWindow(window)) win32::DestroyWindow(window);
  // The runtime frees a destroyed window from the event loop.
  ProcessEvents(0);
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace runtime::test
