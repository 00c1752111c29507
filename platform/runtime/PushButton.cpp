// Push button: a centred caption; a click (which first takes the focus, so an integer box has
// already rewritten itself) runs the button's Clicked binding.
#include <QPushButton>

#include "platform/runtime/internal/Controls.h"
#include "platform/runtime/internal/FormWindow.h"
#include "platform/runtime/internal/GbkText.h"

namespace runtime::internal {

namespace {

class PushButton final : public WidgetControl<Control> {
 public:
  PushButton(const ControlContext& context, QPushButton* button)
      : WidgetControl(context, button), button_(button) {
    button->setAutoDefault(false);
    button->setDefault(false);
    SetText(context.spec.text);
    FormWindow& window = context.window;
    QObject::connect(button, &QPushButton::clicked, button,
                     [&window, name = context.spec.name] { window.Run(Event::Clicked, name); });
  }

  void SetText(const Text& text) override {
    WidgetControl::SetText(text);
    if (button_) button_->setText(GbkToQString(text));
  }

 private:
  QPointer<QPushButton> button_;
};

}  // namespace

std::unique_ptr<ControlParts> MakePushButton(const ControlContext& context) {
  return std::make_unique<PushButton>(context, new QPushButton(context.parent));
}

}  // namespace runtime::internal
