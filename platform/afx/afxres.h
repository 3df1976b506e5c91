// The framework's standard command and string ids, and the program's
// resources (platform/win/winres.h) looked up by id.
#pragma once

#include <string>

#include "platform/win/winres.h"

// The string resource, or an empty string when there is none.
std::string AfxLoadString(UINT nID);

// Field n (0 first) of a document string, whose fields are separated by '\n'.
std::string AfxExtractSubString(const std::string& full, int n);

const AFX_ACCEL_TABLE* AfxFindAccelerators(UINT nID);
const AFX_DIALOG_TEMPLATE* AfxFindDialogTemplate(UINT nID);

// The framework's standard command and string ids.
constexpr UINT AFX_IDS_APP_TITLE = 0xE000;      // 57344
constexpr UINT AFX_IDS_IDLEMESSAGE = 0xE001;    // 57345
constexpr UINT ID_FILE_NEW = 0xE100;            // 57600
constexpr UINT ID_FILE_OPEN = 0xE101;           // 57601
constexpr UINT ID_FILE_CLOSE = 0xE102;
constexpr UINT ID_FILE_SAVE = 0xE103;           // 57603
constexpr UINT ID_FILE_SAVE_AS = 0xE104;
constexpr UINT ID_FILE_MRU_FILE1 = 0xE110;
constexpr UINT ID_EDIT_COPY = 0xE122;           // 57634
constexpr UINT ID_EDIT_CUT = 0xE123;            // 57635
constexpr UINT ID_EDIT_PASTE = 0xE125;          // 57637
constexpr UINT ID_EDIT_UNDO = 0xE12B;           // 57643
constexpr UINT ID_APP_ABOUT = 0xE140;           // 57664
constexpr UINT ID_APP_EXIT = 0xE141;            // 57665
constexpr UINT ID_NEXT_PANE = 0xE150;           // 57680
constexpr UINT ID_PREV_PANE = 0xE151;           // 57681
constexpr UINT ID_INDICATOR_EXT = 0xE700;
constexpr UINT ID_INDICATOR_CAPS = 0xE701;
constexpr UINT ID_INDICATOR_NUM = 0xE702;
constexpr UINT ID_INDICATOR_SCRL = 0xE703;
constexpr UINT ID_INDICATOR_OVR = 0xE704;
constexpr UINT ID_INDICATOR_REC = 0xE705;
constexpr UINT ID_INDICATOR_KANA = 0xE706;
constexpr UINT AFX_IDS_SCSIZE = 0xEF00;
constexpr UINT AFX_IDS_SCMOVE = 0xEF01;
constexpr UINT AFX_IDS_SCMINIMIZE = 0xEF02;
constexpr UINT AFX_IDS_SCMAXIMIZE = 0xEF03;
constexpr UINT AFX_IDS_SCNEXTWINDOW = 0xEF04;
constexpr UINT AFX_IDS_SCPREVWINDOW = 0xEF05;
constexpr UINT AFX_IDS_SCCLOSE = 0xEF06;
constexpr UINT AFX_IDS_SCRESTORE = 0xEF12;
constexpr UINT AFX_IDS_SCTASKLIST = 0xEF13;
