// Windows: opening, closing and bringing to front; their borders.
#include "framework/persistents.h"
#include "runtime/tables/declarations.h"

ovPersistent gCurrentDevice("Current Device");

namespace {

const ovClassDeclaration kWindowClass({
    .name = "Window",
    .attributes = {"Name",           "Title",
                   "Modal?",         "Window Record",
                   "Maximum Size",   "Minimum Size",
                   "Active?",        "Visible?",
                   "Location",       "Size",
                   "HasGrow?",       "HasClose?",
                   "Owner",          "View",
                   "Target",         "Tab Order",
                   "Default Item",   "Last Item",
                   "Offscreen",      "Key Behavior",
                   "Data Mapping",   "Floating?",
                   "Location Mode",  "Stacking Offset",
                   "Flags",          "Extended Style",
                   "Border",         "Child?",
                   "Device Context", "Accelerator Table",
                   "Accelerators",   "Current Item ID",
                   "Initial Menus",  "Menubar",
                   "Has Menubar?"},
});

const ovClassDeclaration kWindowBorderClass({
    .name = "Window Border",
    .attributes = {"Border", "Caption?", "Minimize?", "Maximize?", "Sys Menu?"},
});

}  // namespace
