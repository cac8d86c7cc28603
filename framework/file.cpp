// Files: the base class and its error report. A file is open while its
// "File Reference" is not 0. Opening and closing the platform's file belong
// to subclasses ("Open File", "Close File"), which fail here, so a plain
// file never opens.
#include <string>

#include "platform/win32.h"
#include "runtime/methods/kit.h"

namespace {

namespace sel {
const ovMethodSelector CloseFile("Close File");
const ovMethodSelector Error("Error");
const ovMethodSelector ExtractPathParts("Extract Specification");
const ovMethodSelector GetLocked("Get Locked?");
const ovMethodSelector GetPermission("Get Permission");
const ovMethodSelector OpenFile("Open File");
}  // namespace sel

namespace attr {
const ovAttributeSelector FileReference("File Reference");
const ovAttributeSelector FilePath("File Specification");
const ovAttributeSelector LastError("Last Error");
const ovAttributeSelector ReadOnly("Read Only?");
}  // namespace attr

namespace uni {
const ovUniversalName GetString("Get String");
}  // namespace uni

namespace prim {
const ovPrimitiveName Show("show");
}  // namespace prim

constexpr uint32_t kGenericRead = 0x80000000u;   // GENERIC_READ
constexpr uint32_t kGenericWrite = 0x40000000u;  // GENERIC_WRITE

bool isOpen(ovC_object* file) { return ov::toInt(ov::get(attr::FileReference, file)) != 0; }

namespace file {

ovStatus Open(const ov::Args& a) {
  ovC_object* file = a.receiver();
  if (isOpen(file)) return ovSuccess;
  bool locked = ov::isTrue(ov::send(sel::GetLocked, file).get());
  ovRef access = ov::send(sel::GetPermission, file).take();
  auto opened = ov::send(sel::OpenFile, file, {access});
  if (opened.failed()) return ovFailure;
  ov::set(attr::FileReference, file, opened.get());
  ov::set(attr::ReadOnly, file, ov::boolean(ov::isTrue(ov::get(attr::ReadOnly, file)) || locked));
  return ovSuccess;
}

// The file counts as closed even when closing reports an error.
ovStatus Close(const ov::Args& a) {
  ovC_object* file = a.receiver();
  if (!isOpen(file)) return ovSuccess;
  auto closed = ov::send(sel::CloseFile, file);
  if (closed.failed()) return ovFailure;
  ov::set(attr::FileReference, file, ov::integer(0));
  return ov::send<0>(sel::Error, file, {closed.get()}).status;
}

// A non-zero code is kept and shown to the user.
ovStatus Error(const ov::Args& a) {
  if (ov::toInt(a[1]) == 0) return ovSuccess;
  ov::set(attr::LastError, a.receiver(), a[1]);
  ov::primitive<0>(prim::Show, {ov::text("File error number:"), a[1]});
  return ovSuccess;
}

ovStatus GetName(const ov::Args& a) {
  ovRef path = ov::get(attr::FilePath, a.receiver());
  a.put(0, path ? std::move(path) : ov::universal(uni::GetString, {ov::integer(1)}).take());
  return ovSuccess;
}

// Whether the file system marks the file read-only; a missing file is not.
ovStatus GetLocked(const ov::Args& a) {
  auto parts = ov::send<3>(sel::ExtractPathParts, a.receiver());
  DWORD attributes = parts.failed() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(ov::cString(parts.get(2)).c_str());
  bool locked = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
  a.put(0, ov::boolean(locked));
  return ovSuccess;
}

ovStatus GetPermission(const ov::Args& a) {
  bool readOnly = ov::isTrue(ov::get(attr::ReadOnly, a.receiver()));
  a.put(0, ov::integer(static_cast<int32_t>(readOnly ? kGenericRead : kGenericRead | kGenericWrite)));
  return ovSuccess;
}

// The file's path split into (folder, file name, whole path); fails
// without a path.
ovStatus ExtractPathParts(const ov::Args& a) {
  ovRef path = ov::get(attr::FilePath, a.receiver());
  std::string whole(ov::chars(path));
  if (whole.empty()) return ovFailure;
  size_t slash = whole.find_last_of("/\\");
  size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  a.put(0, ov::text(std::string_view(whole).substr(0, nameStart)));
  a.put(1, ov::text(std::string_view(whole).substr(nameStart)));
  a.put(2, std::move(path));
  return ovSuccess;
}

}  // namespace file

const ovClassDeclaration kFileClass({
    .name = "File",
    .attributes = {"File Specification", "File Type", "Read Only?", "Report Errors?", "File Reference", "Last Error",
                   "Filters"},
    .methods = {{"Open", ov::routine<file::Open>},
                {"Close", ov::routine<file::Close>},
                {"Error", ov::routine<file::Error>},
                {"Get Name", ov::routine<file::GetName>},
                {"Get Locked?", ov::routine<file::GetLocked>},
                {"Get Permission", ov::routine<file::GetPermission>},
                {"Extract Specification", ov::routine<file::ExtractPathParts>},
                {"Open File", ov::failing},
                {"Close File", ov::failing}},
});

}  // namespace
