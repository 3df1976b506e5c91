// The string table and the accelerators. Texts are UTF-8.
#include "res/resources.h"
#include "res/resource.h"

namespace {

const AFX_STRING_RESOURCE kStrings[] = {
    // Seven fields: window title, document name, name offered by New, filter
    // name, filter extension, file-type id, file-type name.
    {IDR_MAINFRAME, "vostrel\n\nVostre\n\n\nVostrel.Document\nVostre Document"},
    {AFX_IDS_APP_TITLE, "vostrel"},
    {AFX_IDS_IDLEMESSAGE, "ﾚﾃﾞｨ"},
    {ID_FILE_NEW, "新規にファイルを作成します\n新規ファイル"},
    {ID_FILE_OPEN, "既存のファイルを開きます\n開く"},
    {ID_FILE_CLOSE, "作業中のファイルを閉じます\n閉じる"},
    {ID_FILE_SAVE, "作業中のファイルを上書きして保存します\n保存"},
    {ID_FILE_SAVE_AS, "作業中のファイルを新しい名前で保存します\n名前を付けて保存"},
    {ID_FILE_MRU_FILE1, "このファイルを開きます"},
    {ID_EDIT_COPY, "選択範囲をコピーしてクリップボードに保存します\nコピー"},
    {ID_EDIT_CUT, "選択範囲を切り取ってクリップボードに移動します\n切り取り"},
    {ID_EDIT_PASTE, "クリップボードの内容を貼り付けます\n貼り付け"},
    {ID_EDIT_UNDO, "直前に行った動作を元に戻します\n元に戻す"},
    {ID_APP_ABOUT, "ﾊﾞｰｼﾞｮﾝ情報"},
    {ID_APP_EXIT, "終了\n終了"},
    {ID_NEXT_PANE, "次のウィンドウに切り替えます\n次のペイン"},
    {ID_PREV_PANE, "前のウィンドウに切り替えます\n前のペイン"},
    {ID_SETTING, "設定しますよ"},
    {ID_SURPRISE, "なにがおきるかわかりません"},
    {ID_INDICATOR_EXT, "EXT"},
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "SCRL"},
    {ID_INDICATOR_OVR, "OVR"},
    {ID_INDICATOR_REC, "REC"},
    {ID_INDICATOR_KANA, "ｶﾅ"},
    {AFX_IDS_SCSIZE, "ウィンドウのサイズを変更します"},
    {AFX_IDS_SCMOVE, "ウィンドウの位置を変更します"},
    {AFX_IDS_SCMINIMIZE, "ウィンドウをアイコン化します"},
    {AFX_IDS_SCMAXIMIZE, "ウィンドウを最大表示にします"},
    {AFX_IDS_SCNEXTWINDOW, "次のウィンドウに切り替えます"},
    {AFX_IDS_SCPREVWINDOW, "前のウィンドウに切り替えます"},
    {AFX_IDS_SCCLOSE, "作業中のウィンドウを閉じます"},
    {AFX_IDS_SCRESTORE, "ウィンドウを通常のサイズに戻します"},
    {AFX_IDS_SCTASKLIST, "タスク一覧をアクティブにします"},
};

const ACCEL kMainAccelerators[] = {
    {FVIRTKEY | FCONTROL, 'N', ID_FILE_NEW},
    {FVIRTKEY | FCONTROL, 'O', ID_FILE_OPEN},
    {FVIRTKEY | FCONTROL, 'S', ID_FILE_SAVE},
    {FVIRTKEY | FCONTROL, 'Z', ID_EDIT_UNDO},
    {FVIRTKEY | FALT, VK_BACK, ID_EDIT_UNDO},
    {FVIRTKEY | FCONTROL, 'X', ID_EDIT_CUT},
    {FVIRTKEY | FSHIFT, VK_DELETE, ID_EDIT_CUT},
    {FVIRTKEY | FCONTROL, 'C', ID_EDIT_COPY},
    {FVIRTKEY | FCONTROL, VK_INSERT, ID_EDIT_COPY},
    {FVIRTKEY | FCONTROL, 'V', ID_EDIT_PASTE},
    {FVIRTKEY | FSHIFT, VK_INSERT, ID_EDIT_PASTE},
    {FVIRTKEY, VK_F6, ID_NEXT_PANE},
    {FVIRTKEY | FSHIFT, VK_F6, ID_PREV_PANE},
};

const AFX_ACCEL_TABLE kAccelerators[] = {
    {IDR_MAINFRAME, kMainAccelerators, sizeof kMainAccelerators / sizeof kMainAccelerators[0]},
};

}  // namespace

const AFX_RESOURCES afxResources = {
    kStrings, sizeof kStrings / sizeof kStrings[0], g_icons, g_iconCount, kAccelerators, 1, g_dialogs, g_dialogCount,
    g_menus,  g_menuCount,
};
