// The INI engine: what reads find, what writes change, and what they keep.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "platform/posix/inifileio.h"
#include "platform/win/inifile.h"
#include "platform/win/winbase.h"
#include "tempdir.h"

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

class IniFileTest : public ::testing::Test {
protected:
    TempDir m_dir;
    std::string m_ini = m_dir.File("tarvik.ini");
};

TEST_F(IniFileTest, WriteCreatesTheFileWithCrlf)
{
    EXPECT_TRUE(WritePrivateProfileStringA("SETTING", "BARS", "NNNNYYY", m_ini.c_str()));
    EXPECT_EQ(ReadText(m_ini), "[SETTING]\r\nBARS=NNNNYYY\r\n");
    EXPECT_EQ(EntryCount(m_dir.Path()), 1);
}

TEST_F(IniFileTest, ReadsFallBackToTheDefault)
{
    char buffer[16];
    EXPECT_EQ(GetPrivateProfileIntA("SETTING", "UPDATE", 50, m_ini.c_str()), 50u);  // no file
    EXPECT_EQ(GetPrivateProfileStringA("SETTING", "BARS", "NNNNYYY", buffer, sizeof buffer, m_ini.c_str()), 7u);
    EXPECT_STREQ(buffer, "NNNNYYY");

    // The trailing blanks of a default are dropped.
    EXPECT_EQ(GetPrivateProfileStringA("SETTING", "BARS", " NNY \t ", buffer, sizeof buffer, m_ini.c_str()), 4u);
    EXPECT_STREQ(buffer, " NNY");

    WriteText(m_ini, "[SETTING]\nUPDATE=\nBARS=\n");
    EXPECT_EQ(GetPrivateProfileIntA("SETTING", "UPDATE", 50, m_ini.c_str()), 50u);  // empty value
    EXPECT_EQ(GetPrivateProfileStringA("SETTING", "BARS", "NNNNYYY", buffer, sizeof buffer, m_ini.c_str()), 0u);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(GetPrivateProfileIntA("OTHER", "UPDATE", -3, m_ini.c_str()), unsigned(-3));  // no section
}

TEST_F(IniFileTest, StringsAreCutToTheBuffer)
{
    WriteText(m_ini, "[S]\nK=abcdefgh\n");
    char buffer[5] = "zzzz";
    EXPECT_EQ(GetPrivateProfileStringA("S", "K", "", buffer, sizeof buffer, m_ini.c_str()), 4u);
    EXPECT_STREQ(buffer, "abcd");
    EXPECT_EQ(GetPrivateProfileStringA("S", "K", "", buffer, 0, m_ini.c_str()), 0u);
}

TEST_F(IniFileTest, WritesThatWouldBreakLinesAreRefused)
{
    WriteText(m_ini, "[S]\nK=1\n");
    const char* bad[][3] = {{"S", "K", "1\r\n[X]"}, {"S", "K\n", "1"}, {"S]", "K", "1"}, {"S", "A=B", "1"}};
    for (const auto& row : bad)
        EXPECT_FALSE(WritePrivateProfileStringA(row[0], row[1], row[2], m_ini.c_str())) << row[1];
    EXPECT_EQ(ReadText(m_ini), "[S]\nK=1\n");
}

TEST_F(IniFileTest, ReadOnlyFileOrFolderIsLeftAlone)
{
    WriteText(m_ini, "[S]\nK=1\n");
    chmod(m_ini.c_str(), 0444);
    EXPECT_FALSE(WritePrivateProfileStringA("S", "K", "2", m_ini.c_str()));
    EXPECT_EQ(ReadText(m_ini), "[S]\nK=1\n");

    chmod(m_ini.c_str(), 0644);
    chmod(m_dir.Path().c_str(), 0555);
    EXPECT_FALSE(WritePrivateProfileStringA("S", "K", "2", m_ini.c_str()));
    EXPECT_FALSE(WritePrivateProfileStringA("S", "K", "2", m_dir.File("new.ini").c_str()));
    chmod(m_dir.Path().c_str(), 0755);
    EXPECT_EQ(ReadText(m_ini), "[S]\nK=1\n");
    EXPECT_EQ(EntryCount(m_dir.Path()), 1);
}

TEST_F(IniFileTest, UnreadableFileIsNotReplaced)
{
    mkdir(m_ini.c_str(), 0755);  // a folder where the file should be
    EXPECT_FALSE(WritePrivateProfileStringA("S", "K", "2", m_ini.c_str()));
    struct stat st;
    ASSERT_EQ(stat(m_ini.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
}

TEST_F(IniFileTest, PermissionsAreKept)
{
    WriteText(m_ini, "[S]\nK=1\n");
    chmod(m_ini.c_str(), 0640);
    EXPECT_TRUE(WritePrivateProfileStringA("S", "K", "2", m_ini.c_str()));
    struct stat st;
    ASSERT_EQ(stat(m_ini.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(IniFileTest, SymbolicLinkIsFollowed)
{
    const std::string real = m_dir.File("real.ini");
    WriteText(real, "[S]\nK=1\n");
    symlink("real.ini", m_ini.c_str());
    EXPECT_TRUE(WritePrivateProfileStringA("S", "K", "2", m_ini.c_str()));
    struct stat st;
    ASSERT_EQ(lstat(m_ini.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(ReadText(real), "[S]\nK=2\n");

    // A link to a file not made yet creates that file.
    const std::string dangling = m_dir.File("dangling.ini");
    symlink("later.ini", dangling.c_str());
    EXPECT_TRUE(WritePrivateProfileStringA("S", "K", "3", dangling.c_str()));
    EXPECT_EQ(ReadText(m_dir.File("later.ini")), "[S]\r\nK=3\r\n");
}

TEST_F(IniFileTest, UnchangedValueLeavesTheFileUntouched)
{
    WriteText(m_ini, "[S]\nK=1\n");
    struct stat before, after;
    stat(m_ini.c_str(), &before);
    EXPECT_TRUE(WritePrivateProfileStringA("s", "k", "1", m_ini.c_str()));
    stat(m_ini.c_str(), &after);
    EXPECT_EQ(before.st_ino, after.st_ino);  // not even replaced by a copy
}

TEST_F(IniFileTest, InterruptedWriteLeavesTheOldFileWhole)
{
    const std::string old = "[S]\r\nK=1\r\n; keep me\r\n";
    WriteText(m_ini, old);
    // A child process may write at most 64 bytes per file, as a disk that
    // fills up in the middle of the write would allow.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64, 64};
        setrlimit(RLIMIT_FSIZE, &limit);
        const std::string big(200, 'v');
        _exit(WritePrivateProfileStringA("S", "K", big.c_str(), m_ini.c_str()) ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the write should have reported failure";
    EXPECT_EQ(ReadText(m_ini), old);
    EXPECT_EQ(EntryCount(m_dir.Path()), 1) << "a temporary file was left behind";
}

// Files saved as UTF-16 with a byte-order mark are read, and written back in
// their own encoding; a UTF-8 byte-order mark stays.
TEST_F(IniFileTest, EncodingsAreReadAndKept)
{
    const struct {
        const char* name;
        std::string before;  // as stored
        std::string after;   // with K=2 and the new key N=貞 written
    } rows[] = {
        {"Utf16LE", "\xFF\xFE[\0S\0]\0\r\0\n\0K\0=\0" "1\0\r\0\n\0"s,
         "\xFF\xFE[\0S\0]\0\r\0\n\0K\0=\0" "2\0\r\0\n\0N\0=\0\x9e\x8c\r\0\n\0"s},
        {"Utf16BE", "\xFE\xFF\0[\0S\0]\0\n\0K\0=\0" "1\0\n"s,
         "\xFE\xFF\0[\0S\0]\0\n\0K\0=\0" "2\0\n\0N\0=\x8c\x9e\0\n"s},
        {"Utf8Bom", "\xEF\xBB\xBF[S]\nK=1\n", "\xEF\xBB\xBF[S]\nK=2\nN=貞\n"},
    };
    for (const auto& row : rows) {
        WriteText(m_ini, row.before);
        char value[16];
        GetPrivateProfileStringA("S", "K", "", value, sizeof value, m_ini.c_str());
        EXPECT_STREQ(value, "1") << row.name;
        EXPECT_TRUE(WritePrivateProfileStringA("S", "K", "2", m_ini.c_str())) << row.name;
        EXPECT_TRUE(WritePrivateProfileStringA("S", "N", "貞", m_ini.c_str())) << row.name;
        EXPECT_EQ(ReadText(m_ini), row.after) << row.name;
    }
}

// A batch reads once and writes once, with the bytes the calls one by one give.
TEST_F(IniFileTest, BatchWritesWhatSeparateWritesWould)
{
    const std::string rows[] = {"", "[SETTING]\r\nBARS=YY\r\n", "; c\n[A]\nx=1\n[SETTING]\nWINTOP=3\n[B]\n",
                                "[SETTING]\rWINTOP\rUPDATE=7\r", "\xFF\xFE[\0S\0]\0\n\0"s};
    const char* keys[][2] = {{"WINTOP", "1"}, {"WINBOTTOM", "2"}, {"BARS", "YNY"}, {"UPDATE", "50"}, {"WINTOP", "4"}};
    const std::string batched = m_dir.File("batched.ini");
    for (const std::string& before : rows) {
        WriteText(m_ini, before);
        WriteText(batched, before);
        for (const auto& key : keys)
            WritePrivateProfileStringA("SETTING", key[0], key[1], m_ini.c_str());
        ASSERT_TRUE(AfxBeginProfileBatch(batched.c_str(), TRUE));
        for (const auto& key : keys)
            EXPECT_TRUE(WritePrivateProfileStringA("SETTING", key[0], key[1], batched.c_str()));
        char value[8];
        GetPrivateProfileStringA("SETTING", "BARS", "", value, sizeof value, batched.c_str());
        EXPECT_STREQ(value, "YNY");  // reads see the batch's writes
        EXPECT_EQ(ReadText(batched), before);  // nothing written yet
        EXPECT_TRUE(AfxEndProfileBatch());
        EXPECT_EQ(ReadText(batched), ReadText(m_ini)) << before;
    }
}

// A write while another program holds the folder's lock for its batch waits
// for it, so neither loses its key.
TEST_F(IniFileTest, WritesTakeTurnsUnderTheFolderLock)
{
    WriteText(m_ini, "[S]\n");
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        AfxBeginProfileBatch(m_ini.c_str(), TRUE);
        WritePrivateProfileStringA("S", "Child", "1", m_ini.c_str());
        [[maybe_unused]] const ssize_t n = write(ready[1], "x", 1);
        usleep(300000);
        _exit(AfxEndProfileBatch() ? 0 : 1);
    }
    char byte;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    EXPECT_TRUE(WritePrivateProfileStringA("S", "Parent", "2", m_ini.c_str()));
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadText(m_ini), "[S]\nChild=1\nParent=2\n");
    close(ready[0]);
    close(ready[1]);
}

}  // namespace
