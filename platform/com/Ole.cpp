// OLE initialisation: a count per thread, as the system keeps it.

#include "platform/com/Com.h"

namespace com {
namespace {

thread_local int initialisations = 0;

}  // namespace

HRESULT OleInitialize(void* reserved) {
  if (reserved != nullptr) return E_INVALIDARG;  // the argument is reserved and must be null
  return initialisations++ == 0 ? S_OK : S_FALSE;
}

// Each successful OleInitialize, S_FALSE included, is matched by one OleUninitialize.
void OleUninitialize() {
  if (initialisations > 0) --initialisations;
}

}  // namespace com
