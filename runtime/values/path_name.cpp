#include "runtime/values/path_name.h"

#include "runtime/values/byte_search.h"
#include "runtime/values/make.h"
#include "runtime/values/text.h"

namespace {

ovPath classify(const char* chars, uint32_t length, int32_t slash, uint32_t& nameStart) {
  nameStart = 0;
  if (slash < 0 || static_cast<uint32_t>(slash) == length - 1) return ovPathPlain;
  if (length == 2 && chars[1] == '/') return ovPathPlain;  // exactly "//"
  if (slash == 0 && chars[1] == '/') {
    nameStart = 2;
    return ovPathCurrent;
  }
  nameStart = static_cast<uint32_t>(slash) + 1;
  return slash == 0 ? ovPathReceiver : ovPathClass;
}

}  // namespace

ovPath ovScanNameAndParse(ovC_object* text, int split, ovC_object** classText, ovC_object** nameText) {
  uint32_t length = ovStringGetLength(text);
  if (split) *classText = *nameText = nullptr;
  if (length == 0) return ovPathPlain;
  auto* t = ovAs<ovC_text>(text);
  int32_t slash = ovSearchChar(t->Chars(), length, '/', 0);
  uint32_t nameStart = 0;
  ovPath path = classify(t->Chars(), length, slash, nameStart);
  if (split) {
    if (path == ovPathClass) *classText = t->Extract(0, static_cast<uint32_t>(slash));
    *nameText = t->Extract(nameStart, length);
  }
  return path;
}

ovC_object* ovMakePathName(ovC_object* classText, ovC_object* nameText, int path) {
  static const char* const kPrefixes[] = {"", nullptr, "/", "//"};
  if (path < ovPathPlain || path > ovPathCurrent) return ovMakeText("");
  ovC_text* result = nullptr;
  if (path == ovPathClass) {
    result = ovAs<ovC_text>(ovMakeText(""));
    result->Join(ovAs<ovC_text>(ovIsKind(classText, ovKindText) ? classText : nullptr));
    result->Stretch("/");
  } else {
    result = ovAs<ovC_text>(ovMakeText(kPrefixes[path]));
  }
  result->Join(ovAs<ovC_text>(ovIsKind(nameText, ovKindText) ? nameText : nullptr));
  return result;
}
