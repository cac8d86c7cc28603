// "show": displays its inputs as one message.
#include <vector>

#include "runtime/dialogs/runtime_dialogs.h"
#include "runtime/primitives/primitive_kit.h"
#include "runtime/primitives/show_text.h"
#include "runtime/values/unparse.h"

namespace {

ovStatus Show(const ov::Args& a) {
  std::vector<ovC_object*> values;
  for (uint32_t i = 0; i < a.inputCount(); ++i) values.push_back(a[i]);
  std::string message = ovShowText(values);
  uint32_t saved = ovUseQuotes(1);
  ovioShow(message.c_str());
  ovUseQuotes(saved);
  return ovSuccess;
}

const ovPrimitiveDeclaration kShow("show", ov::routine<Show>);

}  // namespace
