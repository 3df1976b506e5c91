// The framework's application, document, frame and view classes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/afx/afxacc.h"
#include "platform/afx/afxgdi.h"
#include "platform/afx/afxmsg.h"
#include "platform/afx/afxres.h"
#include "platform/win/winbase.h"
#include "platform/win/winuser.h"

// The framework's frame style bit that adds the document's name to the title.
constexpr DWORD FWS_ADDTOTITLE = 0x00008000;

class CObject;
class CDataExchange;
class CDocument;
class CDocTemplate;
class CFrameWnd;
class CView;
class CWinApp;

// Dynamic creation: the framework builds documents, frames and views from
// their runtime classes.
struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    CObject* (*m_pfnCreateObject)();
    CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)
#define DECLARE_DYNCREATE(class_name)                 \
public:                                               \
    static const CRuntimeClass class##class_name;     \
    static CObject* CreateObject();                   \
                                                      \
private:
#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                \
    CObject* class_name::CreateObject() { return new class_name; }                    \
    const CRuntimeClass class_name::class##class_name = {#class_name, &class_name::CreateObject};

class CObject {
public:
    virtual ~CObject() = default;
};

// Routes commands and messages through the message maps.
class CCmdTarget : public CObject {
public:
    // Runs the handler of the command (or of the control's notification) in
    // this object's map chain; FALSE when none handles it.
    virtual BOOL OnCmdMsg(UINT nID, int nCode = CN_COMMAND);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const { return GetThisMessageMap(); }
    const AFX_MSGMAP_ENTRY* FindEntry(UINT nMessage, UINT nCode, UINT nID) const;
};

struct CCreateContext {
    const CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
};

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;

    operator HWND() const { return m_hWnd; }

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr);
    BOOL CreateEx(CREATESTRUCT& cs, CCreateContext* pContext);
    virtual BOOL DestroyWindow();

    BOOL Attach(HWND hWndNew);
    HWND Detach();
    // The framework's object of a window it made or took over, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);
    // Takes the window over: its messages go through this object's map first
    // and then to the procedure it had. The object lets go of the window when
    // the window is destroyed.
    BOOL SubclassWindow(HWND hWnd);

    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    DWORD GetStyle() const { return ::GetWindowStyle(m_hWnd); }
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    // Centres a popup over its owner (a child over its parent), kept inside
    // the work area of the owner's screen.
    void CenterWindow(CWnd* pAlternateOwner = nullptr);

    // Dialog data exchange: from the controls into the members, with
    // validation (TRUE), or from the members into the controls (FALSE).
    // FALSE when a validation failed; the members after it keep their values.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange*) {}

    // A modal loop for this window: RunModalLoop returns EndModalLoop's
    // result, or IDCANCEL when the program was told to close meanwhile.
    int RunModalLoop();
    virtual void EndModalLoop(int nResult);

    // The window that a modal window should have as its owner: the given
    // parent's top-level window, or with none the main window's last active popup.
    static HWND GetSafeOwner_(HWND hParent);

    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer) { return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer); }
    BOOL KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, lpRect, bErase); }
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    int SetWindowRgn(HRGN hRgn, BOOL bRedraw) { return ::SetWindowRgn(m_hWnd, hRgn, bRedraw); }

    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { return ::PostMessageA(m_hWnd, message, wParam, lParam); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { return ::SendMessageA(m_hWnd, message, wParam, lParam); }

    // Passes the message being handled on to the default window procedure.
    LRESULT Default();

    // The window's messages: the message map first, then DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // What a screen reader is told of the window, when it draws its content
    // itself; FALSE (the default) leaves it to the system.
    virtual BOOL GetAccessibleInfo(AFX_ACCESSIBLE_INFO*) { return FALSE; }

    // The stand-in for "the top of the stacking order" in SetWindowPos.
    static const CWnd wndTop;

    HWND m_hWnd = nullptr;

protected:
    virtual BOOL OnCreateWindow(CCreateContext* pContext);
    virtual void PostNcDestroy() {}
    void OnNcDestroy();

    static LRESULT CALLBACK_WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC m_pfnSuper = nullptr;  // the procedure DefWindowProc passes messages on to
    int m_nModalResult = -1;
    BOOL m_bContinueModal = FALSE;  // a modal loop is to run or runs

private:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // While a window exchanges its data, its controls' notifications are
    // not dispatched.
    static inline HWND s_hLockoutNotifyWindow = nullptr;
};

class CDocument : public CCmdTarget {
public:
    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(LPCSTR lpszPathName);
    virtual void DeleteContents() {}
    virtual void Serialize(class CArchive& ar);

    BOOL IsModified() const { return m_bModified; }
    void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }
    void SetPathName(const std::string& path) { m_strPathName = path; }

    CDocTemplate* m_pDocTemplate = nullptr;
    CView* m_pView = nullptr;

private:
    BOOL m_bModified = FALSE;
    std::string m_strPathName;
};

// Reading or writing a document through its file.
class CArchive {
public:
    enum Mode { store = 0, load = 1 };
    explicit CArchive(Mode nMode) : m_nMode(nMode) {}
    BOOL IsStoring() const { return m_nMode == store; }

private:
    Mode m_nMode;
};

class CView : public CWnd {
public:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    CDocument* GetDocument() const { return m_pDocument; }
    BOOL OnCmdMsg(UINT nID, int nCode = CN_COMMAND) override;

    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnInitialUpdate() { Invalidate(); }

    CDocument* m_pDocument = nullptr;

protected:
    BOOL OnCreateWindow(CCreateContext* pContext) override;
    void PostNcDestroy() override { delete this; }
    void OnPaint();
    void OnDestroy() { Default(); }

    DECLARE_MESSAGE_MAP()
};

class CFrameWnd : public CWnd {
public:
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCmdMsg(UINT nID, int nCode = CN_COMMAND) override;

    CView* GetActiveView() const { return m_pViewActive; }
    void RecalcLayout();
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);

    // Translates a key press through the frame's accelerator table; TRUE when
    // it became a command.
    BOOL TranslateAccelerator(BYTE fVirt, WORD key);

    UINT m_nIDHelp = 0;

protected:
    BOOL OnCreateWindow(CCreateContext* pContext) override;
    void PostNcDestroy() override { delete this; }
    void OnSize(UINT nType, int cx, int cy);
    void OnClose();
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnContextMenu(CWnd* pWnd, CPoint pos);

    DECLARE_MESSAGE_MAP()

private:
    CView* m_pViewActive = nullptr;
};

class CDocTemplate : public CCmdTarget {
public:
    CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                 const CRuntimeClass* pViewClass);

    // With no path, a new document; otherwise the file, opened as the document.
    virtual CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    CFrameWnd* CreateNewFrame(CDocument* pDoc);

    UINT m_nIDResource;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;
};

// One document in one frame: New and Open re-initialise the same document.
class CSingleDocTemplate : public CDocTemplate {
public:
    using CDocTemplate::CDocTemplate;
    ~CSingleDocTemplate() override;
    CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) override;

private:
    CDocument* m_pOnlyDoc = nullptr;
};

class CCommandLineInfo {
public:
    enum { FileNew, FileOpen, FileNothing } m_nShellCommand = FileNew;
    std::string m_strFileName;
    virtual ~CCommandLineInfo() = default;
    virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);
};

class CWinThread : public CCmdTarget {
public:
    CWnd* GetMainWnd() const { return m_pMainWnd; }
    CWnd* m_pMainWnd = nullptr;
};

class CWinApp : public CWinThread {
public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int Run();
    virtual int ExitInstance();

    // The profile functions work on the INI file named by m_pszProfileName.
    UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
    std::string GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
    // The writes create the file's folder when it is missing. A write that
    // fails is remembered (errno) for the batch it belongs to.
    BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
    BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);

    void Enable3dControls() {}  // controls always look three-dimensional here
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void AddDocTemplate(CDocTemplate* pTemplate);
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

    // The framework's New and Open commands.
    void OnFileNew();
    void OnFileOpen();
    CDocument* OpenDocumentFile(LPCSTR lpszFileName);

    LPCSTR m_pszAppName = nullptr;
    // Allocated with malloc (strdup) and released with free by the destructor.
    LPCSTR m_pszProfileName = nullptr;
    std::vector<std::string> m_argv;  // the command line after the program name

protected:
    DECLARE_MESSAGE_MAP()

private:
    friend class CProfileBatch;
    void SaveStdProfileSettings();

    std::vector<std::unique_ptr<CDocTemplate>> m_templates;
    std::vector<std::string> m_recentFiles;
    UINT m_nMaxMRU = 0;
    int m_nProfileWriteError = 0;  // why the first failed write failed, since the batch began
};

// The application's profile read once for the calls made while this lives,
// and written once at the end, under the folder's lock when it is for writing
// (AfxBeginProfileBatch). A file that cannot be read gets one line on stderr;
// so do settings that cannot be saved, whichever step failed (the folder,
// reading the file to keep what else it holds, writing it).
class CProfileBatch {
public:
    CProfileBatch(CWinApp* pApp, BOOL bForWriting);
    ~CProfileBatch();
    CProfileBatch(const CProfileBatch&) = delete;
    CProfileBatch& operator=(const CProfileBatch&) = delete;

private:
    CWinApp* m_pApp = nullptr;
    std::string m_path;
    BOOL m_bOpen = FALSE;
    BOOL m_bForWriting = FALSE;
};

CWinApp* AfxGetApp();
CWinThread* AfxGetThread();
LPCSTR AfxGetAppName();

// Sets up the platform for the framework (FALSE, having said why, when there
// is no display), and takes it down again.
BOOL AfxWinInit(int argc, char** argv);
void AfxWinTerm();

// The framework's entry point: sets up the platform, runs InitInstance and
// the message loop, then ExitInstance. Returns the exit code.
int AfxWinMain(int argc, char** argv);

// A client-area device context, released when the object goes.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

private:
    HWND m_hWnd;
};

// The context of the paint in progress.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};
