// Process-wide set-up of the Qt backend: the application object, the display,
// signals, the interface language, the message loop and icons.
#include <QWidget>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QBuffer>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QSocketNotifier>
#include <QTranslator>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>
#include <utility>

#include "platform/afx/afxbackend.h"
#include "platform/qt/access/accessible.h"
#include "platform/qt/handle/windowlist.h"
#include "platform/qt/handle/modal.h"
#include "platform/qt/handle/screen.h"
#include "platform/qt/paint/fonts.h"
#include "platform/qt/paint/gdiobjects.h"
#include "platform/qt/paint/overlay.h"
#include "platform/win/imagefile.h"
#include "platform/win/winres.h"

#include "platform/qt/x11/x11.h"

namespace {

AFX_PLATFORM_HOST s_host{"tarvik", nullptr};
int s_argc = 0;
std::unique_ptr<QApplication> s_app;
int s_signalPipe[2] = {-1, -1};
std::unique_ptr<QSocketNotifier> s_signalNotifier;

void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = write(s_signalPipe[1], &byte, 1);
}

// A termination signal closes the main window as Exit would, so the program
// saves its settings on a logout or Ctrl+C too.
void CloseOnSignals()
{
    if (pipe2(s_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    s_signalNotifier = std::make_unique<QSocketNotifier>(s_signalPipe[0], QSocketNotifier::Read);
    QObject::connect(s_signalNotifier.get(), &QSocketNotifier::activated, [] {
        char buffer[16];
        while (read(s_signalPipe[0], buffer, sizeof buffer) > 0) {
        }
        if (HWND hMain = MainWindow())
            PostCloseRequest(hMain);
        else
            PostQuitMessage(0);
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        sigaction(sig, &action, nullptr);
}

// The program speaks Japanese: the texts Qt's own dialogs show (the colour
// chooser, message box buttons) are Japanese too, where the translations are
// installed, and menus and message boxes draw in the family of a Japanese
// desktop's interface font, at the size of this desktop's.
void SpeakJapanese()
{
    QFont font = QApplication::font();
    font.setFamily(FamilyForFace(QStringLiteral("ＭＳ Ｐゴシック")));
    QApplication::setFont(font);

    static QTranslator s_translator;
    if (s_translator.load(QLocale(QLocale::Japanese, QLocale::Japan), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&s_translator);
}

bool NoDisplay(const std::string& why)
{
    std::cerr << s_host.lpszAppName << ": no display to show the clock on (" << why << "); "
              << "tarvik --snapshot FILE.png draws the face into a file instead\n";
    return false;
}

bool WaylandSocketExists(const std::string& name)
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string path = name.front() == '/' ? name : std::string(runtime ? runtime : "") + "/" + name;
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISSOCK(st.st_mode);
}

// Moving a window works on X11 but not under Wayland, so XWayland is used
// whenever an X display is there. A display that does not answer gets the
// same word as no display at all, never Qt's abort.
bool ChooseDisplay()
{
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    if (chosen && *chosen)
        return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (x11 && *x11) {
        if (!XServerAnswers(x11))
            return NoDisplay(std::string("nothing answers at DISPLAY=") + x11);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        return true;
    }
    if (wayland && *wayland) {
        if (!WaylandSocketExists(wayland))
            return NoDisplay(std::string("nothing answers at WAYLAND_DISPLAY=") + wayland);
        setenv("QT_QPA_PLATFORM", "wayland", 1);
        return true;
    }
    return NoDisplay("DISPLAY is not set");
}

bool s_ended = false;  // the program ended the ordinary way

// Qt ends the program with exit(1), from inside the message loop, when its
// connection to the display breaks (a logout where the server goes first, a
// crash of the server). The main window then closes without a word to the
// display, so that the view saves the settings and the window's last known
// rectangle as at any close; and the program ends at once, with one line,
// before the static objects go, whose end would crash with no display.
void EndWithoutTheDisplay()
{
    if (s_ended)
        return;
    SetDisplayGone();
    if (HWND hMain = MainWindow())
        DestroyWindow(hMain);
    std::cerr << s_host.lpszAppName << ": the display went away; the settings are saved\n";
    std::fflush(nullptr);
    _exit(1);
}

// A picture of the framework's own as a QImage with its own copy of the pixels.
// Qt would take the path as UTF-8 and write another name for bytes that are
// not; the file goes under the very bytes given.
bool SavePng(const QImage& image, const std::string& path)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return false;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    qsizetype done = 0;
    while (done < png.size()) {
        const ssize_t n = ::write(fd, png.constData() + done, size_t(png.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int why = n < 0 ? errno : EIO;
            ::close(fd);
            errno = why;
            return false;
        }
        done += n;
    }
    return ::close(fd) == 0;
}

QImage ToImage(const AfxPixels& picture)
{
    return QImage(reinterpret_cast<const uchar*>(picture.argb.data()), picture.width, picture.height,
                  QImage::Format_ARGB32)
        .copy();
}

QIcon BuildIcon(UINT nID)
{
    QIcon icon;
    for (size_t i = 0; i < afxResources.iconCount; ++i)
        if (afxResources.icons[i].nID == nID)
            icon.addPixmap(QPixmap::fromImage(ToImage(AfxIconPixels(nID, afxResources.icons[i].cx))));
    return icon;
}

}  // namespace

HWND MainWindow()
{
    HWND hMain = s_host.pfnGetMainWindow ? s_host.pfnGetMainWindow() : nullptr;
    return IsWindow(hMain) ? hMain : nullptr;
}

bool AfxPlatformInit(int argc, char** argv, const AFX_PLATFORM_HOST& host)
{
    s_host = host;
    if (!ChooseDisplay())
        return false;
    s_argc = argc;
    s_app = std::make_unique<QApplication>(s_argc, argv);
    EndProbe();
    // Windows end only when the program destroys them, and the program ends
    // only on PostQuitMessage.
    QApplication::setQuitOnLastWindowClosed(false);
    InstallAccessibility();
    SpeakJapanese();
    CloseOnSignals();
    WatchScreens();
    std::atexit(EndWithoutTheDisplay);
    return true;
}

void AfxPlatformTerm()
{
    s_ended = true;
    for (HWND hWnd : std::vector<HWND>(AllWindows()))
        DestroyWindow(hWnd);
    DestroyScreenDrawing();
    s_signalNotifier.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Qt must go before the end of main, while its own globals still exist.
    s_app.reset();
}

int AfxRunMessageLoop()
{
    return QCoreApplication::exec();
}

HICON AfxLoadIcon(UINT nID)
{
    static std::map<UINT, QIcon> s_icons;
    auto it = s_icons.find(nID);
    if (it == s_icons.end()) {
        QIcon icon = BuildIcon(nID);
        if (icon.isNull())
            return nullptr;
        it = s_icons.emplace(nID, icon).first;
    }
    return reinterpret_cast<HICON>(&it->second);
}

bool AfxSaveBitmapAsPng(HBITMAP hBitmap, const std::string& path)
{
    const auto* bitmap = dynamic_cast<const GdiBitmap*>(hBitmap);
    return bitmap && SavePng(bitmap->image, path);
}

bool AfxSaveIconAsPng(UINT nID, int size, const std::string& path)
{
    const AfxPixels picture = AfxIconPixels(nID, size);
    return !picture.argb.empty() && SavePng(ToImage(picture), path);
}
