// The real program under a storm of random input, and over long use, on the
// headless backend.
//
//   velmaro_storm storm EVENTS [SEED]
//     EVENTS random inputs from the seed (clicks and drags anywhere in the
//     client area and the menu bar, keys and chords, typed text, the File
//     menu opened and left without choosing Exit), then a scripted "Go" in
//     each row whose values must follow the formula; the program must end
//     with status 0, and the heap's live objects, counted after each tenth
//     of the storm with no menu open and both "Go" pressed, must not be
//     more at its end than at every tenth before. Without SEED the seed is
//     STORM_SEED from the environment, else a new one. Prints the seed, the
//     events per second and the live objects before and after each tenth.
//   velmaro_storm soak PRESSES
//     Each "Go" pressed PRESSES times, then as many characters typed and
//     erased, then the File menu opened and closed as many times; the heap's
//     live objects and committed bytes after each stage must equal those
//     after the first round. Prints the figures and the time per press.
//
// A watchdog ends a run that hangs. Exit status 0 when everything held.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/script_driver.h"
#include "golden_formula.h"
#include "platform/backends/headless/headless.h"
#include "platform/win32.h"
#include "runtime/memory/heap.h"

namespace headless = platform::headless;

namespace {

using Clock = std::chrono::steady_clock;

// Ends the process when a run takes longer than it ever should.
void startWatchdog(std::chrono::seconds limit) {
  std::thread([limit] {
    std::this_thread::sleep_for(limit);
    std::fprintf(stderr, "velmaro_storm: still running after %lld s: the program hangs\n",
                 static_cast<long long>(limit.count()));
    std::_Exit(3);
  }).detach();
}

// The main window's client area and menu bar in screen coordinates.
struct Place {
  RECT client;
  int menuTop;
};

Place placeOfMainWindow() {
  HWND main = GetActiveWindow();
  RECT client{};
  GetClientRect(main, &client);
  POINT origin{0, 0};
  ClientToScreen(main, &origin);
  OffsetRect(&client, origin.x, origin.y);
  return {client, client.top - GetSystemMetrics(SM_CYMENU)};
}

// The centres of items in the main window's client area.
constexpr POINT kGo1{399, 37}, kGo2{399, 109}, kC1{325, 36};

POINT onScreen(POINT client) {
  ClientToScreen(GetActiveWindow(), &client);
  return client;
}

void press(UINT key, std::initializer_list<UINT> modifiers = {}) {
  for (UINT m : modifiers) headless::keyDown(m);
  headless::pressKey(key);
  for (UINT m : modifiers) headless::keyUp(m);
}

// Random input a person might give, never choosing File, Exit: whenever an
// input may have opened a menu, the next one is Escape, and the letter x is
// never typed.
class Storm {
 public:
  explicit Storm(uint32_t seed) : random_(seed) {}

  void Next() {
    if (LeaveMenu()) return;
    switch (Pick(10)) {
      case 0: case 1: case 2: return Click();
      case 3: return Drag();
      case 4: case 5: return Key();
      case 6: return Type();
      case 7: return OpenMenu();
      case 8: return DoubleClick();
      default: return headless::moveMouse(Anywhere().x, Anywhere().y);
    }
  }

  // Escape twice, when the last input may have opened a menu (the first
  // closes an open menu, the second leaves the menu bar); true when pressed.
  bool LeaveMenu() {
    if (!menuMayBeOpen_) return false;
    press(VK_ESCAPE);
    press(VK_ESCAPE);
    menuMayBeOpen_ = false;
    return true;
  }

  // Brings the program to one state, a step at a time: no menu open, then
  // both "Go" clicked. True while it gave input.
  bool Settle() {
    if (LeaveMenu()) return true;
    settled_ = !settled_;
    if (!settled_) return false;
    POINT go1 = onScreen(kGo1), go2 = onScreen(kGo2);
    headless::click(go1.x, go1.y);
    headless::click(go2.x, go2.y);
    return true;
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  POINT In(const RECT& r) {
    return {r.left + Pick(r.right - r.left), r.top + Pick(r.bottom - r.top)};
  }

  // Anywhere in the client area or the menu bar.
  POINT Anywhere() {
    Place place = placeOfMainWindow();
    return In({place.client.left, place.menuTop, place.client.right, place.client.bottom});
  }

  POINT InClient() { return In(placeOfMainWindow().client); }

  void Click() {
    POINT p = Anywhere();
    headless::click(p.x, p.y);
    menuMayBeOpen_ = p.y < placeOfMainWindow().client.top;
  }

  void DoubleClick() {
    POINT p = InClient();
    headless::doubleClick(p.x, p.y);
  }

  void Drag() {
    POINT from = InClient(), to = InClient();
    headless::pressButton(from.x, from.y);
    headless::moveMouse((from.x + to.x) / 2, (from.y + to.y) / 2);
    headless::releaseButton(to.x, to.y);
  }

  void Key() {
    static const UINT keys[] = {VK_TAB, VK_RETURN, VK_ESCAPE, VK_BACK, VK_DELETE, VK_HOME, VK_END, VK_LEFT, VK_RIGHT, VK_SPACE};
    switch (Pick(6)) {
      case 0: return press(VK_TAB, {VK_SHIFT});
      case 1: return press("CVXZ"[Pick(4)], {VK_CONTROL});
      case 2: return press('0' + Pick(10));
      case 3:
        press(VK_MENU);
        menuMayBeOpen_ = true;
        return;
      default: return press(keys[Pick(std::size(keys))]);
    }
  }

  // Digits and letters, never an x.
  void Type() {
    static const char characters[] = "0123456789abcdefghijklmnopqrstuvwyz";
    std::string text;
    for (int n = 1 + Pick(5); n > 0; --n) text += characters[Pick(sizeof characters - 1)];
    headless::typeText(text);
  }

  void OpenMenu() {
    press('F', {VK_MENU});
    menuMayBeOpen_ = true;
  }

  std::mt19937 random_;
  bool menuMayBeOpen_ = false;
  bool settled_ = false;
};

// The script that checks both rows after the storm, and what it must print.
struct Check {
  std::string script, expected;
};

Check checkOfBothRows(uint32_t seed) {
  std::mt19937 random(seed ^ 0x9E3779B9u);
  long long whole = std::uniform_int_distribution<long long>(0, 999999)(random);
  long long larger = std::uniform_int_distribution<long long>(0, 999999)(random);
  golden::Row1 r1 = golden::row1(static_cast<double>(whole));
  golden::Row2 r2 = golden::row2(static_cast<double>(larger));
  return {"set C1 " + std::to_string(whole) + "\nclick Go1\nprint B1\nprint A1\nset B2 " + std::to_string(larger) +
              "\nclick Go2\nprint A2\nprint C2\n",
          "B1\t" + r1.larger + "\nA1\t" + r1.smaller + "\nA2\t" + r2.smaller + "\nC2\t" + r2.whole + "\n"};
}

// Names the seed of a failed storm, so that it can be run again.
int failedWith(uint32_t seed) {
  std::fprintf(stderr, "velmaro_storm: the storm from seed %u failed (STORM_SEED=%u repeats it)\n", seed, seed);
  return 1;
}

int storm(long events, uint32_t seed) {
  std::printf("storm: %ld events from seed %u\n", events, seed);
  startWatchdog(std::chrono::seconds(60 + events / 20));
  Storm storm(seed);
  long given = 0;
  // The live objects are counted after each tenth of the storm, once the
  // program is brought to the same state: what is live at a moment depends
  // on the state the input left (a menu open, an item's capture), and even
  // then a few objects come and go with it. Grown with the storm's length,
  // the last count is above every one before it.
  uint32_t liveBefore = 0;
  std::vector<uint32_t> counts;
  Clock::time_point start;
  auto prelude = [&]() {
    if (!liveBefore) {
      liveBefore = ovRunTimeHeap->LiveCount();
      start = Clock::now();
    }
    while (counts.size() < 10 && given >= (static_cast<long>(counts.size()) + 1) * events / 10) {
      if (storm.Settle()) return true;
      counts.push_back(ovRunTimeHeap->LiveCount());
    }
    if (counts.size() == 10) return false;
    storm.Next();
    ++given;
    return true;
  };
  Check check = checkOfBothRows(seed);
  std::istringstream script(check.script);
  std::ostringstream printed;
  velmaro::ScriptResult result = velmaro::RunScript(script, printed, prelude);
  double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("storm: %.0f events/s; live objects %u before, after each tenth:", static_cast<double>(events) / seconds,
              liveBefore);
  for (uint32_t count : counts) std::printf(" %u", count);
  std::printf("\n");
  if (result.status != 0) {
    std::fprintf(stderr, "velmaro_storm: the program ended with status %d %s\n", result.status, result.error.c_str());
    return failedWith(seed);
  }
  if (printed.str() != check.expected) {
    std::fprintf(stderr, "velmaro_storm: after the storm the rows show\n%swhere the formula gives\n%s",
                 printed.str().c_str(), check.expected.c_str());
    return failedWith(seed);
  }
  if (counts.size() == 10 && counts.back() > *std::max_element(counts.begin(), counts.end() - 1)) {
    std::fprintf(stderr, "velmaro_storm: the live objects grew with the storm's length\n");
    return failedWith(seed);
  }
  std::printf("storm: both rows right afterwards, status 0\n");
  return 0;
}

size_t committedBytes() {
  size_t bytes = 0;
  ovRunTimeHeap->ForEachSubHeap([&bytes](const ovMemSubHeap* sub) { bytes += sub->size; });
  return bytes;
}

// What the heap holds at one moment of the soak.
struct Measure {
  uint32_t live = 0;
  size_t committed = 0;
};

// One stage of the soak: an input given a number of times (told how many
// came before it), then the heap measured once the program has settled.
struct Stage {
  std::function<void(long)> input;
  long times;
  Measure after{};
  double seconds = 0;
};

int soak(long presses) {
  startWatchdog(std::chrono::seconds(120 + presses / 50));
  POINT go1{}, go2{}, c1{};
  auto pressBoth = [&](long) {
    headless::click(go1.x, go1.y);
    headless::click(go2.x, go2.y);
  };
  auto typeIntoC1 = [&](long before) {
    if (before == 0) return headless::click(c1.x, c1.y);
    headless::typeText("7");
    press(VK_BACK);
  };
  auto openAndLeaveTheMenu = [](long) {
    press('F', {VK_MENU});
    press(VK_ESCAPE);
    press(VK_ESCAPE);
  };
  // The first round, then the long runs of presses, typing and the menu.
  Stage stages[] = {{pressBoth, 1}, {pressBoth, presses}, {typeIntoC1, presses + 1}, {openAndLeaveTheMenu, presses}};
  size_t stage = 0;
  long done = 0;
  Clock::time_point start;
  auto prelude = [&]() {
    if (stage == std::size(stages)) return false;
    if (stage == 0 && done == 0) {
      go1 = onScreen(kGo1);
      go2 = onScreen(kGo2);
      c1 = onScreen(kC1);
    }
    if (done == stages[stage].times) {
      stages[stage].seconds = std::chrono::duration<double>(Clock::now() - start).count();
      stages[stage].after = {ovRunTimeHeap->LiveCount(), committedBytes()};
      if (++stage == std::size(stages)) return false;
      done = 0;
    }
    if (done == 0) start = Clock::now();
    stages[stage].input(done++);
    return true;
  };
  std::istringstream noScript;
  std::ostringstream printed;
  velmaro::ScriptResult result = velmaro::RunScript(noScript, printed, prelude);
  std::printf("soak: %ld presses of each Go: %.1f us per press\n", presses, 1e6 * stages[1].seconds / (2.0 * presses));
  std::printf("soak: live objects / committed heap bytes after the first round, the presses, typing, the menu:");
  bool steady = true;
  for (const Stage& s : stages) {
    std::printf(" %u / %zu;", s.after.live, s.after.committed);
    steady = steady && s.after.live == stages[0].after.live && s.after.committed == stages[0].after.committed;
  }
  std::printf("\n");
  if (result.status != 0 || !steady) {
    std::fprintf(stderr, "velmaro_storm: %s\n", result.status != 0 ? "the program failed" : "the heap grew with use");
    return 1;
  }
  std::printf("soak: nothing grew, status 0\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string mode = argc >= 3 ? argv[1] : "";
  if (mode == "storm" && argc <= 4) {
    const char* given = argc == 4 ? argv[3] : std::getenv("STORM_SEED");
    uint32_t seed = given && *given ? static_cast<uint32_t>(std::strtoul(given, nullptr, 10)) : std::random_device()();
    return storm(std::atol(argv[2]), seed);
  }
  if (mode == "soak" && argc == 3) return soak(std::atol(argv[2]));
  std::fprintf(stderr, "usage: velmaro_storm storm EVENTS [SEED] | velmaro_storm soak PRESSES\n");
  return 2;
}
