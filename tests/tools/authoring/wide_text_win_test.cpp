// UTF-8 and UTF-16 both ways, the code units written out here from the Unicode tables.
#include "tools/authoring/wide_text_win.h"

#include <gtest/gtest.h>

namespace {

// "Élèves – 東京 Ω 😀": Latin-1, a dash of code page 1252, CJK, Greek, and a character outside
// the basic plane.
const char UTF8[] =
    "\xC3\x89l\xC3\xA8ves \xE2\x80\x93 \xE6\x9D\xB1\xE4\xBA\xAC \xCE\xA9 \xF0\x9F\x98\x80";
const wchar_t UTF16[] = {0x00C9, 'l', 0x00E8, 'v',    'e',    's', ' ', 0x2013, ' ',
                         0x6771, 0x4EAC, ' ', 0x03A9, ' ', 0xD83D, 0xDE00, 0};

TEST(WideTextTest, UnicodeTextGoesToUtf16AndBackWhole) {
  EXPECT_EQ(WideText(UTF8), std::wstring(UTF16));
  EXPECT_EQ(Utf8Text(UTF16), std::string(UTF8));
  EXPECT_EQ(WideText(""), L"");
  EXPECT_EQ(Utf8Text(L""), "");
}

// Wine takes the byte after a broken sequence into it too: the tools convert only checked UTF-8.
TEST(WideTextTest, AByteThatIsNotUtf8BecomesTheReplacementCharacter) {
  EXPECT_EQ(WideText("caf\xE9"), std::wstring({'c', 'a', 'f', 0xFFFD}));
}

TEST(WideTextTest, ThisProgramIsNamedByItsFullPath) {
  const std::filesystem::path program = ThisProgramPath();
  EXPECT_TRUE(program.is_absolute()) << program;
  EXPECT_EQ(program.filename(), "authoring_win_test.exe");
  EXPECT_TRUE(std::filesystem::exists(program));
}

}  // namespace
