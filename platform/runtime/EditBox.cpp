// Edit box: a single-line QLineEdit or, when multi-line, a plain-text QTextEdit without scroll
// bars whose lines are one font height apart, as the help box's eight lines need.
// Black background and the form's text colour, sunken border unless the form says none, centred
// text unless stated, no length limit, the selection drawn only while focused. Integer boxes drop
// typed characters other than '-' and digits (control characters and pasted text pass) and
// rewrite their text when they lose the focus; read-only boxes can be selected and copied only.
// Reading the text back gives the bytes written while the box still shows them.
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextDocument>
#include <QTextOption>
#include <functional>
#include <limits>

#include "platform/runtime/IntegerText.h"
#include "platform/runtime/internal/Alignment.h"
#include "platform/runtime/internal/Colours.h"
#include "platform/runtime/internal/Controls.h"
#include "platform/runtime/internal/GbkText.h"

namespace runtime::internal {

namespace {

// A typed character an integer box drops. Shortcuts (with Ctrl, Alt or Meta) are no typing.
bool DropsTyped(const QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    return false;
  }
  for (char32_t code : event->text().toUcs4()) {
    if (!IntegerBoxAcceptsChar(code)) return true;
  }
  return false;
}

// The committed text of an input method with the characters an integer box does not take removed.
QString FilteredCommit(const QString& commit) {
  QString kept;
  for (char32_t code : commit.toUcs4()) {
    if (IntegerBoxAcceptsChar(code)) kept += QString::fromUcs4(&code, 1);
  }
  return kept;
}

// The behaviour both box widgets share, on top of the Qt widget they derive from.
template <class Base>
class BoxWidget : public Base {
 public:
  BoxWidget(QWidget* parent, InputKind input) : Base(parent), input_(input) {}

  std::function<void()> onFocusOut;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (input_ == InputKind::Integer && DropsTyped(event)) {
      event->accept();
      return;
    }
    Base::keyPressEvent(event);
  }

  void inputMethodEvent(QInputMethodEvent* event) override {
    if (input_ != InputKind::Integer || event->commitString().isEmpty()) {
      Base::inputMethodEvent(event);
      return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(FilteredCommit(event->commitString()), event->replacementStart(),
                             event->replacementLength());
    Base::inputMethodEvent(&filtered);
  }

  void focusOutEvent(QFocusEvent* event) override {
    Base::focusOutEvent(event);
    // A context menu of the box itself does not take the focus away from it.
    if (event->reason() != Qt::PopupFocusReason && onFocusOut) onFocusOut();
  }

 private:
  InputKind input_;
};

using LineBox = BoxWidget<QLineEdit>;
using PlainBox = BoxWidget<QTextEdit>;

// Multi-line boxes set their lines the application font's pixel size apart, so that a box of n
// times that height shows n lines, as the form's layout counts them.
void SetLineSpacing(QTextEdit* box) {
  const int pixels = box->font().pixelSize() > 0 ? box->font().pixelSize() : 12;
  QTextCursor cursor(box->document());
  cursor.select(QTextCursor::Document);
  QTextBlockFormat format;
  format.setLineHeight(pixels, QTextBlockFormat::FixedHeight);
  cursor.mergeBlockFormat(format);
}

QWidget* MakeBoxWidget(const ControlContext& context) {
  const ControlSpec& spec = context.spec;
  if (!spec.multiline) {
    auto* line = new LineBox(context.parent, spec.input);
    line->setMaxLength(std::numeric_limits<int>::max());
    line->setFrame(spec.border);
    line->setAlignment(HorizontalAlignment(spec.align) | Qt::AlignVCenter);
    line->setReadOnly(spec.input == InputKind::ReadOnly);
    return line;
  }
  auto* plain = new PlainBox(context.parent, spec.input);
  plain->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  plain->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  plain->setFrameShape(spec.border ? QFrame::StyledPanel : QFrame::NoFrame);
  plain->setReadOnly(spec.input == InputKind::ReadOnly);
  plain->setAcceptRichText(false);
  plain->document()->setDocumentMargin(0);
  QTextOption option = plain->document()->defaultTextOption();
  option.setAlignment(HorizontalAlignment(spec.align));
  plain->document()->setDefaultTextOption(option);
  return plain;
}

class EditBox final : public WidgetControl<Control> {
 public:
  EditBox(const ControlContext& context, QWidget* box)
      : WidgetControl(context, box),
        input_(context.spec.input),
        line_(qobject_cast<QLineEdit*>(box)),
        plain_(qobject_cast<QTextEdit*>(box)) {
    SetColours(box, context.spec.textColor, context.spec.backColor.value_or(kBlack));
    HideSelectionWhileUnfocused(box);
    auto rewrite = [this] { RewriteInteger(); };
    if (auto* line = dynamic_cast<LineBox*>(box)) line->onFocusOut = rewrite;
    if (auto* plain = dynamic_cast<PlainBox*>(box)) plain->onFocusOut = rewrite;
    SetText(context.spec.text);
  }

  Text GetText() const override {
    if (line_) return exact_.Read(line_->text());
    if (!plain_) return {};
    QString lines = plain_->toPlainText();
    if (exact_.Shows(lines)) return exact_.Bytes();
    lines.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return QStringToGbk(lines);
  }

  void SetText(const Text& text) override {
    const QString shown = GbkToQString(text);
    if (line_) {
      line_->setText(shown);
      exact_.Remember(text, line_->text());
    } else if (plain_) {
      // The multi-line box shows CR LF as its line break; read back after an edit it is CR LF.
      QString lines = shown;
      lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
      plain_->setPlainText(lines);
      SetLineSpacing(plain_);
      exact_.Remember(text, plain_->toPlainText());
    }
  }

 private:
  void RewriteInteger() {
    if (input_ != InputKind::Integer) return;
    const Text current = GetText();
    const std::string rewritten = RewriteIntegerText(current);
    if (rewritten != current) SetText(rewritten);
  }

  InputKind input_;
  QPointer<QLineEdit> line_;
  QPointer<QTextEdit> plain_;
  ExactText exact_;
};

}  // namespace

std::unique_ptr<ControlParts> MakeEditBox(const ControlContext& context) {
  return std::make_unique<EditBox>(context, MakeBoxWidget(context));
}

}  // namespace runtime::internal
