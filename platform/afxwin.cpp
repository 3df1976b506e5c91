#include "platform/afxwin.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <utility>

#include "platform/afxplatform.h"
#include "platform/inifile.h"
#include "platform/profilepath.h"

namespace {

CWinApp* s_pApp = nullptr;

// The message being handled, for CWnd::Default. Handlers nest (a handler may
// send a message), so each dispatch saves and restores it.
struct CurrentMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};
CurrentMessage s_current;

constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;
constexpr const char* kRecentSection = "Recent File List";

}  // namespace

// --- command targets -------------------------------------------------------

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY s_entries[] = {{0, 0, nullptr}};
    static const AFX_MSGMAP s_map = {nullptr, s_entries};
    return &s_map;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindEntry(UINT nMessage, UINT nID) const
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nMessage; ++entry)
            if (entry->nMessage == nMessage && entry->nID == nID)
                return entry;
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID)
{
    const AFX_MSGMAP_ENTRY* entry = FindEntry(WM_COMMAND, nID);
    if (!entry)
        return FALSE;
    entry->pfn(this, 0, 0);
    return TRUE;
}

// --- windows ---------------------------------------------------------------

const CWnd CWnd::wndTop;

CWnd::~CWnd()
{
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        HWND hWnd = m_hWnd;
        m_hWnd = nullptr;
        ::DestroyWindow(hWnd);
    }
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&)
{
    return TRUE;
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT, CCreateContext* pContext)
{
    CREATESTRUCT cs{};
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = LONG(dwStyle);
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.hwndParent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    return CreateEx(cs, pContext);
}

BOOL CWnd::CreateEx(CREATESTRUCT& cs, CCreateContext* pContext)
{
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    const CFrameWnd* frame = dynamic_cast<const CFrameWnd*>(this);
    HICON hIcon = frame ? AfxLoadIcon(frame->m_nIDHelp) : nullptr;
    m_hWnd = AfxCreateWindow(cs, &CWnd::CALLBACK_WndProc, this, hIcon);
    if (!m_hWnd) {
        PostNcDestroy();
        return FALSE;
    }
    if (!OnCreateWindow(pContext)) {
        DestroyWindow();
        return FALSE;
    }
    if (cs.style & WS_VISIBLE)
        ::ShowWindow(m_hWnd, SW_SHOW);
    return TRUE;
}

BOOL CWnd::OnCreateWindow(CCreateContext*)
{
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                 bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    return ::SetWindowPos(m_hWnd, pWndInsertAfter ? pWndInsertAfter->m_hWnd : nullptr, x, y, cx, cy, nFlags);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(s_current.message, s_current.wParam, s_current.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM, LPARAM)
{
    if (message == WM_CLOSE)
        DestroyWindow();
    return 0;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const CurrentMessage saved = s_current;
    s_current = {message, wParam, lParam};
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    s_current = saved;
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND)
        return OnCommand(wParam, lParam);
    const AFX_MSGMAP_ENTRY* entry = FindEntry(message, 0);
    if (!entry)
        return FALSE;
    *pResult = entry->pfn(this, wParam, lParam);
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM)
{
    return OnCmdMsg(LOWORD(wParam));
}

void CWnd::OnNcDestroy()
{
    CWinThread* thread = AfxGetThread();
    if (thread && thread->m_pMainWnd == this) {
        thread->m_pMainWnd = nullptr;
        PostQuitMessage(0);
    }
    m_hWnd = nullptr;
    PostNcDestroy();
}

LRESULT CWnd::CALLBACK_WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* pWnd = static_cast<CWnd*>(GetWindowUserData(hWnd));
    if (!pWnd)
        return 0;
    if (message == WM_NCDESTROY) {
        pWnd->OnNcDestroy();
        return 0;
    }
    return pWnd->WindowProc(message, wParam, lParam);
}

// --- views -----------------------------------------------------------------

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CView::PreCreateWindow(CREATESTRUCT& cs)
{
    return CWnd::PreCreateWindow(cs);
}

BOOL CView::OnCreateWindow(CCreateContext* pContext)
{
    if (pContext && pContext->m_pCurrentDoc) {
        m_pDocument = pContext->m_pCurrentDoc;
        m_pDocument->m_pView = this;
    }
    return TRUE;
}

BOOL CView::OnCmdMsg(UINT nID)
{
    return CWnd::OnCmdMsg(nID) || (m_pDocument && m_pDocument->OnCmdMsg(nID));
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnDraw(&dc);
}

// --- frames ----------------------------------------------------------------

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_CLOSE()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    const std::string title = AfxExtractSubString(AfxLoadString(nIDResource), 0);
    CREATESTRUCT cs{};
    cs.style = LONG(dwDefaultStyle);
    cs.x = 0;
    cs.y = 0;
    cs.cx = 400;
    cs.cy = 300;
    cs.lpszName = title.c_str();
    cs.hwndParent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    return CreateEx(cs, pContext);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    return CWnd::PreCreateWindow(cs);
}

BOOL CFrameWnd::OnCreateWindow(CCreateContext* pContext)
{
    if (!pContext || !pContext->m_pNewViewClass)
        return TRUE;
    auto* view = dynamic_cast<CView*>(pContext->m_pNewViewClass->CreateObject());
    if (!view)
        return FALSE;
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST,
                      pContext))
        return FALSE;  // the view deleted itself
    m_pViewActive = view;
    RecalcLayout();
    return TRUE;
}

void CFrameWnd::RecalcLayout()
{
    if (!m_pViewActive || !m_pViewActive->m_hWnd)
        return;
    CRect client;
    GetClientRect(client);
    m_pViewActive->MoveWindow(client);
}

void CFrameWnd::OnSize(UINT, int, int)
{
    Default();
    RecalcLayout();
}

void CFrameWnd::OnClose()
{
    // Documents of this framework are written only on request, so closing
    // never has anything to save.
    DestroyWindow();
}

// Key presses anywhere in the frame reach it first, for its accelerators.
void CFrameWnd::OnKeyDown(UINT nChar, UINT, UINT)
{
    BYTE fVirt = FVIRTKEY;
    if (GetKeyState(VK_CONTROL) < 0)
        fVirt |= FCONTROL;
    if (GetKeyState(VK_SHIFT) < 0)
        fVirt |= FSHIFT;
    if (GetKeyState(VK_MENU) < 0)
        fVirt |= FALT;
    if (!TranslateAccelerator(fVirt, WORD(nChar)))
        Default();
}

BOOL CFrameWnd::OnCmdMsg(UINT nID)
{
    if (m_pViewActive && m_pViewActive->OnCmdMsg(nID))
        return TRUE;
    if (CWnd::OnCmdMsg(nID))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID);
}

void CFrameWnd::InitialUpdateFrame(CDocument*, BOOL bMakeVisible)
{
    if (m_pViewActive)
        m_pViewActive->OnInitialUpdate();
    if (bMakeVisible)
        ShowWindow(SW_SHOW);
}

BOOL CFrameWnd::TranslateAccelerator(BYTE fVirt, WORD key)
{
    const AFX_ACCEL_TABLE* table = AfxFindAccelerators(m_nIDHelp);
    if (!table)
        return FALSE;
    for (size_t i = 0; i < table->count; ++i) {
        const ACCEL& accel = table->entries[i];
        if ((accel.fVirt | FVIRTKEY) == (fVirt | FVIRTKEY) && accel.key == key) {
            SendMessage(WM_COMMAND, accel.cmd, 0);
            return TRUE;
        }
    }
    return FALSE;
}

// --- documents and templates -----------------------------------------------

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    SetModifiedFlag(FALSE);
    m_strPathName.clear();
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCSTR lpszPathName)
{
    // The file must open; what is in it is the document's Serialize to read.
    const int fd = open(lpszPathName, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        std::cerr << AfxGetAppName() << ": cannot open " << lpszPathName << ": " << std::strerror(errno) << "\n";
        return FALSE;
    }
    close(fd);
    DeleteContents();
    CArchive ar(CArchive::load);
    Serialize(ar);
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::Serialize(CArchive&) {}

CDocTemplate::CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                           const CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc)
{
    CCreateContext context;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewDocTemplate = this;
    auto* frame = dynamic_cast<CFrameWnd*>(m_pFrameClass->CreateObject());
    if (!frame)
        return nullptr;
    if (!frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;  // the frame deleted itself
    return frame;
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    delete m_pOnlyDoc;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible)
{
    const bool created = m_pOnlyDoc == nullptr;
    CFrameWnd* frame = nullptr;
    if (created) {
        m_pOnlyDoc = dynamic_cast<CDocument*>(m_pDocClass->CreateObject());
        if (!m_pOnlyDoc)
            return nullptr;
        m_pOnlyDoc->m_pDocTemplate = this;
        frame = CreateNewFrame(m_pOnlyDoc);
        if (!frame) {
            delete std::exchange(m_pOnlyDoc, nullptr);
            return nullptr;
        }
    }
    const BOOL opened = lpszPathName ? m_pOnlyDoc->OnOpenDocument(lpszPathName) : m_pOnlyDoc->OnNewDocument();
    if (!opened) {
        if (created)
            frame->DestroyWindow();
        return nullptr;
    }
    m_pOnlyDoc->SetPathName(lpszPathName ? lpszPathName : "");
    if (created) {
        CWinThread* thread = AfxGetThread();
        if (!thread->m_pMainWnd)
            thread->m_pMainWnd = frame;
        frame->InitialUpdateFrame(m_pOnlyDoc, bMakeVisible);
    }
    return m_pOnlyDoc;
}

void CCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL)
{
    if (!bFlag && m_strFileName.empty()) {
        m_strFileName = pszParam;
        m_nShellCommand = FileOpen;
    }
}

// --- the application -------------------------------------------------------

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
END_MESSAGE_MAP()

CWinApp* AfxGetApp()
{
    return s_pApp;
}

CWinThread* AfxGetThread()
{
    return s_pApp;
}

LPCSTR AfxGetAppName()
{
    return s_pApp && s_pApp->m_pszAppName ? s_pApp->m_pszAppName : "tarvik";
}

CWinApp::CWinApp(LPCSTR lpszAppName) : m_pszAppName(lpszAppName)
{
    s_pApp = this;
}

CWinApp::~CWinApp()
{
    std::free(const_cast<char*>(m_pszProfileName));
    if (s_pApp == this)
        s_pApp = nullptr;
}

int CWinApp::Run()
{
    AfxRunMessageLoop();
    return ExitInstance();
}

int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    return 0;
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
}

std::string CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    char value[4096];
    ::GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault, value, sizeof value, m_pszProfileName);
    return value;
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    return WriteProfileString(lpszSection, lpszEntry, std::to_string(nValue).c_str());
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    if (!m_pszProfileName || !ini::MakeParentFolders(m_pszProfileName))
        return FALSE;
    return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    m_nMaxMRU = nMaxMRU;
    m_recentFiles.clear();
    for (UINT i = 1; i <= nMaxMRU; ++i) {
        const std::string file = GetProfileString(kRecentSection, ("File" + std::to_string(i)).c_str(), "");
        if (!file.empty())
            m_recentFiles.push_back(file);
    }
}

void CWinApp::SaveStdProfileSettings()
{
    for (size_t i = 0; i < m_recentFiles.size() && i < m_nMaxMRU; ++i)
        WriteProfileString(kRecentSection, ("File" + std::to_string(i + 1)).c_str(), m_recentFiles[i].c_str());
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    m_templates.emplace_back(pTemplate);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    for (size_t i = 0; i < m_argv.size(); ++i) {
        const std::string& arg = m_argv[i];
        const bool flag = arg.size() > 1 && arg[0] == '-';
        rCmdInfo.ParseParam(flag ? arg.c_str() + 1 : arg.c_str(), flag, i + 1 == m_argv.size());
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(0xE100))  // ID_FILE_NEW, through the message map
            OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName.c_str()) != nullptr;
    default:
        return TRUE;
    }
}

void CWinApp::OnFileNew()
{
    if (!m_templates.empty())
        m_templates.front()->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen()
{
    std::string path;
    if (AfxPromptForFileName(path))
        OpenDocumentFile(path.c_str());
}

CDocument* CWinApp::OpenDocumentFile(LPCSTR lpszFileName)
{
    if (m_templates.empty())
        return nullptr;
    CDocument* doc = m_templates.front()->OpenDocumentFile(lpszFileName);
    if (doc && m_nMaxMRU > 0) {
        std::erase(m_recentFiles, std::string(lpszFileName));
        m_recentFiles.insert(m_recentFiles.begin(), lpszFileName);
        if (m_recentFiles.size() > m_nMaxMRU)
            m_recentFiles.resize(m_nMaxMRU);
    }
    return doc;
}

int AfxWinMain(int argc, char** argv)
{
    CWinApp* app = AfxGetApp();
    if (!app) {
        std::cerr << "no application object\n";
        return 1;
    }
    if (!AfxPlatformInit(argc, argv))
        return 1;
    app->m_argv.assign(argv + std::min(argc, 1), argv + argc);
    // The framework's own choice, in the user's configuration folder; the
    // program may name another file in InitInstance.
    app->m_pszProfileName =
        strdup(ProfilePathInConfig(ModulePath(), std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")).c_str());

    int code;
    if (!app->InitInstance()) {
        if (app->m_pMainWnd)
            app->m_pMainWnd->DestroyWindow();
        code = app->ExitInstance();
    } else {
        code = app->Run();
    }
    AfxPlatformTerm();
    return code;
}

// --- device contexts of windows ---------------------------------------------

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr)
{
    Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd)
{
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}
