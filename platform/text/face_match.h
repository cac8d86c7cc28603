// Finds the installed font file for a Windows face name through fontconfig.
//
// A face name that names an installed family is used as it is. Windows faces
// that are not installed map to a face of the same kind: "Courier", "Courier
// New" and the fixed faces to a monospaced face, "Times New Roman" and the
// other serif faces to a serif face, and every other name ("MS Sans Serif",
// "Arial", "Helvetica", "System", unknown names, the empty name) to a sans
// face. DejaVu is preferred for each kind so that output is the same on every
// machine that has it.
#pragma once

#include <string>
#include <string_view>

namespace platform::text {

struct FaceFile {
  std::string path;
  int index = 0;        // face index inside the file
  std::string family;   // the family fontconfig found
  bool emboldened = false;  // bold was asked for but the file is not bold
  bool slanted = false;     // italic was asked for but the file is upright
};

// The face for a request; empty path when fontconfig finds nothing at all.
FaceFile matchFace(std::string_view windowsFace, bool bold, bool italic);

}  // namespace platform::text
