// The messages the framework names, their event names and routes.
//
// WM_KEYDOWN has no name: keys arrive as WM_CHAR after TranslateMessage;
// only the navigation keys of a window with scroll bars are answered, by the
// window procedure, as scroll messages (key_scrolling.h).
// Moves, sizes, closes, double clicks and scroll bars all reach the desktop
// as "Mouse Down", which tells them apart by the event's name. Several
// messages may share a name (the WM_CTLCOLOR family).
#include "framework/message_events.h"

#include "runtime/methods/names.h"

namespace {

const vorn::MessageEvent kMessageEvents[] = {
    {WM_COMMAND, "COMMAND", &"On Command"_sel},
    {WM_LBUTTONDOWN, "LCLICK", &"Mouse Down"_sel},
    {WM_RBUTTONDOWN, "RCLICK", &"Mouse Down Right"_sel},
    {WM_MBUTTONDOWN, "MCLICK", &"Mouse Down Middle"_sel},
    {WM_MOUSEMOVE, "MOUSEMOVE", &"Mouse Moved"_sel},
    {WM_LBUTTONUP, "LUP", &"Mouse Up"_sel},
    {WM_RBUTTONUP, "RUP", &"Mouse Up Right"_sel},
    {WM_MBUTTONUP, "MUP", &"Mouse Up Middle"_sel},
    {WM_MOVE, "MOVE", &"Mouse Down"_sel},
    {WM_SIZE, "GROW", &"Mouse Down"_sel},
    {WM_PAINT, "UPDATE", &"Update Event"_sel},
    {WM_CHAR, "KEYDOWN", &"Key Down"_sel},
    {WM_CLOSE, "CLOSE", &"Mouse Down"_sel},
    {WM_ACTIVATE, "ACTIVATE", &"Activate Event"_sel},
    {WM_ACTIVATEAPP, "ACTIVATEAPP", &"OS Event"_sel},
    {WM_HSCROLL, "HSCROLL", &"Mouse Down"_sel},
    {WM_VSCROLL, "VSCROLL", &"Mouse Down"_sel},
    {WM_LBUTTONDBLCLK, "DOUBLEDOWN", &"Mouse Down"_sel},
    {WM_ERASEBKGND, "BACKGROUND", &"Update Event"_sel},
    {WM_CTLCOLORBTN, "CTLCOLOR", &"Change Color"_sel},
    {WM_CTLCOLOREDIT, "CTLCOLOR", &"Change Color"_sel},
    {WM_CTLCOLORLISTBOX, "CTLCOLOR", &"Change Color"_sel},
    {WM_CTLCOLORSCROLLBAR, "CTLCOLOR", &"Change Color"_sel},
    {WM_QUIT, "QUIT", nullptr},
};

}  // namespace

namespace vorn {

const MessageEvent* EventOfMessage(UINT message) {
  for (const MessageEvent& e : kMessageEvents)
    if (e.message == message) return &e;
  return nullptr;
}

const ovMethodSelector* RouteOfEvent(std::string_view name) {
  for (const MessageEvent& e : kMessageEvents)
    if (name == e.name) return e.route;
  return nullptr;
}

}  // namespace vorn
