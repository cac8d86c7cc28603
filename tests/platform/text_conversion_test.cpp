// Text crossing to the system: window titles and the clipboard in UTF-8,
// CF_TEXT in Windows-1252 with CR LF line ends.
#include <gtest/gtest.h>

#include "platform/backends/sdl/clipboard_text.h"
#include "platform/text/utf8.h"

namespace {

using platform::sdl::cfTextOf;
using platform::sdl::systemTextOf;
using platform::text::utf8FromWindows1252;
using platform::text::windows1252FromUtf8;

TEST(Utf8, CodePageBytesBecomeTheirCharacters) {
  EXPECT_EQ(utf8FromWindows1252("plain"), "plain");
  EXPECT_EQ(utf8FromWindows1252("caf\xE9"), "caf\xC3\xA9");          // é, two bytes
  EXPECT_EQ(utf8FromWindows1252("\x80 5"), "\xE2\x82\xAC 5");        // €, three bytes
  EXPECT_EQ(utf8FromWindows1252("\x81"), "\xC2\x81");                // undefined byte: its C1 control
  EXPECT_EQ(utf8FromWindows1252(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Utf8, CharactersBecomeCodePageBytesOrAQuestionMark) {
  EXPECT_EQ(windows1252FromUtf8("caf\xC3\xA9 \xE2\x82\xAC"), "caf\xE9 \x80");
  EXPECT_EQ(windows1252FromUtf8("\xE2\x84\xA2"), "\x99");            // ™ lives at 0x99
  EXPECT_EQ(windows1252FromUtf8("\xCE\xB1"), "?");                   // α: not in the code page
  EXPECT_EQ(windows1252FromUtf8("\xF0\x9F\x98\x80!"), "?!");         // four-byte sequence, one character
}

TEST(Utf8, MalformedInputBecomesOneQuestionMarkPerBadByte) {
  EXPECT_EQ(windows1252FromUtf8("a\x80z"), "a?z");                   // stray continuation byte
  EXPECT_EQ(windows1252FromUtf8("\xC0\xAF"), "??");                  // overlong '/'
  EXPECT_EQ(windows1252FromUtf8("\xED\xA0\x80"), "???");             // surrogate
  EXPECT_EQ(windows1252FromUtf8("\xE2\x82"), "??");                  // cut off at the end
  EXPECT_EQ(windows1252FromUtf8("\xE2\x82z"), "??z");                // cut off by a plain byte
  EXPECT_EQ(windows1252FromUtf8("\xF5\x80\x80\x80"), "????");        // beyond U+10FFFF
}

TEST(ClipboardText, CrLfBecomesLfForTheSystemAndBack) {
  EXPECT_EQ(systemTextOf("one\r\ntwo\r\n"), "one\ntwo\n");
  EXPECT_EQ(systemTextOf("lone\rcr\n"), "lone\rcr\n");
  EXPECT_EQ(cfTextOf("one\ntwo\n"), "one\r\ntwo\r\n");
  EXPECT_EQ(cfTextOf("kept\r\nas is\r"), "kept\r\nas is\r");
  EXPECT_EQ(cfTextOf("\n\n"), "\r\n\r\n");
}

TEST(ClipboardText, EncodingFollowsTheLineEnds) {
  EXPECT_EQ(systemTextOf("\x80\r\n\xE9"), "\xE2\x82\xAC\n\xC3\xA9");
  EXPECT_EQ(cfTextOf("\xE2\x82\xAC\n\xCE\xB1"), "\x80\r\n?");
  std::string every;
  for (int byte = 1; byte < 256; ++byte)
    if (byte != '\r' && byte != '\n') every.push_back(static_cast<char>(byte));
  EXPECT_EQ(cfTextOf(systemTextOf(every)), every);
}

}  // namespace
