// Text in code page 932 (Shift-JIS), as Japanese fonts' names and texts come.
#include <gtest/gtest.h>

#include "platform/win/codepage.h"

namespace {

TEST(CodePage, ShiftJisToUtf8)
{
    const struct {
        const char* bytes;
        const char* utf8;
    } rows[] = {{"\x92\xE5", "貞"},
                {"\x82\x6C\x82\x72\x20\x82\x6F\x96\xBE\x92\xA9", "ＭＳ Ｐ明朝"},
                {"System", "System"},
                {"\xB7\xAC\xDD\xBE\xD9", "ｷｬﾝｾﾙ"},
                {"a\x81", "a\xEF\xBF\xBD"},  // a lead byte cut off: U+FFFD
                {"", ""}};
    for (const auto& row : rows)
        EXPECT_EQ(CodePageToUtf8(CP_SHIFTJIS, row.bytes), row.utf8) << row.utf8;
    EXPECT_EQ(CodePageToUtf8(CP_UTF8, "貞"), "貞");
}

}  // namespace
