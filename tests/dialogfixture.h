// A running clock whose settings dialog a test opens and drives.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "clockharness.h"
#include "modalscript.h"

constexpr int kBarBoxes[BAR_KIND_COUNT] = {IDC_YEAR, IDC_MONTH, IDC_DAY, IDC_HOUR, IDC_MINUTE, IDC_SECOND,
                                           IDC_MILLISECOND};

class SettingDialog : public RunningClock {
public:
    // Runs the settings command with the script driving the dialog.
    void RunSettings(ModalScript& script)
    {
        script.Start();
        View()->SendMessage(WM_COMMAND, ID_SETTING);
        EXPECT_TRUE(script.Finished());
        EXPECT_EQ(Dialog().m_hWnd, nullptr);  // the dialog window is gone either way
    }

    CSettingDlg& Dialog() const { return View()->Dialog(); }
    HWND Item(int id) const { return GetDlgItem(Dialog().m_hWnd, id); }
    bool Checked(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Click(int id) const { SendMessageA(Item(id), BM_CLICK, 0, 0); }
    void SetText(int id, const char* text) const { SetWindowTextA(Item(id), text); }
    std::string Text(int id) const
    {
        char text[64];
        GetWindowTextA(Item(id), text, sizeof text);
        return text;
    }
    // The committed shown flags, one Y or N per bar, year first.
    std::string Bars() const
    {
        std::string bars;
        for (int kind = 0; kind < BAR_KIND_COUNT; ++kind)
            bars += Dialog().GetShow(kind) ? 'Y' : 'N';
        return bars;
    }
};
