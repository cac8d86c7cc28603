// The persistent values of the framework: named globals the archive fills at
// start-up. Each is defined beside the code that owns it.
#pragma once

#include "runtime/methods/persistent.h"

extern ovPersistent gTheApplication;       // "The Application"
extern ovPersistent gTheFrontApplication;  // "The Front Application"
extern ovPersistent gTheProcesses;         // "The Processes"
extern ovPersistent gReturnValue;          // "Return Value"
extern ovPersistent gEvent;                // "Event"
extern ovPersistent gCurrentDevice;        // "Current Device"
extern ovPersistent gPrinterDc;            // "Printer DC"
