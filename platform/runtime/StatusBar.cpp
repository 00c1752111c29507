// Status bar: docked along the bottom of the window's client area, its panels side by side with
// their fixed widths (the last one cut off at the window's edge), each a sunken box with its text.
#include <QLabel>
#include <vector>

#include "platform/runtime/internal/Controls.h"
#include "platform/runtime/internal/GbkText.h"

namespace runtime::internal {

namespace {

class StatusBar final : public WidgetControl<Control> {
 public:
  StatusBar(const ControlContext& context, QWidget* bar)
      : WidgetControl(context, bar), bar_(bar), height_(context.spec.height) {
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, QColor(240, 240, 240));
    palette.setColor(QPalette::WindowText, Qt::black);
    bar->setPalette(palette);
    int left = 0;
    int number = 1;
    for (const Panel& spec : context.spec.panels) {
      auto* panel = new QLabel(bar);
      panel->setObjectName(QStringLiteral("panel %1").arg(number++));
      panel->setTextFormat(Qt::PlainText);
      panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      panel->setText(GbkToQString(spec.text));
      panel->setGeometry(left, 0, spec.width, context.spec.height);
      left += spec.width;
    }
  }

  void ClientResized(QSize size) override {
    if (bar_) bar_->setGeometry(0, size.height() - height_, size.width(), height_);
  }

 private:
  QPointer<QWidget> bar_;
  int height_;
};

}  // namespace

std::unique_ptr<ControlParts> MakeStatusBar(const ControlContext& context) {
  return std::make_unique<StatusBar>(context, new QWidget(context.parent));
}

}  // namespace runtime::internal
