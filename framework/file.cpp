// Files: the base class and its error report. A file is open while its
// "File Reference" is not 0. Opening and closing the platform's file belong
// to subclasses ("Open File", "Close File"), which fail here, so a plain
// file never opens.
#include <string>

#include "platform/win32.h"
#include "runtime/methods/kit.h"

namespace {

constexpr uint32_t kGenericRead = 0x80000000u;   // GENERIC_READ
constexpr uint32_t kGenericWrite = 0x40000000u;  // GENERIC_WRITE

bool isOpen(ovC_object* file) { return ov::toInt(ov::get("File Reference"_attr, file)) != 0; }

namespace file {

ovStatus Open(const ov::Args& a) {
  ovC_object* file = a.receiver();
  if (isOpen(file)) return ovSuccess;
  bool locked = ov::isTrue(ov::send("Get Locked?"_sel, file).get());
  ovRef access = ov::send("Get Permission"_sel, file).take();
  auto opened = ov::send("Open File"_sel, file, {access});
  if (opened.failed()) return ovFailure;
  ov::set("File Reference"_attr, file, opened.get());
  ov::set("Read Only?"_attr, file, ov::boolean(ov::isTrue(ov::get("Read Only?"_attr, file)) || locked));
  return ovSuccess;
}

// The file counts as closed even when closing reports an error.
ovStatus Close(const ov::Args& a) {
  ovC_object* file = a.receiver();
  if (!isOpen(file)) return ovSuccess;
  auto closed = ov::send("Close File"_sel, file);
  if (closed.failed()) return ovFailure;
  ov::set("File Reference"_attr, file, ov::integer(0));
  return ov::send<0>("Error"_sel, file, {closed.get()}).status;
}

// A non-zero code is kept and shown to the user.
ovStatus Error(const ov::Args& a) {
  if (ov::toInt(a[1]) == 0) return ovSuccess;
  ov::set("Last Error"_attr, a.receiver(), a[1]);
  ov::tell(ov::primitive<0>("show"_prim, {ov::text("File error number:"), a[1]}));
  return ovSuccess;
}

ovStatus GetName(const ov::Args& a) {
  ovRef path = ov::get("File Specification"_attr, a.receiver());
  a.put(0, path ? std::move(path) : ov::universal("Get String"_uni, {ov::integer(1)}).take());
  return ovSuccess;
}

// Whether the file system marks the file read-only; a missing file is not.
ovStatus GetLocked(const ov::Args& a) {
  auto parts = ov::send<3>("Extract Specification"_sel, a.receiver());
  DWORD attributes = parts.failed() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(ov::cString(parts.get(2)).c_str());
  bool locked = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
  a.put(0, ov::boolean(locked));
  return ovSuccess;
}

ovStatus GetPermission(const ov::Args& a) {
  bool readOnly = ov::isTrue(ov::get("Read Only?"_attr, a.receiver()));
  a.put(0, ov::integer(static_cast<int32_t>(readOnly ? kGenericRead : kGenericRead | kGenericWrite)));
  return ovSuccess;
}

// The file's path split into (folder, file name, whole path); fails
// without a path.
ovStatus ExtractPathParts(const ov::Args& a) {
  ovRef path = ov::get("File Specification"_attr, a.receiver());
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
    .name = "File"_cls,
    .attributes = {"File Specification"_attr, "File Type"_attr, "Read Only?"_attr, "Report Errors?"_attr,
                   "File Reference"_attr, "Last Error"_attr, "Filters"_attr},
    .methods = {{"Open"_sel, ov::routine<file::Open>},
                {"Close"_sel, ov::routine<file::Close>},
                {"Error"_sel, ov::routine<file::Error>},
                {"Get Name"_sel, ov::routine<file::GetName>},
                {"Get Locked?"_sel, ov::routine<file::GetLocked>},
                {"Get Permission"_sel, ov::routine<file::GetPermission>},
                {"Extract Specification"_sel, ov::routine<file::ExtractPathParts>},
                {"Open File"_sel, ov::failing},
                {"Close File"_sel, ov::failing}},
});

}  // namespace
