// The application, its documents and document templates, the command line
// and the framework's entry point.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <utility>

#include "platform/afx/afxbackend.h"
#include "platform/afx/afxwin.h"
#include "platform/win/profilepath.h"

namespace {

CWinApp* s_pApp = nullptr;

HWND MainWindowHandle()
{
    return s_pApp && s_pApp->m_pMainWnd ? s_pApp->m_pMainWnd->m_hWnd : nullptr;
}

constexpr const char* kRecentSection = "Recent File List";

}  // namespace

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
    std::error_code isDirectory;
    int error = std::filesystem::is_directory(lpszPathName, isDirectory) ? EISDIR : 0;
    if (!error) {
        if (std::FILE* file = std::fopen(lpszPathName, "rb"))
            std::fclose(file);
        else
            error = errno;
    }
    if (error) {
        std::cerr << AfxGetAppName() << ": cannot open " << lpszPathName << ": " << std::strerror(error) << "\n";
        return FALSE;
    }
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
    if (!m_pszProfileName)
        return FALSE;
    errno = 0;
    if (::MakeParentFolders(m_pszProfileName) &&
        ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName))
        return TRUE;
    if (!m_nProfileWriteError)
        m_nProfileWriteError = errno ? errno : EIO;
    return FALSE;
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

CProfileBatch::CProfileBatch(CWinApp* pApp, BOOL bForWriting) : m_pApp(pApp), m_bForWriting(bForWriting)
{
    if (!pApp || !pApp->m_pszProfileName)
        return;
    m_path = pApp->m_pszProfileName;
    pApp->m_nProfileWriteError = 0;
    m_bOpen = AfxBeginProfileBatch(m_path.c_str(), bForWriting);
    // A file that cannot be read is said when it is read; a save says why
    // it failed at its end.
    if (m_bOpen && errno && !bForWriting)
        std::cerr << AfxGetAppName() << ": cannot read the settings in " << m_path << " (" << std::strerror(errno)
                  << "); the defaults are used\n";
}

CProfileBatch::~CProfileBatch()
{
    if (!m_pApp || m_path.empty())
        return;
    int error = m_pApp->m_nProfileWriteError;
    if (m_bOpen && !AfxEndProfileBatch() && !error)
        error = errno ? errno : EIO;
    if (m_bForWriting && error)
        std::cerr << AfxGetAppName() << ": cannot save the settings to " << m_path << ": " << std::strerror(error)
                  << "\n";
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_recentFiles.empty())
        return;
    const CProfileBatch batch(this, TRUE);
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
    if (AfxPromptForFileName(MainWindowHandle(), path))
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

BOOL AfxWinInit(int argc, char** argv)
{
    return AfxPlatformInit(argc, argv, AFX_PLATFORM_HOST{AfxGetAppName(), &MainWindowHandle});
}

void AfxWinTerm()
{
    AfxPlatformTerm();
}

int AfxWinMain(int argc, char** argv)
{
    CWinApp* app = AfxGetApp();
    if (!app) {
        std::cerr << "no application object\n";
        return 1;
    }
    if (!AfxWinInit(argc, argv))
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
        app->ExitInstance();
        code = 1;  // the start failed, and has said why
    } else {
        code = app->Run();
    }
    AfxWinTerm();
    return code;
}
