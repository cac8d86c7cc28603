// Single-byte strings in the Windows-1252 code page: case mapping, stepping
// through characters, length, comparison and bounded copying.
#include <cstring>

#include "platform/win32.h"

namespace {

unsigned char upper(unsigned char c) {
  if (c >= 'a' && c <= 'z') return c - 0x20;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  switch (c) {
    case 0x9A: return 0x8A;  // s caron
    case 0x9C: return 0x8C;  // oe
    case 0x9E: return 0x8E;  // z caron
    case 0xFF: return 0x9F;  // y diaeresis
    default: return c;
  }
}

unsigned char lower(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return c + 0x20;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
  switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
  }
}

// A pointer whose high bits are zero carries one character, not a string.
bool isCharacter(LPSTR p) { return reinterpret_cast<uintptr_t>(p) <= 0xFFFF; }

LPSTR mapCase(LPSTR s, unsigned char (*map)(unsigned char)) {
  if (isCharacter(s)) return reinterpret_cast<LPSTR>(static_cast<uintptr_t>(map(static_cast<unsigned char>(reinterpret_cast<uintptr_t>(s)))));
  for (char* p = s; *p; ++p) *p = static_cast<char>(map(static_cast<unsigned char>(*p)));
  return s;
}

// Word-sort weights: letters compare by their letter whatever the case,
// digits come before letters and other signs before digits; hyphens and
// apostrophes are left out so that "co-op" sorts beside "coop".
int primaryWeight(unsigned char c) {
  unsigned char u = upper(c);
  if (u >= 'A' && u <= 'Z') return 0x300 + u;
  if (u >= 0xC0 && u != 0xD7 && u != 0xF7) return 0x300 + u;
  if (c >= '0' && c <= '9') return 0x200 + c;
  return 0x100 + c;
}

bool ignored(unsigned char c) { return c == '-' || c == '\''; }

int sign(int v) { return (v > 0) - (v < 0); }

int comparePrimary(const unsigned char* a, const unsigned char* b) {
  for (;;) {
    while (*a && ignored(*a)) ++a;
    while (*b && ignored(*b)) ++b;
    if (!*a || !*b) return sign((*a != 0) - (*b != 0));
    int d = primaryWeight(*a) - primaryWeight(*b);
    if (d) return sign(d);
    ++a;
    ++b;
  }
}

// Ties of the word sort: lower case before upper case, then the ignored
// signs, then plain bytes.
int compareTies(const unsigned char* a, const unsigned char* b) {
  for (const unsigned char *p = a, *q = b; *p && *q; ++p, ++q) {
    bool pl = lower(*p) == *p && upper(*p) != *p, ql = lower(*q) == *q && upper(*q) != *q;
    if (upper(*p) == upper(*q) && pl != ql) return pl ? -1 : 1;
  }
  return sign(std::strcmp(reinterpret_cast<const char*>(a), reinterpret_cast<const char*>(b)));
}

const unsigned char* bytes(LPCSTR s) { return reinterpret_cast<const unsigned char*>(s ? s : ""); }

}  // namespace

LPSTR WINAPI CharUpperA(LPSTR lpsz) { return lpsz ? mapCase(lpsz, upper) : nullptr; }
LPSTR WINAPI CharLowerA(LPSTR lpsz) { return lpsz ? mapCase(lpsz, lower) : nullptr; }

LPSTR WINAPI CharNextA(LPCSTR lpsz) {
  if (!lpsz) return nullptr;
  return const_cast<LPSTR>(*lpsz ? lpsz + 1 : lpsz);
}

LPSTR WINAPI CharPrevA(LPCSTR lpszStart, LPCSTR lpszCurrent) {
  if (!lpszStart || !lpszCurrent) return nullptr;
  return const_cast<LPSTR>(lpszCurrent > lpszStart ? lpszCurrent - 1 : lpszStart);
}

int WINAPI lstrlenA(LPCSTR lpString) { return lpString ? static_cast<int>(std::strlen(lpString)) : 0; }

int WINAPI lstrcmpA(LPCSTR lpString1, LPCSTR lpString2) {
  int primary = comparePrimary(bytes(lpString1), bytes(lpString2));
  return primary ? primary : compareTies(bytes(lpString1), bytes(lpString2));
}

int WINAPI lstrcmpiA(LPCSTR lpString1, LPCSTR lpString2) {
  int primary = comparePrimary(bytes(lpString1), bytes(lpString2));
  if (primary) return primary;
  for (const unsigned char *a = bytes(lpString1), *b = bytes(lpString2);; ++a, ++b) {
    if (upper(*a) != upper(*b)) return sign(upper(*a) - upper(*b));
    if (!*a) return 0;
  }
}

LPSTR WINAPI lstrcpynA(LPSTR lpString1, LPCSTR lpString2, int iMaxLength) {
  if (!lpString1 || !lpString2 || iMaxLength <= 0) return lpString1;
  size_t count = strnlen(lpString2, static_cast<size_t>(iMaxLength - 1));
  std::memmove(lpString1, lpString2, count);
  lpString1[count] = '\0';
  return lpString1;
}
