#pragma once
// The form's horizontal alignments as Qt alignment flags.

#include <Qt>

#include "platform/runtime/Forms.h"

namespace runtime::internal {

inline Qt::Alignment HorizontalAlignment(Align align) {
  switch (align) {
    case Align::Left:
      return Qt::AlignLeft;
    case Align::Center:
      return Qt::AlignHCenter;
    case Align::Right:
      return Qt::AlignRight;
  }
  return Qt::AlignLeft;
}

}  // namespace runtime::internal
