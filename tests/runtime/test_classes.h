// A small class hierarchy for the dispatch and method-kit tests:
//
//   Shape (Name, Sides; class attribute Made)  -- "Perimeter" declared apart
//     Polygon (Points)
//       Square (Side)            -- overrides Describe and Area; class
//                                   method "Make Square"
//     Counted                    -- has an initialisation method
//   Gauge (Level)                -- has a get-method "Reading"; asks its
//                                   input "Describe" and "Area"
//
// plus the universals "Double It", "Area" (-1), "Status Of" (answers its
// input as its status) and "Application", the lookup-table
// primitive "test-add" and the persistents "Test Counter" (a bare slot) and
// "Test Level".
#pragma once

#include "runtime/methods/persistent.h"

struct ovC_object;

extern ovC_object* gTestCounter;
// The universal "Application": counts its runs and asks for this exit status.
extern int gTestApplicationRuns;
extern int gTestExitStatus;
extern ovPersistent gTestLevel;
