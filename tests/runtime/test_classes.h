// A small class hierarchy for the dispatch and method-kit tests:
//
//   Shape (Name, Sides; class attribute Made)
//     Polygon (Points)
//       Square (Side)            -- overrides Describe and Area
//     Counted                    -- has an initialisation method
//   Gauge (Level)                -- has a get-method "Reading"
//
// plus the universal "Double It", the lookup-table primitive "test-add" and
// the persistent "Test Counter".
#pragma once

struct ovC_object;

extern ovC_object* gTestCounter;
