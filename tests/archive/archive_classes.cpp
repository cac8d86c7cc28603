// The classes the archive tests name: instances of known slot counts.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kFiveSlots({
    .name = "Five Slots",
    .attributes = {"A", "B", "C", "D", "E"},
});

const ovClassDeclaration kPair({
    .name = "Pair",
    .attributes = {"Left", "Right"},
});

const ovClassDeclaration kLabelledPair({
    .name = "Labelled Pair",
    .superclass = "Pair",
    .attributes = {"Label?"},
});

}  // namespace
