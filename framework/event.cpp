// Events: Windows messages as named events, and the handler that routes them.

#include "framework/persistents.h"
#include "runtime/tables/declarations.h"

ovC_object* gEvent = nullptr;

namespace {

const ovPersistentDeclaration kEventPersistent("Event", &gEvent);

const ovClassDeclaration kEventClass({
    .name = "Event",
    .attributes = {"Event Handler", "Event Record", "Double Down?", "Double Up?", "Platform Event"},
});

const ovClassDeclaration kEventHandlerClass({
    .name = "Event Handler",
    .attributes = {"Sleep", "Mouse Region", "Where", "Down Time", "Up Time", "Filters", "Background Sleep"},
});

const ovClassDeclaration kPlatformEventClass({
    .name = "Platform Event",
    .attributes = {"Type", "HWnd", "Message", "LParam", "WParam"},
});

}  // namespace
