#include "framework/drawn_items_answer.h"

#include <algorithm>
#include <string>
#include <vector>

#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

void copyCut(char (&to)[128], std::string_view from) {
  size_t n = std::min(from.size(), sizeof to - 1);
  from.copy(to, n);
  to[n] = '\0';
}

HWND recordOf(ovC_object* object) { return ov::toHandle<HWND>(ov::send("Get Window Record"_sel, object).get()); }

// The item's frame on the screen: its coordinates in its owner's platform
// window (the top-level window's when the owner has none of its own).
RECT screenFrame(ovC_object* item, HWND window) {
  auto xywh = ov::send<4>("Get Coordinates"_sel, item);
  HWND ownerWindow = recordOf(ov::get("Owner"_attr, item).get());
  POINT origin{ov::toInt(xywh.get(0)), ov::toInt(xywh.get(1))};
  ClientToScreen(ownerWindow ? ownerWindow : window, &origin);
  return {origin.x, origin.y, origin.x + ov::toInt(xywh.get(2)), origin.y + ov::toInt(xywh.get(3))};
}

class Collector {
 public:
  explicit Collector(HWND window) : window_(window) {}

  void collect(ovC_object* view) {
    ov::forEach(ov::get("Content"_attr, view), [&](ovC_object* item) {
      visit(item);
      return ovSuccess;
    });
  }

  std::vector<DRAWNITEM> items;

 private:
  void visit(ovC_object* item) {
    if (!ov::isTrue(ov::get("Visible?"_attr, item))) return;
    if (!ov::send<0>("Is View?"_sel, item).failed()) return collect(item);
    ovRef help = ov::get("Balloon Help"_attr, item);
    DRAWNITEM entry{};
    if (ov::isText(help)) copyCut(entry.szName, ov::chars(help));
    entry.hwndItem = recordOf(item);
    if (entry.hwndItem) {
      if (entry.szName[0]) items.push_back(entry);
      return;
    }
    ovRef value = ov::send("Get Value"_sel, item).take();
    if (!ov::isText(value)) return;
    copyCut(entry.szText, ov::chars(value));
    entry.rcItem = screenFrame(item, window_);
    items.push_back(entry);
  }

  HWND window_;
};

}  // namespace

namespace vorn {

LRESULT AnswerDrawnItems(HWND hwnd, const DRAWNITEMS* ask) {
  if (!ask || ask->cbSize != sizeof(DRAWNITEMS)) return 0;
  ovRef desktop = ov::universal("Get Desktop"_uni).take();
  auto window = ov::send("Get Window"_sel, desktop, {ov::handleValue(hwnd)});
  if (window.failed() || !window.get()) return 0;
  Collector collector(hwnd);
  if (ovRef view = ov::get("View"_attr, window.get())) collector.collect(view.get());
  std::copy_n(collector.items.begin(), std::min<size_t>(collector.items.size(), ask->cMax), ask->pItems);
  return static_cast<LRESULT>(collector.items.size());
}

}  // namespace vorn
