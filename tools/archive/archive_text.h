// The archive text form: archive blocks (runtime/archive/format.h) written as
// readable text, by hand or by the dumper. resources/README.md describes the
// form. Class and external type names are resolved through the run-time
// tables, which must be built.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Compiles the text form into an archive block. False with *error ("line L,
// column C: what") when the text is not a valid archive.
bool ovBuildArchive(std::string_view source, std::vector<unsigned char>* block, std::string* error);

// Prints an archive block in the text form; building that text gives the
// same bytes back. False when the block is damaged or names a class or an
// external type the tables lack: *text then holds what could be printed and
// *error what was wrong.
bool ovDumpArchive(const unsigned char* block, size_t size, std::string* text, std::string* error);
