// Label: one line of text in the form's colour, transparent over its parent's black, aligned as
// the form says and vertically centred; no border. Shown as plain text, never as markup.
#include <QLabel>

#include "platform/runtime/internal/Alignment.h"
#include "platform/runtime/internal/Colours.h"
#include "platform/runtime/internal/Controls.h"
#include "platform/runtime/internal/GbkText.h"

namespace runtime::internal {

namespace {

class Label final : public WidgetControl<Control> {
 public:
  Label(const ControlContext& context, QLabel* label)
      : WidgetControl(context, label), label_(label) {
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    label->setAlignment(HorizontalAlignment(context.spec.align) | Qt::AlignVCenter);
    SetColours(label, context.spec.textColor, std::nullopt);
    SetText(context.spec.text);
  }

  void SetText(const Text& text) override {
    WidgetControl::SetText(text);
    if (label_) label_->setText(GbkToQString(text));
  }

 private:
  QPointer<QLabel> label_;
};

}  // namespace

std::unique_ptr<ControlParts> MakeLabel(const ControlContext& context) {
  return std::make_unique<Label>(context, new QLabel(context.parent));
}

}  // namespace runtime::internal
