// The runtime's own look, for every widget of the tool present and future: Fusion with flat
// one-pixel RGB(198, 196, 215) frames around bordered controls (edit boxes, the list view, group
// boxes) and silver push buttons. Text and background colours stay the controls' own.
#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include "platform/runtime/Runtime.h"

namespace runtime {

namespace {

const QColor kFrame(198, 196, 215);

class SilverStyle final : public QProxyStyle {
 public:
  SilverStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {
    setObjectName(QStringLiteral("silver"));
  }

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    switch (element) {
      case PE_FrameLineEdit:
      case PE_Frame:
      case PE_FrameGroupBox:
        FlatFrame(option->rect, painter);
        return;
      case PE_PanelLineEdit:
        // The field's own background, then the flat frame instead of the sunken one.
        if (const auto* field = qstyleoption_cast<const QStyleOptionFrame*>(option);
            field != nullptr && field->lineWidth > 0) {
          painter->fillRect(option->rect.adjusted(1, 1, -1, -1), option->palette.base());
          FlatFrame(option->rect, painter);
          return;
        }
        break;
      case PE_PanelButtonCommand:
        SilverButton(option, painter);
        return;
      default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    if (element == CE_ShapedFrame) {
      if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
          frame != nullptr && frame->frameShape != QFrame::NoFrame &&
          frame->frameShape != QFrame::HLine && frame->frameShape != QFrame::VLine &&
          frame->frameShape != QFrame::Panel) {
        FlatFrame(option->rect, painter);
        return;
      }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
  }

  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_DefaultFrameWidth) return 1;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }

 private:
  static void FlatFrame(const QRect& rect, QPainter* painter) {
    painter->save();
    painter->setPen(QPen(kFrame, 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->restore();
  }

  static void SilverButton(const QStyleOption* option, QPainter* painter) {
    const bool pressed = (option->state & (State_Sunken | State_On)) != 0;
    const bool hovered = (option->state & State_MouseOver) != 0;
    const QRect rect = option->rect.adjusted(0, 0, -1, -1);
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    if (pressed) {
      fill.setColorAt(0, QColor(176, 176, 182));
      fill.setColorAt(1, QColor(214, 214, 220));
    } else {
      fill.setColorAt(0, hovered ? QColor(250, 250, 252) : QColor(242, 242, 246));
      fill.setColorAt(1, hovered ? QColor(210, 210, 218) : QColor(198, 198, 206));
    }
    painter->save();
    painter->setPen(QPen(QColor(128, 128, 140), 1));
    painter->setBrush(fill);
    painter->drawRect(rect);
    painter->restore();
  }
};

}  // namespace

void EnableTheming(int scheme) {
  (void)scheme;  // one scheme is made: silver, the tool's scheme 3
  if (qApp == nullptr) return;
  if (QApplication::style()->objectName() == QLatin1String("silver")) return;
  QApplication::setStyle(new SilverStyle);  // the application owns the style
}

}  // namespace runtime
