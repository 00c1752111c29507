// Check box: an automatic check box, the box left of its text, in the form's colours. A click
// has already changed the state when the Clicked binding runs; SetChecked runs no binding.
#include <QCheckBox>

#include "platform/runtime/internal/Colours.h"
#include "platform/runtime/internal/Controls.h"
#include "platform/runtime/internal/FormWindow.h"
#include "platform/runtime/internal/GbkText.h"

namespace runtime::internal {

namespace {

class CheckBox final : public WidgetControl<Control> {
 public:
  CheckBox(const ControlContext& context, QCheckBox* box) : WidgetControl(context, box), box_(box) {
    SetColours(box, context.spec.textColor, context.spec.backColor, Fill::Window);
    box->setChecked(context.spec.checked);
    SetText(context.spec.text);
    FormWindow& window = context.window;
    QObject::connect(box, &QCheckBox::clicked, box,
                     [&window, name = context.spec.name] { window.Run(Event::Clicked, name); });
  }

  void SetText(const Text& text) override {
    WidgetControl::SetText(text);
    if (box_) box_->setText(GbkToQString(text));
  }
  bool Checked() const override { return box_ && box_->isChecked(); }
  void SetChecked(bool checked) override {
    if (box_) box_->setChecked(checked);
  }

 private:
  QPointer<QCheckBox> box_;
};

}  // namespace

std::unique_ptr<ControlParts> MakeCheckBox(const ControlContext& context) {
  return std::make_unique<CheckBox>(context, new QCheckBox(context.parent));
}

}  // namespace runtime::internal
