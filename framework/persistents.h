// The persistent values of the framework: global slots the archive fills at
// start-up, each holding one use of its value.
#pragma once

struct ovC_object;

extern ovC_object* gTheApplication;       // "The Application"
extern ovC_object* gTheFrontApplication;  // "The Front Application"
extern ovC_object* gTheProcesses;         // "The Processes"
extern ovC_object* gReturnValue;          // "Return Value"
extern ovC_object* gEvent;                // "Event"
extern ovC_object* gCurrentDevice;        // "Current Device"
extern ovC_object* gPrinterDc;            // "Printer DC"
