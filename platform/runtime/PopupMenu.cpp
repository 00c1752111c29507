#include "platform/runtime/internal/PopupMenu.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <memory>

#include "platform/runtime/internal/GbkText.h"

namespace runtime::internal {

namespace {

// A right-button release on an item chooses it, as a left one does.
class EitherButtonMenu : public QMenu {
 public:
  using QMenu::QMenu;

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    pressed_ = true;
    QMenu::mousePressEvent(event);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::RightButton && pressed_) {
      if (QAction* action = actionAt(event->position().toPoint())) {
        if (action->isEnabled() && !action->menu() && !action->isSeparator()) {
          chosen_ = action;
          close();
          return;
        }
      }
    }
    QMenu::mouseReleaseEvent(event);
  }

 public:
  QAction* chosen_ = nullptr;

 private:
  bool pressed_ = false;  // a release without a press in the menu chooses nothing
};

}  // namespace

std::optional<Text> ChoosePopupItem(QWidget* owner, const MenuSpec& menu) {
  EitherButtonMenu popup(owner);
  popup.setObjectName(GbkToQString(menu.name));
  for (std::size_t i = 0; i < menu.items.size(); ++i) {
    QAction* action = popup.addAction(GbkToQString(menu.items[i]));
    action->setData(static_cast<qulonglong>(i));
  }
  QAction* chosen = popup.exec(QCursor::pos() + QPoint(3, 3));
  if (chosen == nullptr) chosen = popup.chosen_;
  if (chosen == nullptr) return std::nullopt;
  return menu.items[chosen->data().toULongLong()];
}

}  // namespace runtime::internal
