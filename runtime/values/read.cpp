#include "runtime/values/read.h"

#include <cmath>

#include "runtime/values/make.h"

namespace {

const char* kindName(uint16_t kind) {
  switch (kind) {
    case ovKindNull: return "null";
    case ovKindBoolean: return "boolean";
    case ovKindInteger: return "integer";
    case ovKindList: return "list";
    case ovKindExternal:
    case ovKindPoint:
    case ovKindRect:
    case ovKindRGB:
    case ovKindPointer: return "external";
    case ovKindNone: return "none";
    case ovKindReal: return "real";
    case ovKindText: return "string";
    case ovKindUndefined: return "undefined";
    default: return "";
  }
}

ovC_object* textOfName(const RTName* name) {
  return name ? ovMakeTextFromString(name->chars, name->length) : ovMakeText("");
}

}  // namespace

uint32_t ovGetBoolean(const ovC_object* v) { return ovAs<ovC_boolean>(v)->value; }

int32_t ovGetInteger(const ovC_object* v) {
  if (ovIsKind(v, ovKindInteger)) return ovAs<ovC_integer>(v)->value;
  if (!ovIsKind(v, ovKindReal)) return 0;
  double d = std::trunc(ovAs<ovC_real>(v)->value);
  if (!(d >= -2147483648.0 && d <= 2147483647.0)) return INT32_MIN;
  return static_cast<int32_t>(d);
}

double ovGetReal(const ovC_object* v) {
  if (ovIsKind(v, ovKindReal)) return ovAs<ovC_real>(v)->value;
  if (ovIsKind(v, ovKindInteger)) return ovAs<ovC_integer>(v)->value;
  return 0.0;
}

int ovIsNumber(const ovC_object* v) { return ovIsKind(v, ovKindInteger) || ovIsKind(v, ovKindReal); }

int ovToReal(const ovC_object* v, double* out) {
  if (!ovIsNumber(v)) return 0;
  *out = ovGetReal(v);
  return 1;
}

ovC_object* ovReduceResult(double d) {
  double whole = std::trunc(d);
  if (whole == d && whole >= -2147483648.0 && whole <= 2147483647.0) return ovMakeInteger(static_cast<int32_t>(whole));
  return ovMakeReal(d);
}

int ovIsType(const ovC_object* v, uint16_t tag) { return v ? v->type == tag : tag == ovKindNull; }

ovC_object* ovGetTypeName(const ovC_object* v) {
  if (ovIsKind(v, ovKindInstance)) return ovAs<ovC_instance>(v)->GetClassName();
  return ovMakeText(kindName(v ? v->type : uint16_t{ovKindNull}));
}

int32_t ovGetPointHorizontal(const ovC_object* v) { return ovAs<ovC_point>(v)->h; }
int32_t ovGetPointVertical(const ovC_object* v) { return ovAs<ovC_point>(v)->v; }
int32_t ovGetRectTop(const ovC_object* v) { return ovAs<ovC_rect>(v)->top; }
int32_t ovGetRectLeft(const ovC_object* v) { return ovAs<ovC_rect>(v)->left; }
int32_t ovGetRectBottom(const ovC_object* v) { return ovAs<ovC_rect>(v)->bottom; }
int32_t ovGetRectRight(const ovC_object* v) { return ovAs<ovC_rect>(v)->right; }
uint16_t ovGetRGBRed(const ovC_object* v) { return ovAs<ovC_rgb>(v)->red; }
uint16_t ovGetRGBGreen(const ovC_object* v) { return ovAs<ovC_rgb>(v)->green; }
uint16_t ovGetRGBBlue(const ovC_object* v) { return ovAs<ovC_rgb>(v)->blue; }

RTExternal* ovGetExternalType(const ovC_object* v) {
  if (ovIsKind(v, ovKindExternal)) return ovAs<ovC_external>(v)->externalType;
  if (ovIsKind(v, ovKindPointer)) return ovAs<ovC_pointer>(v)->pointeeType;
  return nullptr;
}

uint32_t ovGetExternalTypeSize(const RTExternal* type) { return type ? type->size : 0; }

uint32_t ovExternalTypeSize(const ovC_object* v) {
  if (!v) return 0;
  switch (v->type) {
    case ovKindExternal:
    case ovKindPointer: return ovGetExternalTypeSize(ovGetExternalType(v));
    case ovKindPoint: return 8;
    case ovKindRect: return 16;
    case ovKindRGB: return 12;
    default: return 0;
  }
}

ovC_object* ovGetRawExternalName(const ovC_object* v) {
  if (!v) return ovMakeText("");
  switch (v->type) {
    case ovKindExternal:
    case ovKindPointer: {
      RTExternal* type = ovGetExternalType(v);
      return textOfName(type ? type->name : nullptr);
    }
    case ovKindPoint: return ovMakeText("Point");
    case ovKindRect: return ovMakeText("Rect");
    case ovKindRGB: return ovMakeText("RGBColor");
    default: return ovMakeText("");
  }
}

ovC_object* ovUnparseExternalName(const ovC_object* v) {
  ovC_object* name = ovGetRawExternalName(v);
  if (ovIsKind(v, ovKindPointer)) ovAs<ovC_text>(name)->Pad(ovAs<ovC_pointer>(v)->level, '@');
  return name;
}

void* ovPtrGetValue(const ovC_object* v) { return ovAs<ovC_pointer>(v)->address; }

int ovLock() { return 0; }
