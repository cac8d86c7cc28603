// ovUnparse and the printed forms of the kinds without an Unparse member.
#include "runtime/values/unparse.h"

#include <charconv>

#include "runtime/memory/heap.h"
#include "runtime/values/make.h"

namespace {

void appendInteger(std::string& out, int32_t n) {
  char digits[16];
  auto [end, error] = std::to_chars(digits, digits + sizeof digits, n);
  out.append(digits, end);
}

// "{ " then the numbers separated by spaces, then " }".
template <typename... Numbers>
void appendBraced(std::string& out, Numbers... numbers) {
  out += '{';
  ((out += ' ', appendInteger(out, numbers)), ...);
  out += " }";
}

void appendName(std::string& out, const RTName* name) {
  if (name) out.append(name->chars, name->length);
}

int appendExternal(std::string& out, const ovC_external* external) {
  appendName(out, external->externalType ? external->externalType->name : nullptr);
  return 1;
}

}  // namespace

uint32_t ovUseQuotes(uint32_t flag) {
  uint32_t previous = gLocalThread->useQuotes;
  gLocalThread->useQuotes = flag;
  return previous;
}

int ovUnparseAppend(ovC_object* v, std::string& out) {
  if (!v) {
    out += "NULL";
    return 0;
  }
  switch (v->type) {
    case ovKindBoolean: return ovAs<ovC_boolean>(v)->Unparse(out);
    case ovKindInteger: appendInteger(out, ovAs<ovC_integer>(v)->value); return 0;
    case ovKindReal: return ovAs<ovC_real>(v)->Unparse(out);
    case ovKindText: return ovAs<ovC_text>(v)->Unparse(out);
    case ovKindList: return ovAs<ovC_list>(v)->Unparse(out);
    case ovKindInstance: return ovAs<ovC_instance>(v)->Unparse(out);
    case ovKindNone: out += "NONE"; return 0;
    case ovKindUndefined: out += "UNDEFINED"; return 0;
    case ovKindPoint: {
      auto* p = ovAs<ovC_point>(v);
      appendBraced(out, p->v, p->h);
      return 0;
    }
    case ovKindRect: {
      auto* r = ovAs<ovC_rect>(v);
      appendBraced(out, r->top, r->left, r->bottom, r->right);
      return 0;
    }
    case ovKindRGB: {
      auto* c = ovAs<ovC_rgb>(v);
      appendBraced(out, int32_t{c->red}, int32_t{c->green}, int32_t{c->blue});
      return 0;
    }
    case ovKindExternal: return appendExternal(out, ovAs<ovC_external>(v));
    case ovKindPointer: return ovAs<ovC_pointer>(v)->Unparse(out);
    default: out += "*** Object Unparse Unimplemented"; return 0;
  }
}

int ovUnparse(ovC_object* v, ovC_object** out) {
  if (ovIsKind(v, ovKindText) && !gLocalThread->useQuotes) {
    *out = ovIncUse(v);
    return 0;
  }
  if (ovIsKind(v, ovKindPointer) && !ovAs<ovC_pointer>(v)->pointeeType) {
    *out = nullptr;
    return 0;
  }
  std::string printed;
  int flag = ovUnparseAppend(v, printed);
  if (printed.size() > ovMemMaxRequest) ovMemExhausted(ovMemMaxRequest);
  *out = ovMakeTextFromString(printed.data(), static_cast<uint32_t>(printed.size()));
  return flag;
}
