#include "runtime/primitives/show_text.h"

#include "runtime/values/unparse.h"

std::string ovShowText(std::span<ovC_object* const> values) {
  uint32_t saved = ovUseQuotes(0);
  std::string text;
  for (ovC_object* v : values) {
    ovUseQuotes(ovIsKind(v, ovKindList) ? 1 : 0);
    ovUnparseAppend(v, text);
  }
  ovUseQuotes(saved);
  return text;
}
