#pragma once
// The kit-wide frame-dimension block: the 16 GUID bytes of the GDI+ time dimension, which
// DecodeImage passes to GdipImageSelectActiveFrame. The kit state holds it from
// PrepareFrameDimension to FreeFrameDimension; before and after, FrameDimension() is null.

#include "platform/com/Com.h"

namespace uikit {

// Builds the block afresh (an earlier one is freed) and parses the time dimension's text into it.
void PrepareFrameDimension();
// The GUID in the block, or null while there is no block.
const com::GUID* FrameDimension();
void FreeFrameDimension();

}  // namespace uikit
