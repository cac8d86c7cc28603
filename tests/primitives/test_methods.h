// Methods the primitive tests call by name:
//
//   Caller (method "Who")          -- answers "Caller/Who"
//     Callee                       -- answers "Callee/Who"
//       Grand Callee
//
// and the universals "Echo" (each input to the output of the same place),
// "Fail After Writing", "Stop Early" and "Finish Early" (write their first
// input, then fail, terminate or finish), "Window Probe" (records its inputs, outputs message +
// wParam), "Silent Probe" (records its inputs, outputs nothing) and
// "Default Window Probe" (a window procedure: WM_USER answers 1234, other
// messages go to DefWindowProcA).
#pragma once

#include <string>
#include <vector>

// The printed inputs of the last call of a probe.
extern std::vector<std::string> gProbeInputs;
