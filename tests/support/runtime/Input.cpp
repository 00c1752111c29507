// Real mouse and key events on a window's widgets, through QTest.
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QHeaderView>
#include <QTableView>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "platform/runtime/internal/GbkText.h"
#include "tests/support/runtime/RuntimeTestSupport.h"

namespace runtime::test {

namespace {

Qt::MouseButton ToQt(Button button) {
  return button == Button::Left ? Qt::LeftButton : Qt::RightButton;
}

Qt::Key ToQt(Key key) {
  switch (key) {
    case Key::Escape:
      return Qt::Key_Escape;
    case Key::Return:
      return Qt::Key_Return;
    case Key::Backspace:
      return Qt::Key_Backspace;
    case Key::Tab:
      return Qt::Key_Tab;
  }
  return Qt::Key_Escape;
}

void ClickAt(QWidget* widget, QPoint point, Button button) {
  QTest::mouseMove(widget, point);
  QTest::mouseClick(widget, ToQt(button), Qt::NoModifier, point);
  QApplication::processEvents();
}

void Focus(Window& window, QWidget* widget) {
  ActivateWindow(window);
  widget->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
}

}  // namespace

bool ActivateWindow(Window& window) {
  QWidget* peer = PeerOf(window);
  if (peer == nullptr) return false;
  if (QApplication::activeWindow() != peer) {
    peer->activateWindow();
    (void)QTest::qWaitForWindowActive(peer, 1000);
  }
  return QApplication::activeWindow() == peer;
}

void Click(Window& window, std::string_view name, Button button) {
  QWidget* widget = WidgetOf(window, name);
  if (widget == nullptr) return;
  ActivateWindow(window);
  ClickAt(widget, widget->rect().center(), button);
}

void ClickListRow(Window& window, std::string_view list, int row, Button button) {
  auto* view = qobject_cast<QTableView*>(WidgetOf(window, list));
  if (view == nullptr) return;
  const QModelIndex index = view->model()->index(row, 0);
  if (!index.isValid()) {
    ADD_FAILURE() << "the list " << list << " has no row " << row;
    return;
  }
  view->scrollTo(index);
  ActivateWindow(window);
  ClickAt(view->viewport(), view->visualRect(index).center(), button);
}

void ClickListEmptySpace(Window& window, std::string_view list, Button button) {
  auto* view = qobject_cast<QTableView*>(WidgetOf(window, list));
  if (view == nullptr) return;
  QWidget* viewport = view->viewport();
  const int rows = view->model()->rowCount();
  int below = 0;
  if (rows > 0) {
    below = view->rowViewportPosition(rows - 1) + view->rowHeight(rows - 1);
  }
  QPoint point(4, (below + viewport->height()) / 2);
  if (below >= viewport->height() - 1) {
    const int columns = view->model()->columnCount();
    const int right = view->columnViewportPosition(columns - 1) + view->columnWidth(columns - 1);
    if (right >= viewport->width() - 1) {
      ADD_FAILURE() << "the list " << list << " has no empty space to click";
      return;
    }
    point = QPoint((right + viewport->width()) / 2, viewport->height() / 2);
  }
  if (view->indexAt(point).isValid()) {
    ADD_FAILURE() << "the point chosen in " << list << " lies on a row";
    return;
  }
  ActivateWindow(window);
  ClickAt(viewport, point, button);
}

void PressDownArrow(Window& window, std::string_view name) {
  QWidget* widget = WidgetOf(window, name);
  if (widget == nullptr) return;
  Focus(window, widget);
  QTest::keyClick(widget, Qt::Key_Down);
  QApplication::processEvents();
}

void TypeInto(Window& window, std::string_view name, std::string_view gbkText) {
  QWidget* widget = WidgetOf(window, name);
  if (widget == nullptr) return;
  Focus(window, widget);
  // QTest names keys for ASCII only; other characters go as key events carrying their text.
  for (QChar c : internal::GbkToQString(gbkText)) {
    if (c.unicode() < 0x80) {
      QTest::keyClick(widget, static_cast<char>(c.unicode()));
    } else {
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
  QApplication::processEvents();
}

void PasteInto(Window& window, std::string_view name, std::string_view gbkText) {
  QWidget* widget = WidgetOf(window, name);
  if (widget == nullptr) return;
  Focus(window, widget);
  QApplication::clipboard()->setText(internal::GbkToQString(gbkText));
  QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
  QApplication::processEvents();
}

void MoveFocusAway(Window& window, std::string_view name) {
  QWidget* widget = WidgetOf(window, name);
  if (widget == nullptr) return;
  if (widget->hasFocus()) {
    widget->clearFocus();
  } else {
    // Without an active window there is no focus to take; the box gets the event all the same.
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(widget, &out);
  }
  QApplication::processEvents();
}

void PressKey(Window& window, std::string_view name, Key key) {
  QWidget* widget = name.empty() ? PeerOf(window) : WidgetOf(window, name);
  if (widget == nullptr) return;
  QTest::keyClick(widget, ToQt(key));
  QApplication::processEvents();
}

}  // namespace runtime::test
