// The send trace: with "sends" among the comma-separated words of
// VELMARO_TRACE (VELMARO_TRACE=sends, or sends,messages), every send
// a method body makes through the kit is printed on standard error as it
// happens: its depth, the receiver's class and the method, then its status.
// A send that makes no sends of its own takes one line; one that does
// opens with "{" and closes with "}" and its status, so a behaviour that
// travels through twenty methods reads top to bottom. Off, the trace costs
// one predictable branch per call.
#pragma once

#include "runtime/methods/protocol.h"

struct ovC_object;

// Whether the trace is on; read from the environment at start.
extern bool ovTraceSends;

namespace ov::trace {

// What a call is, for its line in the trace.
struct Call {
  enum How { kUntraced, kSend, kSendAs, kClassMethod, kUniversal, kNamed };
  How how = kUntraced;
  const char* cls = nullptr;         // the class the call names, if any
  const char* method = nullptr;      // the method's name, when known to code
  const ovC_object* name = nullptr;  // the method's name, when a text
};

void Enter(const Call& what, const ovC_object* receiver);
void Leave(ovStatus status);

// Turns the trace on or off, whatever the environment said.
void Enable(bool on);

}  // namespace ov::trace
