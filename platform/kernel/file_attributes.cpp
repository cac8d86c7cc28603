// GetFileAttributesA over the real file system: directories, read-only
// files (the owner may not write them), hidden files (names starting with a
// dot), and the Windows error codes for what is missing.
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/win32.h"

namespace {

bool hiddenName(const char* path) {
  const char* name = std::strrchr(path, '/');
  name = name ? name + 1 : path;
  return name[0] == '.' && std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0;
}

// A missing file in a missing folder is a missing path, as on Windows.
bool parentExists(const char* path) {
  std::string parent(path);
  size_t slash = parent.find_last_of('/');
  if (slash == std::string::npos) return true;
  parent.resize(slash == 0 ? 1 : slash);
  struct stat info {};
  return stat(parent.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

DWORD errorOf(int error, const char* path) {
  switch (error) {
    case ENOENT: return parentExists(path) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EACCES: return ERROR_ACCESS_DENIED;
    default: return ERROR_INVALID_PARAMETER;
  }
}

}  // namespace

DWORD WINAPI GetFileAttributesA(LPCSTR lpFileName) {
  struct stat info {};
  if (!lpFileName || !*lpFileName) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return INVALID_FILE_ATTRIBUTES;
  }
  if (stat(lpFileName, &info) != 0) {
    SetLastError(errorOf(errno, lpFileName));
    return INVALID_FILE_ATTRIBUTES;
  }
  DWORD attributes = 0;
  if (S_ISDIR(info.st_mode)) attributes |= FILE_ATTRIBUTE_DIRECTORY;
  else if (!(info.st_mode & S_IWUSR)) attributes |= FILE_ATTRIBUTE_READONLY;
  if (hiddenName(lpFileName)) attributes |= FILE_ATTRIBUTE_HIDDEN;
  return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}
