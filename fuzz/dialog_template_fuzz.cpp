// libFuzzer target: reading binary dialog templates. Whatever the bytes, the
// reader stays within them and refuses what is cut short; what it accepts
// holds no more items than the bytes can describe.
#include <cstdlib>

#include "platform/dialogs/dialog_template.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto read = platform::dialogs::readDialogTemplate(data, size);
  if (read && read->items.size() * sizeof(DLGITEMTEMPLATE) > size) std::abort();
  return 0;
}
