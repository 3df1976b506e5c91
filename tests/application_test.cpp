// The application and its document template: New, Open with the recent-file
// list, a start that fails, and the close.
#include <gtest/gtest.h>

#include "clockharness.h"

namespace {

const std::string kSlowClock = "[SETTING]\r\nUPDATE=100000\r\n";

TEST(Application, NewKeepsTheFrameAndTheView)
{
    ClockHarness clock(kSlowClock);
    ASSERT_TRUE(clock.Start());
    EXPECT_EQ(TestDoc::s_nNewDocuments, 1);
    CFrameWnd* frame = clock.Frame();
    CView* view = frame->GetActiveView();
    CDocument* doc = view->GetDocument();

    // Ctrl+N through the accelerator table, then the command itself.
    EXPECT_TRUE(frame->TranslateAccelerator(FVIRTKEY | FCONTROL, 'N'));
    frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    EXPECT_EQ(TestDoc::s_nNewDocuments, 3);
    EXPECT_EQ(clock.Frame(), frame);
    EXPECT_EQ(frame->GetActiveView(), view);
    EXPECT_EQ(view->GetDocument(), doc);
    // Keys without a command of their own do nothing.
    EXPECT_FALSE(frame->TranslateAccelerator(FVIRTKEY | FCONTROL, 'Q'));
}

TEST(Application, OpenedFilesGoToTheRecentFileList)
{
    ClockHarness clock("[Recent File List]\r\nFile1=/tmp/older.vst\r\n[SETTING]\r\nUPDATE=100000\r\n");
    const std::string document = clock.IniPath() + ".vst";
    WriteText(document, "anything");
    clock.App().LoadStdProfileSettings(4);
    CCommandLineInfo info;
    clock.App().ParseCommandLine(info);
    info.ParseParam(document.c_str(), FALSE, TRUE);
    ASSERT_TRUE(clock.App().ProcessShellCommand(info));  // the file opens as the document
    clock.App().ExitInstance();
    const std::string ini = ReadText(clock.IniPath());
    EXPECT_NE(ini.find("[Recent File List]\r\nFile1=" + document + "\r\nFile2=/tmp/older.vst\r\n"), std::string::npos)
        << ini;
}

TEST(Application, OpeningAMissingFileFailsTheStart)
{
    ClockHarness clock;
    CCommandLineInfo info;
    info.ParseParam("/nonexistent/file.vst", FALSE, TRUE);
    EXPECT_FALSE(clock.App().ProcessShellCommand(info));
    EXPECT_EQ(clock.App().GetMainWnd(), nullptr);
    EXPECT_FALSE(Exists(clock.IniPath()));  // a start that failed stores nothing
}

TEST(Application, CloseNeverAsksAndSaves)
{
    ClockHarness clock(kSlowClock);
    ASSERT_TRUE(clock.Start());
    ASSERT_TRUE(clock.ShowAndPaint());
    clock.Frame()->PostMessage(WM_CLOSE);
    EXPECT_NE(clock.App().GetMainWnd(), nullptr);  // posted: nothing happens before the loop runs
    PumpEvents(50);
    EXPECT_EQ(clock.App().GetMainWnd(), nullptr);
    EXPECT_NE(ReadText(clock.IniPath()).find("WINRIGHT=400"), std::string::npos);
}

}  // namespace
