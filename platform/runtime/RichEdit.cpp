// The hidden rich-text box: a text buffer with no widget. Its text is kept byte for byte (a lone
// CR or LF stays as it is), with no length limit; it is never shown.
#include "platform/runtime/internal/Controls.h"

namespace runtime::internal {

namespace {

class RichEdit final : public DataControl<Control> {
 public:
  explicit RichEdit(const ControlSpec& spec) : DataControl(spec) {}
};

}  // namespace

std::unique_ptr<ControlParts> MakeRichEdit(const ControlContext& context) {
  return std::make_unique<RichEdit>(context.spec);
}

}  // namespace runtime::internal
