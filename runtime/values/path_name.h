// Method names as the language writes them: "Name", "/Name", "//Name" and
// "Class/Name".
#pragma once

#include "runtime/values/value.h"

enum ovPath : int {
  ovPathPlain = 0,     // a plain name
  ovPathClass = 1,     // Class/name
  ovPathReceiver = 2,  // /name: relative to the receiver
  ovPathCurrent = 3,   // //name: relative to the calling method's class
};

// The path kind of text; when split is set, new texts for the class and
// method parts (nullptr where a part is absent).
ovPath ovScanNameAndParse(ovC_object* text, int split, ovC_object** classText, ovC_object** nameText);

// The inverse: the path text for the parts (the empty text for an unknown
// path kind).
ovC_object* ovMakePathName(ovC_object* classText, ovC_object* nameText, int path);
