#include "platform/menus/menu_tracking.h"

#include <cctype>
#include <optional>
#include <vector>

#include "platform/menus/menu.h"
#include "platform/menus/menu_bar.h"
#include "platform/menus/menu_look.h"
#include "platform/menus/popup_window.h"
#include "platform/user/modal_loop.h"

namespace platform::menus {
namespace {

// One open drop-down menu.
struct Level {
  HMENU menu;
  HWND window;
};

// Where a screen point falls: an item of an open menu, a bar item, or
// neither.
struct Hit {
  int level = -1;
  int item = -1;
  int barItem = -1;
};

class MenuTracker : public user::ModalLoop {
 public:
  explicit MenuTracker(HWND owner) : owner_(owner), bar_(GetMenu(owner)) {}

  void begin();
  void end();
  void openBarItem(int item, bool selectFirst);
  void selectBarItem(int item);
  int barItemWithMnemonic(char letter) const;

  bool done() const override { return finished_ || !IsWindow(owner_) || GetCapture() != owner_; }
  bool preview(MSG& msg) override;
  void idle() override;

 private:
  Menu* barMenu() const { return menuFrom(bar_); }
  MenuItem* itemAt(size_t level, int item) const;
  Hit hitAt(POINT screen) const;

  void closeFrom(size_t level);
  void select(size_t level, int item);
  void openSubmenu(size_t level, int item);
  void activate(size_t level, int item);
  void choose(const MenuItem& item);
  void announce(HMENU menu, int index, const MenuItem& item);

  void mouseMove(POINT p, bool held);
  void buttonDown(POINT p);
  void buttonUp(POINT p);
  void keyDown(MSG& msg);
  void keyUp(WPARAM key);
  void character(char c);
  void escape();
  void moveBar(int step);
  void moveSelection(int step);
  void enter();
  int nextWithMnemonic(const Menu& menu, char letter, int after) const;

  HWND owner_;
  HMENU bar_;
  int barItem_ = -1;
  std::vector<Level> levels_;
  bool finished_ = false;
  bool altAlone_ = false;
  std::optional<UINT> command_;
};

int firstSelectable(const Menu& menu) {
  for (size_t i = 0; i < menu.items.size(); ++i)
    if (!menu.items[i].isSeparator()) return static_cast<int>(i);
  return -1;
}

// --- Opening and closing ---------------------------------------------------

void MenuTracker::begin() {
  SendMessageA(owner_, WM_ENTERMENULOOP, FALSE, 0);
  NotifyWinEvent(EVENT_SYSTEM_MENUSTART, owner_, OBJID_WINDOW, CHILDID_SELF);
  SendMessageA(owner_, WM_INITMENU, reinterpret_cast<WPARAM>(bar_), 0);
  SetCapture(owner_);
}

void MenuTracker::end() {
  closeFrom(0);
  setBarHighlight(owner_, -1, false);
  if (GetCapture() == owner_) ReleaseCapture();
  if (!IsWindow(owner_)) return;
  SendMessageA(owner_, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  SendMessageA(owner_, WM_EXITMENULOOP, FALSE, 0);
  NotifyWinEvent(EVENT_SYSTEM_MENUEND, owner_, OBJID_WINDOW, CHILDID_SELF);
  if (command_) PostMessageA(owner_, WM_COMMAND, MAKEWPARAM(*command_, 0), 0);
}

void MenuTracker::closeFrom(size_t level) {
  while (levels_.size() > level) {
    NotifyWinEvent(EVENT_SYSTEM_MENUPOPUPEND, levels_.back().window, OBJID_CLIENT, CHILDID_SELF);
    DestroyWindow(levels_.back().window);
    levels_.pop_back();
  }
}

void MenuTracker::announce(HMENU menu, int index, const MenuItem& item) {
  bool popup = item.flags & MF_POPUP;
  WORD id = popup ? static_cast<WORD>(index) : static_cast<WORD>(item.id);
  WORD flags = static_cast<WORD>((item.flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP)) | MF_HILITE);
  SendMessageA(owner_, WM_MENUSELECT, MAKEWPARAM(id, flags), reinterpret_cast<LPARAM>(menu));
}

void MenuTracker::selectBarItem(int item) {
  closeFrom(0);
  barItem_ = item;
  setBarHighlight(owner_, item, false);
  if (Menu* bar = barMenu(); bar && item >= 0) announce(bar_, item, bar->items[static_cast<size_t>(item)]);
}

void MenuTracker::openBarItem(int item, bool selectFirst) {
  Menu* bar = barMenu();
  if (!bar || item < 0 || item >= static_cast<int>(bar->items.size())) return;
  closeFrom(0);
  barItem_ = item;
  const MenuItem& entry = bar->items[static_cast<size_t>(item)];
  HMENU submenu = entry.submenu;
  setBarHighlight(owner_, item, true);
  announce(bar_, item, entry);
  if (!(entry.flags & MF_POPUP) || !menuFrom(submenu)) return;
  SendMessageA(owner_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(submenu), MAKELPARAM(item, FALSE));
  RECT title = barItemRects(owner_)[static_cast<size_t>(item)];
  HWND window = openPopup(owner_, submenu, {title.left, title.bottom});
  if (!window) return;
  levels_.push_back({submenu, window});
  NotifyWinEvent(EVENT_SYSTEM_MENUPOPUPSTART, window, OBJID_CLIENT, CHILDID_SELF);
  if (selectFirst) select(0, firstSelectable(*menuFrom(submenu)));
}

void MenuTracker::openSubmenu(size_t level, int item) {
  MenuItem* entry = itemAt(level, item);
  if (!entry || !(entry->flags & MF_POPUP) || !menuFrom(entry->submenu)) return;
  closeFrom(level + 1);
  HMENU submenu = entry->submenu;
  SendMessageA(owner_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(submenu), MAKELPARAM(item, FALSE));
  RECT r = popupItemRect(levels_[level].window, item);
  HWND window = openPopup(owner_, submenu, {r.right, r.top - kPopupFrame});
  if (!window) return;
  levels_.push_back({submenu, window});
  NotifyWinEvent(EVENT_SYSTEM_MENUPOPUPSTART, window, OBJID_CLIENT, CHILDID_SELF);
}

// --- Items -----------------------------------------------------------------

MenuItem* MenuTracker::itemAt(size_t level, int item) const {
  Menu* menu = level < levels_.size() ? menuFrom(levels_[level].menu) : nullptr;
  if (!menu || item < 0 || item >= static_cast<int>(menu->items.size())) return nullptr;
  return &menu->items[static_cast<size_t>(item)];
}

void MenuTracker::select(size_t level, int item) {
  closeFrom(level + 1);
  setPopupSelection(levels_[level].window, item);
  if (MenuItem* entry = itemAt(level, item)) announce(levels_[level].menu, item, *entry);
}

void MenuTracker::choose(const MenuItem& item) {
  if (!item.isEnabled() || item.isSeparator()) return;
  command_ = static_cast<UINT>(item.id);
  finished_ = true;
}

void MenuTracker::activate(size_t level, int item) {
  MenuItem* entry = itemAt(level, item);
  if (!entry) return;
  if (!(entry->flags & MF_POPUP)) return choose(*entry);
  openSubmenu(level, item);
  if (levels_.size() > level + 1) select(level + 1, firstSelectable(*menuFrom(levels_[level + 1].menu)));
}

// --- Mouse -----------------------------------------------------------------

Hit MenuTracker::hitAt(POINT screen) const {
  for (size_t level = levels_.size(); level-- > 0;) {
    RECT r{};
    GetWindowRect(levels_[level].window, &r);
    if (PtInRect(&r, screen)) return {static_cast<int>(level), popupItemAt(levels_[level].window, screen), -1};
  }
  return {-1, -1, barItemAt(owner_, screen)};
}

void MenuTracker::mouseMove(POINT p, bool held) {
  Hit hit = hitAt(p);
  if (hit.level >= 0 && hit.item >= 0) {
    auto level = static_cast<size_t>(hit.level);
    if (popupSelection(levels_[level].window) == hit.item) return;
    select(level, hit.item);
    openSubmenu(level, hit.item);
  } else if (hit.barItem >= 0 && hit.barItem != barItem_ && (held || !levels_.empty())) {
    openBarItem(hit.barItem, false);
  }
}

void MenuTracker::buttonDown(POINT p) {
  Hit hit = hitAt(p);
  if (hit.level >= 0) return mouseMove(p, true);
  if (hit.barItem < 0 || (hit.barItem == barItem_ && !levels_.empty())) {
    finished_ = true;
    return;
  }
  openBarItem(hit.barItem, false);
}

void MenuTracker::buttonUp(POINT p) {
  Hit hit = hitAt(p);
  if (hit.level >= 0) {
    MenuItem* entry = itemAt(static_cast<size_t>(hit.level), hit.item);
    if (entry && !(entry->flags & MF_POPUP)) choose(*entry);
    return;
  }
  Menu* bar = barMenu();
  bool onPlainBarItem = bar && hit.barItem >= 0 && hit.barItem == barItem_ && levels_.empty();
  if (onPlainBarItem) choose(bar->items[static_cast<size_t>(hit.barItem)]);
}

// --- Keyboard --------------------------------------------------------------

int MenuTracker::nextWithMnemonic(const Menu& menu, char letter, int after) const {
  int count = static_cast<int>(menu.items.size());
  for (int step = 1; step <= count; ++step) {
    int i = ((after < 0 ? -1 : after) + step) % count;
    if (menu.items[static_cast<size_t>(i)].mnemonic() == letter) return i;
  }
  return -1;
}

int MenuTracker::barItemWithMnemonic(char letter) const {
  Menu* bar = barMenu();
  return bar ? nextWithMnemonic(*bar, static_cast<char>(std::tolower(static_cast<unsigned char>(letter))), -1) : -1;
}

void MenuTracker::escape() {
  if (levels_.size() > 1) return closeFrom(levels_.size() - 1);
  if (levels_.empty()) {
    finished_ = true;
    return;
  }
  selectBarItem(barItem_);
}

void MenuTracker::moveBar(int step) {
  Menu* bar = barMenu();
  int count = bar ? static_cast<int>(bar->items.size()) : 0;
  if (count == 0) return;
  int item = ((barItem_ < 0 ? 0 : barItem_) + step + count) % count;
  if (levels_.empty()) selectBarItem(item);
  else openBarItem(item, true);
}

void MenuTracker::moveSelection(int step) {
  if (levels_.empty()) return openBarItem(barItem_, true);
  size_t level = levels_.size() - 1;
  const Menu* menu = menuFrom(levels_[level].menu);
  int count = menu ? static_cast<int>(menu->items.size()) : 0;
  int item = popupSelection(levels_[level].window);
  for (int tries = 0; tries < count; ++tries) {
    item = ((item < 0 && step < 0 ? 0 : item) + step + count) % count;
    if (!menu->items[static_cast<size_t>(item)].isSeparator()) return select(level, item);
  }
}

void MenuTracker::enter() {
  if (levels_.empty()) {
    Menu* bar = barMenu();
    if (bar && barItem_ >= 0 && !(bar->items[static_cast<size_t>(barItem_)].flags & MF_POPUP))
      return choose(bar->items[static_cast<size_t>(barItem_)]);
    return openBarItem(barItem_, true);
  }
  size_t level = levels_.size() - 1;
  activate(level, popupSelection(levels_[level].window));
}

void MenuTracker::character(char c) {
  char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (levels_.empty()) {
    int item = barItemWithMnemonic(letter);
    if (item >= 0) openBarItem(item, true);
    if (item >= 0 && levels_.empty()) enter();
    return;
  }
  size_t level = levels_.size() - 1;
  const Menu* menu = menuFrom(levels_[level].menu);
  int current = popupSelection(levels_[level].window);
  int first = menu ? nextWithMnemonic(*menu, letter, current) : -1;
  if (first < 0) return;
  bool several = nextWithMnemonic(*menu, letter, first) != first;
  select(level, first);
  if (!several) activate(level, first);
}

void MenuTracker::keyDown(MSG& msg) {
  WPARAM key = msg.wParam;
  bool repeat = (msg.lParam >> 30) & 1;
  altAlone_ = (key == VK_MENU || key == VK_F10) && !repeat;
  switch (key) {
    case VK_ESCAPE: return escape();
    case VK_LEFT:
      if (levels_.size() > 1) return closeFrom(levels_.size() - 1);
      return moveBar(-1);
    case VK_RIGHT: {
      size_t level = levels_.empty() ? 0 : levels_.size() - 1;
      MenuItem* entry = levels_.empty() ? nullptr : itemAt(level, popupSelection(levels_[level].window));
      if (entry && (entry->flags & MF_POPUP)) return activate(level, popupSelection(levels_[level].window));
      return moveBar(1);
    }
    case VK_UP: return moveSelection(-1);
    case VK_DOWN: return moveSelection(1);
    case VK_RETURN: return enter();
    case VK_MENU: case VK_F10: return;
    default: TranslateMessage(&msg);
  }
}

void MenuTracker::keyUp(WPARAM key) {
  if ((key == VK_MENU || key == VK_F10) && altAlone_) finished_ = true;
  altAlone_ = false;
}

// --- The loop --------------------------------------------------------------

bool MenuTracker::preview(MSG& msg) {
  switch (msg.message) {
    case WM_MOUSEMOVE: case WM_NCMOUSEMOVE: mouseMove(msg.pt, msg.wParam & MK_LBUTTON); return true;
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_RBUTTONDOWN:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: buttonDown(msg.pt); return true;
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_NCLBUTTONUP: case WM_NCRBUTTONUP: buttonUp(msg.pt); return true;
    case WM_KEYDOWN: case WM_SYSKEYDOWN: keyDown(msg); return true;
    case WM_KEYUP: case WM_SYSKEYUP: keyUp(msg.wParam); return true;
    case WM_CHAR: case WM_SYSCHAR: character(static_cast<char>(msg.wParam)); return true;
    default: return false;
  }
}

void MenuTracker::idle() {
  HWND shown = levels_.empty() ? nullptr : levels_.back().window;
  SendMessageA(owner_, WM_ENTERIDLE, MSGF_MENU, reinterpret_cast<LPARAM>(shown));
}

void track(MenuTracker& tracker) {
  user::runModalLoop(tracker);
  tracker.end();
}

}  // namespace

void trackByMouse(HWND window, POINT screen) {
  int item = barItemAt(window, screen);
  if (item < 0 || !menuFrom(GetMenu(window))) return;
  MenuTracker tracker(window);
  tracker.begin();
  tracker.openBarItem(item, false);
  track(tracker);
}

void trackByKeyboard(HWND window, int letter) {
  Menu* bar = menuFrom(GetMenu(window));
  if (!bar || bar->items.empty() || letter == ' ') return;
  MenuTracker tracker(window);
  int item = letter ? tracker.barItemWithMnemonic(static_cast<char>(letter)) : 0;
  if (item < 0) return;
  tracker.begin();
  if (letter) tracker.openBarItem(item, true);
  else tracker.selectBarItem(item);
  track(tracker);
}

}  // namespace platform::menus
