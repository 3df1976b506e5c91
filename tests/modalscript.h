// Driving modal windows from a test: the command that opens one blocks until
// it closes, so the steps run from the event loop, one after another, each
// inside whatever modal loop is open at its time.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/qt/testseam.h"

class ModalScript {
public:
    // A step that opens a modal window blocks there; the next step then runs
    // inside that window's loop. The next step starts pauseMs later.
    ModalScript& Then(std::function<void()> step, int pauseMs = kGapMs)
    {
        m_steps->push_back({std::move(step), pauseMs});
        return *this;
    }
    // Schedules the steps: call it just before the command that opens the
    // first modal window. A script still running after 15 s, or a modal
    // window still open then, means a test has lost its way: every modal
    // window is cancelled and the test fails.
    void Start()
    {
        Schedule(m_steps, m_next, 0, kGapMs);
        QTimer::singleShot(15000, [steps = m_steps, next = m_next] {
            if (*next < steps->size() || QApplication::activeModalWidget() || AnyDialogOpen()) {
                ADD_FAILURE() << "the script stopped at step " << *next << " with a modal window open";
                CancelEverything();
            }
        });
    }
    bool Finished() const { return *m_next == m_steps->size(); }

    static bool AnyDialogOpen()
    {
        return !ShownDialogs().empty();
    }

    static void CancelEverything()
    {
        while (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            modal->reject();
        if (HWND focus = GetFocus())
            QTest::keyClick(WidgetOf(focus), Qt::Key_Escape);  // the framework's dialogs cancel on Escape
    }

private:
    static constexpr int kGapMs = 30;
    struct Step {
        std::function<void()> run;
        int pauseMs;
    };
    using Steps = std::shared_ptr<std::vector<Step>>;

    static void Schedule(const Steps& steps, const std::shared_ptr<size_t>& next, size_t i, int delayMs)
    {
        QTimer::singleShot(delayMs, [steps, next, i] {
            *next = i + 1;
            if (i + 1 < steps->size())
                Schedule(steps, next, i + 1, (*steps)[i].pauseMs);
            (*steps)[i].run();
        });
    }

    Steps m_steps = std::make_shared<std::vector<Step>>();
    std::shared_ptr<size_t> m_next = std::make_shared<size_t>(0);
};

// The message box that is up: its text, after a click on its OK button.
inline std::string CloseMessageBox()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
        return "(no message box)";
    const std::string text = box->text().toStdString();
    box->accept();
    return text;
}

inline QColorDialog* OpenColorDialog()
{
    return qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
}

// A key as a person types it, to the control with the focus.
inline void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    HWND focus = GetFocus();
    ASSERT_NE(focus, nullptr) << "no control has the focus";
    QTest::keyClick(WidgetOf(focus), key, modifiers);
}
inline void Type(const char* text)
{
    HWND focus = GetFocus();
    ASSERT_NE(focus, nullptr) << "no control has the focus";
    QTest::keyClicks(WidgetOf(focus), QString::fromUtf8(text));
}
