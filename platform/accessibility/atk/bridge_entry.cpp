// The module's entry: the ATK root and toolkit answers in place, the
// at-spi bridge started on GLib's default context, and that context joined
// to the program's wait.
#include <atk-bridge.h>
#include <atk/atk.h>

#include "platform/accessibility/atk/atk_events.h"
#include "platform/accessibility/atk/atk_objects.h"
#include "platform/accessibility/atk/glib_context_join.h"
#include "platform/accessibility/bridge_module.h"

namespace platform::accessibility::atk {
namespace {

GlibContextJoin* gJoin = nullptr;

AtkObject* root() { return objects().root(); }
const gchar* toolkitName() { return "Velmaro"; }
const gchar* toolkitVersion() { return "1.0"; }

void answerAsToolkit() {
  auto* util = ATK_UTIL_CLASS(g_type_class_ref(ATK_TYPE_UTIL));
  util->get_root = root;
  util->get_toolkit_name = toolkitName;
  util->get_toolkit_version = toolkitVersion;
}

void runReadyWork() { gJoin->runReady(); }
int descriptor() { return gJoin->descriptor(); }
DWORD timeToNextWork() { return gJoin->timeout() < 0 ? INFINITE : static_cast<DWORD>(gJoin->timeout()); }

}  // namespace
}  // namespace platform::accessibility::atk

using namespace platform::accessibility;

extern "C" __attribute__((visibility("default"))) bool velmaro_accessibility_bridge_start(Tree* tree,
                                                                                         const char* applicationName,
                                                                                         BridgeCalls* calls) {
  atk::makeObjects(*tree, applicationName);
  g_set_application_name(applicationName);
  atk::answerAsToolkit();
  atk::gJoin = new atk::GlibContextJoin;
  if (!atk::gJoin->usable() || atk_bridge_adaptor_init(nullptr, nullptr) != 0) return false;
  calls->winEvent = atk::onWinEvent;
  calls->runReadyWork = atk::runReadyWork;
  calls->descriptor = atk::descriptor;
  calls->timeToNextWork = atk::timeToNextWork;
  atk::gJoin->runReady();
  return true;
}
