// Disposing of the memory a pointer value owns.
//
// A pointer frees only memory the run-time allocated for it (the owned flag):
// an address it merely wraps, plain or handle, belongs to whoever made it.
// Disposing happens once; afterwards the content is marked disposed and the
// run-time never reads or writes through the pointer again.
#include "platform/win32.h"
#include "runtime/memory/low_memory.h"
#include "runtime/values/value.h"

int ovC_pointer::DisposeContent() {
  if (flags & ovPointerDisposed) return 0;
  if (!(flags & ovPointerOwned)) return 0;
  if (level == 1)
    LocalFree(address);
  else
    ovHandle_Dispose(static_cast<ovHandle>(address));
  flags |= ovPointerDisposed;
  return 1;
}
