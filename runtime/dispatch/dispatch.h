// Message dispatch, instance making and attribute access for compiled
// method bodies. A slot argument is the address of one of the caller's value
// slots; whatever these routines store there carries one use for the caller.
#pragma once

#include <cstdint>

#include "runtime/methods/protocol.h"
#include "runtime/tables/records.h"

struct ovC_object;

// The routine that answers selector for receiver: the instance's class
// chain, most derived first; for any other receiver (NULL included) the
// primitive table, then the universal table. UCDoNothing when none does.
ovRoutine UCLookupMethod(uint32_t selector, const ovC_object* receiver);
// The method of selector found from cls upward, or UCDoNothing.
ovRoutine UCClassMethod(uint32_t selector, const RTClass* cls);
// A new instance of cls (initial applied when it is a list) into slot; runs
// the class's initialisation method when it has one.
ovStatus UCMakeInstance(const RTClass* cls, const ovC_object* initial, ovC_object** slot);
// Reads an attribute of an instance, or the default through a class-name
// text; the object passes through to objectSlot.
void UCGetAttribute(uint32_t selector, ovC_object* object, ovC_object** objectSlot, ovC_object** valueSlot);
// Writes an attribute (through a class-name text: the default instance's).
void UCSetAttribute(uint32_t selector, ovC_object* object, ovC_object* value, ovC_object** objectSlot);
ovStatus UCGetMethod(uint32_t getSelector, uint32_t attributeSelector, ovC_object* object, ovC_object** objectSlot,
                     ovC_object** valueSlot);

// The same with names known only at run time.
ovRoutine UCInjectLookupMethod(const ovC_object* name, const RTClass* current, const ovC_object* receiver);
ovStatus UCInjectMakeInstance(const ovC_object* className, const ovC_object* initial, ovC_object** slot);
ovStatus UCInjectGetAttribute(const ovC_object* name, ovC_object* object, ovC_object** objectSlot,
                              ovC_object** valueSlot);
void UCInjectGetPersistent(const ovC_object* name, ovC_object** slot);
