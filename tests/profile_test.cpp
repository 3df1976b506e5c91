// The profile functions on the INI file on disk: a missing file, encodings,
// permissions, links, atomic writes, batches and the folder lock.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "platform/posix/inifileio.h"
#include "platform/win/winbase.h"
#include "tempdir.h"

namespace {

using namespace std::literals;

class ProfileFile : public ::testing::Test {
protected:
    TempDir m_dir;
    std::string m_ini = m_dir.File("tarvik.ini");
};

TEST_F(ProfileFile, WriteCreatesTheFileWithCrlf)
{
    EXPECT_TRUE(WritePrivateProfileStringA("SETTING", "BARS", "NNNNYYY", m_ini.c_str()));
    EXPECT_EQ(ReadText(m_ini), "[SETTING]\r\nBARS=NNNNYYY\r\n");
    EXPECT_EQ(EntryCount(m_dir.Path()), 1);
}

TEST_F(ProfileFile, ReadsFallBackToTheDefault)
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

TEST_F(ProfileFile, StringsAreCutToTheBuffer)
{
    WriteText(m_ini, "[S]\nK=abcdefgh\n");
    char buffer[5] = "zzzz";
    EXPECT_EQ(GetPrivateProfileStringA("S", "K", "", buffer, sizeof buffer, m_ini.c_str()), 4u);
    EXPECT_STREQ(buffer, "abcd");
    EXPECT_EQ(GetPrivateProfileStringA("S", "K", "", buffer, 0, m_ini.c_str()), 0u);
}

TEST_F(ProfileFile, WritesThatWouldBreakLinesAreRefused)
{
    WriteText(m_ini, "[S]\nK=1\n");
    const char* bad[][3] = {{"S", "K", "1\r\n[X]"}, {"S", "K\n", "1"}, {"S]", "K", "1"}, {"S", "A=B", "1"}};
    for (const auto& row : bad)
        EXPECT_FALSE(WritePrivateProfileStringA(row[0], row[1], row[2], m_ini.c_str())) << row[1];
    EXPECT_EQ(ReadText(m_ini), "[S]\nK=1\n");
}

TEST_F(ProfileFile, ReadOnlyFileOrFolderIsLeftAlone)
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

TEST_F(ProfileFile, UnreadableFileIsNotReplaced)
{
    mkdir(m_ini.c_str(), 0755);  // a folder where the file should be
    EXPECT_FALSE(WritePrivateProfileStringA("S", "K", "2", m_ini.c_str()));
    struct stat st;
    ASSERT_EQ(stat(m_ini.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
}

TEST_F(ProfileFile, PermissionsAreKept)
{
    WriteText(m_ini, "[S]\nK=1\n");
    chmod(m_ini.c_str(), 0640);
    EXPECT_TRUE(WritePrivateProfileStringA("S", "K", "2", m_ini.c_str()));
    struct stat st;
    ASSERT_EQ(stat(m_ini.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(ProfileFile, SymbolicLinkIsFollowed)
{
    const std::string real = m_dir.File("real.ini");
    WriteText(real, "[S]\nK=1\n");
    ASSERT_EQ(symlink("real.ini", m_ini.c_str()), 0);
    EXPECT_TRUE(WritePrivateProfileStringA("S", "K", "2", m_ini.c_str()));
    struct stat st;
    ASSERT_EQ(lstat(m_ini.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(ReadText(real), "[S]\nK=2\n");

    // A link to a file not made yet creates that file.
    const std::string dangling = m_dir.File("dangling.ini");
    ASSERT_EQ(symlink("later.ini", dangling.c_str()), 0);
    EXPECT_TRUE(WritePrivateProfileStringA("S", "K", "3", dangling.c_str()));
    EXPECT_EQ(ReadText(m_dir.File("later.ini")), "[S]\r\nK=3\r\n");
}

TEST_F(ProfileFile, UnchangedValueLeavesTheFileUntouched)
{
    WriteText(m_ini, "[S]\nK=1\n");
    struct stat before, after;
    stat(m_ini.c_str(), &before);
    EXPECT_TRUE(WritePrivateProfileStringA("s", "k", "1", m_ini.c_str()));
    stat(m_ini.c_str(), &after);
    EXPECT_EQ(before.st_ino, after.st_ino);  // not even replaced by a copy
}

TEST_F(ProfileFile, InterruptedWriteLeavesTheOldFileWhole)
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
TEST_F(ProfileFile, EncodingsAreReadAndKept)
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
TEST_F(ProfileFile, BatchWritesWhatSeparateWritesWould)
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
TEST_F(ProfileFile, WritesTakeTurnsUnderTheFolderLock)
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
