#pragma once
// A picture as a 24-bit Windows bitmap file: 54-byte header, no palette, rows bottom-up, each
// padded to four bytes. An empty picture gives an empty block.

#include <QImage>

#include "platform/bytes/ByteBlock.h"

namespace runtime::internal {

bytes::ByteBlock EncodeBmp24(const QImage& picture);

}  // namespace runtime::internal
