// Installing the archived data at start-up.
#pragma once

#include <cstddef>

#include "platform/win32.h"

constexpr WORD kArchiveResourceType = 136;
constexpr WORD kArchiveResourceId = 136;

// Loads the archive (resource 136 of type 136) from the module and installs
// it with InitDataFromBlock. Without the resource nothing is installed: the
// tables' values stay NULL.
void InitData(HINSTANCE instance);

// Decodes an archive block and hands its three lists (persistent values,
// class attribute values, default instances) to the tables, which take their
// own uses; then releases the decoded root. A root that is not a list of
// exactly three lists installs nothing. The decoder's status is not examined:
// a damaged archive decodes as far as it is valid, and the shape of what it
// gives decides.
void InitDataFromBlock(const unsigned char* block, size_t size);
