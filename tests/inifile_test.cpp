// The INI text engine: what reads find, what writes change, and what they keep.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/win/inifile.h"

namespace {

using namespace std::literals;

struct ReadRow {
    const char* name;
    std::string_view text;
    const char* section;
    const char* key;
    const char* expected;  // null: not found
};
void PrintTo(const ReadRow& r, std::ostream* os) { *os << r.name; }

class IniRead : public ::testing::TestWithParam<ReadRow> {};

TEST_P(IniRead, FindsTheValue)
{
    const ReadRow r = GetParam();
    const auto value = ini::FindValue(r.text, r.section, r.key);
    if (r.expected) {
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, r.expected);
    } else {
        EXPECT_FALSE(value.has_value()) << *value;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IniRead,
    ::testing::Values(
        ReadRow{"Plain", "[SETTING]\r\nUPDATE=50\r\n", "SETTING", "UPDATE", "50"},
        ReadRow{"CaseOfNames", "[setting]\nUpdate=7\n", "SETTING", "UPDATE", "7"},
        ReadRow{"BlanksAroundNames", "  [ SETTING ]  \n\t UPDATE  =  9 \t\n", "SETTING", "UPDATE", "9"},
        ReadRow{"DoubleQuotes", "[S]\nK=\" a b \"\n", "S", "K", " a b "},
        ReadRow{"SingleQuotes", "[S]\nK='x'\n", "S", "K", "x"},
        ReadRow{"UnmatchedQuotes", "[S]\nK=\"x'\n", "S", "K", "\"x'"},
        ReadRow{"OneQuoteOnly", "[S]\nK=\"\n", "S", "K", "\""},
        ReadRow{"EmptyValue", "[S]\nK=\n", "S", "K", ""},
        ReadRow{"FirstEqualsSplits", "[S]\nK=a=b\n", "S", "K", "a=b"},
        ReadRow{"FirstDuplicateKey", "[S]\nK=1\nK=2\n", "S", "K", "1"},
        ReadRow{"FirstDuplicateSection", "[S]\nA=1\n[S]\nK=2\n", "S", "K", nullptr},
        ReadRow{"CommentIsNoKey", "[S]\n;K=1\n  ; K=2\n", "S", "K", nullptr},
        ReadRow{"LineWithoutEquals", "[S]\nK\n", "S", "K", nullptr},
        ReadRow{"OtherSection", "[A]\nK=1\n[S]\nJ=2\n", "S", "K", nullptr},
        ReadRow{"KeyBeforeAnySection", "K=1\n[S]\n", "S", "K", nullptr},
        ReadRow{"SectionHeaderWithoutBracket", "[S]\n[T\nK=3\n", "S", "K", "3"},
        ReadRow{"NoNewlineAtEnd", "[S]\nK=5", "S", "K", "5"},
        ReadRow{"ByteOrderMark", "\xEF\xBB\xBF[S]\r\nK=6\r\n", "S", "K", "6"},
        ReadRow{"MixedLineEndings", "[S]\r\nA=1\nK=2\r\n", "S", "K", "2"},
        ReadRow{"LoneCarriageReturns", "[S]\rA=1\rK=7\r", "S", "K", "7"},
        ReadRow{"LoneCarriageReturnThenOthers", "[T]\rK=1\r\n[S]\nK=4", "S", "K", "4"},
        ReadRow{"NulBytes", "[S]\nX=\0\0\nK=8\n"sv, "S", "K", "8"},
        ReadRow{"EmptyFile", "", "S", "K", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

struct IntRow {
    const char* text;
    unsigned expected;
};
void PrintTo(const IntRow& r, std::ostream* os) { *os << '"' << r.text << '"'; }

class IniInteger : public ::testing::TestWithParam<IntRow> {};

TEST_P(IniInteger, ParsesLikeTheProfileReader)
{
    EXPECT_EQ(ini::ParseInt(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, IniInteger,
                         ::testing::Values(IntRow{"50", 50}, IntRow{"-5", unsigned(-5)}, IntRow{"+7", 7},
                                           IntRow{"12abc", 12}, IntRow{"abc", 0}, IntRow{"  42", 42},
                                           IntRow{"99999999999", 1215752191u}, IntRow{"4294967296", 0},
                                           IntRow{"-2147483648", 0x80000000u}, IntRow{"0x1F", 31},
                                           IntRow{"0xff", 255}, IntRow{"0X1F", 0}, IntRow{"0b101", 5},
                                           IntRow{"0o17", 15}, IntRow{"0x", 0}, IntRow{"-", 0}, IntRow{"- 5", 0},
                                           IntRow{"08", 8}, IntRow{"0", 0}, IntRow{"1e3", 1}));

struct WriteRow {
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;  // null: the file needs no change
};
void PrintTo(const WriteRow& r, std::ostream* os) { *os << r.name; }

class IniWrite : public ::testing::TestWithParam<WriteRow> {};

TEST_P(IniWrite, ChangesOnlyWhatItMust)
{
    const WriteRow r = GetParam();
    const auto after = ini::WithValue(r.before, r.section, r.key, r.value);
    if (r.after) {
        ASSERT_TRUE(after.has_value());
        EXPECT_EQ(*after, r.after);
    } else {
        EXPECT_FALSE(after.has_value()) << *after;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IniWrite,
    ::testing::Values(
        WriteRow{"ReplaceInPlace", "[S]\r\nA=1\r\nK=2\r\nB=3\r\n", "S", "K", "9", "[S]\r\nA=1\r\nK=9\r\nB=3\r\n"},
        WriteRow{"ReplaceKeepsSpelling", "[s]\n  k = 2 ; x\n", "S", "K", "9", "[s]\n  k = 9\n"},
        WriteRow{"ReplaceKeepsSpacing", "[S]\n\tK =  2  \n", "S", "K", "10", "[S]\n\tK =  10  \n"},
        WriteRow{"ReplaceQuotedValue", "[S]\nK=\"2\"\n", "S", "K", "3", "[S]\nK=3\n"},
        WriteRow{"SameValueNoChange", "[S]\nK=2\n", "S", "K", "2", nullptr},
        WriteRow{"SameQuotedValueNoChange", "[S]\nK='2'\n", "S", "K", "2", nullptr},
        WriteRow{"ReplaceEmptyValue", "[S]\nK=\n", "S", "K", "1", "[S]\nK=1\n"},
        WriteRow{"ReplaceFirstDuplicate", "[S]\nK=1\nK=2\n", "S", "K", "3", "[S]\nK=3\nK=2\n"},
        WriteRow{"NewKeyAfterLastLineOfSection", "[S]\r\nA=1\r\n\r\n[T]\r\nB=2\r\n", "S", "K", "5",
                 "[S]\r\nA=1\r\nK=5\r\n\r\n[T]\r\nB=2\r\n"},
        WriteRow{"NewKeyAfterComment", "[S]\nA=1\n; end\n\n", "S", "K", "5", "[S]\nA=1\n; end\nK=5\n\n"},
        WriteRow{"NewKeyInEmptySection", "[S]\n[T]\n", "S", "K", "5", "[S]\nK=5\n[T]\n"},
        WriteRow{"NewKeyInFirstDuplicateSection", "[S]\nA=1\n[S]\nB=2\n", "S", "B", "5",
                 "[S]\nA=1\nB=5\n[S]\nB=2\n"},
        WriteRow{"NewKeyWhenLastLineHasNoNewline", "[S]\nA=1", "S", "K", "5", "[S]\nA=1\nK=5\n"},
        WriteRow{"NewKeyTakesLineEndingOfItsLine", "[S]\r\nA=1\n[T]\r\n", "S", "K", "5",
                 "[S]\r\nA=1\nK=5\n[T]\r\n"},
        WriteRow{"NewSectionAtEnd", "[T]\r\nB=2\r\n", "S", "K", "5", "[T]\r\nB=2\r\n[S]\r\nK=5\r\n"},
        WriteRow{"NewSectionInLfFile", "; c\n", "S", "K", "5", "; c\n[S]\nK=5\n"},
        WriteRow{"NewSectionAfterMissingNewline", "[T]\nB=2", "S", "K", "5", "[T]\nB=2\n[S]\nK=5\n"},
        WriteRow{"NewSectionInEmptyText", "", "S", "K", "5", "[S]\r\nK=5\r\n"},
        WriteRow{"BomKept", "\xEF\xBB\xBF[S]\r\nK=1\r\n", "S", "K", "2", "\xEF\xBB\xBF[S]\r\nK=2\r\n"},
        WriteRow{"KeyWithoutEqualsGetsItsValueInPlace", "[S]\n K \nA=1\n", "S", "K", "5", "[S]\n K=5 \nA=1\n"},
        WriteRow{"NewKeyInALoneCrFile", "[S]\rA=1\r", "S", "K", "5", "[S]\rA=1\rK=5\r"},
        WriteRow{"NewSectionInALoneCrFile", "[T]\rB=2\r", "S", "K", "5", "[T]\rB=2\r[S]\rK=5\r"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniWriteBytes, JunkAroundTheSectionIsKept)
{
    std::string junk("\x01\xff\xfe\0garbage\n"s);
    junk += std::string(1 << 20, 'x');  // a 1 MB line
    junk += "\n[S]\nK=1\n";
    junk += "\0\0[T]\0\n"s;
    const auto after = ini::WithValue(junk, "S", "K", "2");
    ASSERT_TRUE(after.has_value());
    std::string expected = junk;
    expected.replace(expected.find("K=1"), 3, "K=2");
    EXPECT_EQ(*after, expected);
}

}  // namespace
