// The pool of callback entries: ovCallbackPoolSize compiled functions, each
// calling UCDoCallback with the method its slot holds.
#include <array>
#include <utility>

#include "runtime/externals/callback.h"

namespace {

std::array<ovRoutine, ovCallbackPoolSize> gSlotMethods{};

template <size_t Slot>
LRESULT CALLBACK slotEntry(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return UCDoCallback(gSlotMethods[Slot], hwnd, message, wParam, lParam);
}

template <size_t... Slots>
constexpr std::array<WNDPROC, sizeof...(Slots)> entriesOf(std::index_sequence<Slots...>) {
  return {&slotEntry<Slots>...};
}

constexpr auto kSlotEntries = entriesOf(std::make_index_sequence<ovCallbackPoolSize>{});

}  // namespace

WNDPROC ovCallbackEntryFor(ovRoutine code) {
  for (size_t slot = 0; slot < ovCallbackPoolSize; ++slot) {
    if (gSlotMethods[slot] == code) return kSlotEntries[slot];
    if (!gSlotMethods[slot]) {
      gSlotMethods[slot] = code;
      return kSlotEntries[slot];
    }
  }
  return nullptr;
}
