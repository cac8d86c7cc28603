// Window titles and typed text crossing between Windows-1252 and UTF-8.
#include <gtest/gtest.h>

#include "platform/text/utf8.h"

namespace {

using platform::text::utf8FromWindows1252;
using platform::text::windows1252FromUtf8;

TEST(Utf8, CodePageBytesBecomeTheirCharacters) {
  EXPECT_EQ(utf8FromWindows1252("plain"), "plain");
  EXPECT_EQ(utf8FromWindows1252("caf\xE9"), "caf\xC3\xA9");    // é, two bytes
  EXPECT_EQ(utf8FromWindows1252("\x80 5"), "\xE2\x82\xAC 5");  // €, three bytes
  EXPECT_EQ(utf8FromWindows1252("\x81"), "\xC2\x81");          // undefined byte: its C1 control
}

TEST(Utf8, CharactersBecomeCodePageBytesOrAQuestionMark) {
  EXPECT_EQ(windows1252FromUtf8("caf\xC3\xA9 \xE2\x82\xAC"), "caf\xE9 \x80");
  EXPECT_EQ(windows1252FromUtf8("\xE2\x84\xA2"), "\x99");     // ™ lives at 0x99
  EXPECT_EQ(windows1252FromUtf8("\xCE\xB1"), "?");            // α: not in the code page
  EXPECT_EQ(windows1252FromUtf8("\xF0\x9F\x98\x80!"), "?!");  // four-byte sequence, one character
  std::string every;
  for (int byte = 1; byte < 256; ++byte) every.push_back(static_cast<char>(byte));
  EXPECT_EQ(windows1252FromUtf8(utf8FromWindows1252(every)), every);
}

TEST(Utf8, MalformedInputNeverSwallowsTheTextAfterIt) {
  EXPECT_EQ(windows1252FromUtf8("a\x80z"), "a?z");   // stray continuation byte
  EXPECT_EQ(windows1252FromUtf8("\xC0\xAFz"), "?z");  // overlong '/'
  EXPECT_EQ(windows1252FromUtf8("\xE2\x82"), "??");   // cut off at the end
  EXPECT_EQ(windows1252FromUtf8("\xE2\x82z"), "?z");  // cut off by a plain byte
  EXPECT_EQ(windows1252FromUtf8("\xFFok"), "?ok");
}

}  // namespace
