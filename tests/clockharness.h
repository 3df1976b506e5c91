// A running clock inside the test process: the real frame and view, created
// through the document template on Qt's offscreen platform, with its own INI
// file in a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "app/vostrelapp.h"
#include "app/vostreldoc.h"
#include "canvas.h"
#include "clock/vostrelview.h"
#include "frame/mainframe.h"
#include <QWidget>

#include "platform/qt/testseam.h"
#include "res/resource.h"
#include "tempdir.h"

// The view with a few windows into it for tests: it counts its timer
// messages by id and can be told to keep the window elliptic.
class TestView : public CVostrelView {
    DECLARE_DYNCREATE(TestView)

public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_TIMER)
            ++m_timerMessages[UINT(wParam)];
        return CVostrelView::WindowProc(message, wParam, lParam);
    }
    void SetElliptic() { m_bElliptic = TRUE; }
    const CRect& ClientRect() const { return m_rcClient; }
    CSettingDlg& Dialog() { return m_dlgSetting; }
    using CVostrelView::ShowFaceAt;

    std::map<UINT, int> m_timerMessages;  // by timer id
};

// Counts how often the document is made new.
class TestDoc : public CVostrelDoc {
    DECLARE_DYNCREATE(TestDoc)

public:
    BOOL OnNewDocument() override
    {
        ++s_nNewDocuments;
        return CVostrelDoc::OnNewDocument();
    }
    static inline int s_nNewDocuments = 0;
};

inline void PumpEvents(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    } while (timer.elapsed() < milliseconds);
}

class ClockHarness {
public:
    explicit ClockHarness(const std::string& ini = "")
    {
        if (!ini.empty())
            WriteText(IniPath(), ini);
        m_app.m_pszProfileName = strdup(IniPath().c_str());
        m_template = new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(TestDoc), RUNTIME_CLASS(CMainFrame),
                                            RUNTIME_CLASS(TestView));
        m_app.AddDocTemplate(m_template);
    }
    ~ClockHarness()
    {
        if (CWnd* main = m_app.GetMainWnd())
            main->DestroyWindow();
        PumpEvents(0);
        // The main window's end asked the message loop to quit. A test has
        // no loop of the program's running, so the request is answered here,
        // and the modal loops of the next clock in this process run as usual.
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }

    // Creates the frame and the view as a start without arguments does.
    bool Start()
    {
        CCommandLineInfo info;
        return m_app.ProcessShellCommand(info);
    }
    // Creates the frame and the view without showing them.
    bool StartHidden() { return m_template->OpenDocumentFile(nullptr, FALSE) != nullptr; }
    // Shows the window and waits for its first paint, which builds the back
    // buffer and starts the clock.
    ::testing::AssertionResult ShowAndPaint()
    {
        Frame()->ShowWindow(SW_SHOW);
        for (int i = 0; i < 100 && !View()->GetBackBuffer().GetMemDC(); ++i)
            PumpEvents(10);
        if (View()->GetBackBuffer().GetMemDC())
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "no back buffer: the window was never painted";
    }

    // The timer seam: the period the view's timer runs at, after the
    // platform's limits (nullopt when the view has no such timer), and
    // whether the view's timers rest because the window is not shown. The
    // ticks themselves a test sends as WM_TIMER, instead of waiting for them.
    std::optional<UINT> TimerPeriod(UINT nIDEvent) const
    {
        return TimerPeriodOf(View()->m_hWnd, nIDEvent);
    }
    bool TimersHeld() const { return ::TimersHeld(View()->m_hWnd); }
    bool TimerRunning(UINT nIDEvent) const { return ::TimerRunning(View()->m_hWnd, nIDEvent); }

    CFrameWnd* Frame() const { return static_cast<CFrameWnd*>(m_app.GetMainWnd()); }
    TestView* View() const { return static_cast<TestView*>(Frame()->GetActiveView()); }
    CRect WindowRect() const
    {
        CRect rc;
        Frame()->GetWindowRect(rc);
        return rc;
    }
    std::string IniPath() const { return m_dir.File("tarvik.ini"); }
    CWinApp& App() { return m_app; }

private:
    TempDir m_dir;
    CVostrelApp m_app;  // its message map routes New and Open
    CSingleDocTemplate* m_template;
};

// A test of one concern on a running clock: started, shown and painted, with
// the INI file the test gives.
class RunningClock : public ::testing::Test {
public:
    void Open(const std::string& ini)
    {
        m_clock = std::make_unique<ClockHarness>(ini);
        ASSERT_TRUE(m_clock->Start());
        ASSERT_TRUE(m_clock->ShowAndPaint());
    }
    TestView* View() const { return m_clock->View(); }

    std::unique_ptr<ClockHarness> m_clock;
};
