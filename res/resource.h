// Resource and command ids of the program.
#pragma once

#include "platform/afx/afxres.h"

// The document template's shared id: document string, menu, icon, accelerators.
constexpr UINT IDR_MAINFRAME = 128;
constexpr UINT IDI_SPARE = 129;  // a second icon that nothing shows
constexpr UINT IDD_ABOUTBOX = 100;
constexpr UINT IDD_SETTING = 130;

// Controls of the settings dialog.
constexpr UINT IDC_YEAR = 1000;
constexpr UINT IDC_MONTH = 1001;
constexpr UINT IDC_DAY = 1002;
constexpr UINT IDC_HOUR = 1003;
constexpr UINT IDC_MINUTE = 1004;
constexpr UINT IDC_SECOND = 1005;
constexpr UINT IDC_MILLISECOND = 1006;
constexpr UINT IDC_INTERVAL = 1007;
constexpr UINT IDC_INTERVAL_SPIN = 1008;
constexpr UINT IDC_BAR_COLOR = 1009;
constexpr UINT IDC_BACK_COLOR = 1010;
constexpr UINT IDC_USE_SYSCOLOR = 1011;

// Commands of the context menu.
constexpr UINT ID_SETTING = 32771;
constexpr UINT ID_SURPRISE = 32772;

// The clock view's window timers.
constexpr UINT IDT_CLOCK = 101;
constexpr UINT IDT_SHAKE = 102;
