#include "framework/platform_context.h"

#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace vorn {
namespace {

}  // namespace

HINSTANCE ApplicationInstance() {
  return ov::toHandle<HINSTANCE>(ov::primitive("get-application-instances"_prim, {}).get());
}

HDC CurrentDevice() { return ov::toHandle<HDC>(ov::universal("Get Current Device"_uni).get()); }

COLORREF ColorRefOf(ovC_object* rgb) {
  return static_cast<COLORREF>(ov::toInt(ov::universal("RGB To ColorRef"_uni, {rgb}).get()));
}

HWND CreateItemWindow(ovC_object* item, ovC_object* owner, DWORD exStyle, const char* className,
                      const std::string& text, DWORD style) {
  auto at = ov::send<4>("Get Coordinates"_sel, item);
  HWND parent = ov::toHandle<HWND>(ov::send("Get Window Record"_sel, owner).get());
  auto id = reinterpret_cast<HMENU>(static_cast<intptr_t>(ov::toInt(ov::get("Number"_attr, item))));
  return CreateWindowExA(exStyle, className, text.c_str(), style, ov::toInt(at.get(0)), ov::toInt(at.get(1)),
                         ov::toInt(at.get(2)), ov::toInt(at.get(3)), parent, id, ApplicationInstance(), nullptr);
}

}  // namespace vorn
