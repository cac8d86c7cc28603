#include "framework/platform_context.h"

#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace vorn {
namespace {

const ovMethodSelector kGetCoordinates("Get Coordinates");
const ovMethodSelector kGetWindowRecord("Get Window Record");
const ovAttributeSelector kNumber("Number");
const ovUniversalName kGetCurrentDevice("Get Current Device");
const ovUniversalName kRgbToColorRef("RGB To ColorRef");
const ovPrimitiveName kGetApplicationInstances("get-application-instances");

}  // namespace

HINSTANCE ApplicationInstance() {
  return ov::toHandle<HINSTANCE>(ov::primitive(kGetApplicationInstances, {}).get());
}

HDC CurrentDevice() { return ov::toHandle<HDC>(ov::universal(kGetCurrentDevice).get()); }

COLORREF ColorRefOf(ovC_object* rgb) {
  return static_cast<COLORREF>(ov::toInt(ov::universal(kRgbToColorRef, {rgb}).get()));
}

HWND CreateItemWindow(ovC_object* item, ovC_object* owner, DWORD exStyle, const char* className,
                      const std::string& text, DWORD style) {
  auto at = ov::send<4>(kGetCoordinates, item);
  HWND parent = ov::toHandle<HWND>(ov::send(kGetWindowRecord, owner).get());
  auto id = reinterpret_cast<HMENU>(static_cast<intptr_t>(ov::toInt(ov::get(kNumber, item))));
  return CreateWindowExA(exStyle, className, text.c_str(), style, ov::toInt(at.get(0)), ov::toInt(at.get(1)),
                         ov::toInt(at.get(2)), ov::toInt(at.get(3)), parent, id, ApplicationInstance(), nullptr);
}

}  // namespace vorn
