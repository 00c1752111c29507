// Group box: a captioned frame whose children are placed from its top-left corner. The caption
// is left-aligned in the form's caption colour on the box's own background.
#include <QGroupBox>

#include "platform/runtime/internal/Alignment.h"
#include "platform/runtime/internal/Colours.h"
#include "platform/runtime/internal/Controls.h"
#include "platform/runtime/internal/GbkText.h"

namespace runtime::internal {

namespace {

class GroupBox final : public WidgetControl<Control> {
 public:
  GroupBox(const ControlContext& context, QGroupBox* box) : WidgetControl(context, box), box_(box) {
    box->setAlignment(HorizontalAlignment(context.spec.align));
    SetColours(box, context.spec.textColor, context.spec.backColor.value_or(kBlack), Fill::Window);
    SetText(context.spec.text);
  }

  void SetText(const Text& text) override {
    WidgetControl::SetText(text);
    if (box_) box_->setTitle(GbkToQString(text));
  }

 private:
  QPointer<QGroupBox> box_;
};

}  // namespace

std::unique_ptr<ControlParts> MakeGroupBox(const ControlContext& context) {
  return std::make_unique<GroupBox>(context, new QGroupBox(context.parent));
}

}  // namespace runtime::internal
