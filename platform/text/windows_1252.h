// The Windows-1252 code page of the "A" functions, as Unicode code points.
#pragma once

namespace platform::text {

// The code point a Windows-1252 byte stands for. The five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the
// same number, as Windows maps them.
char32_t unicodeOfWindows1252(unsigned char byte);

// The Windows-1252 byte for a code point, or '?' when the code page has none.
unsigned char windows1252OfUnicode(char32_t codePoint);

}  // namespace platform::text
