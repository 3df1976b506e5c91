// Starts a program and reports how long its first frames take to reach the
// screen: the milliseconds until the screen pixel at (x, y) first shows each
// of the given colours, in order.
//
// Usage: tarvik_firstframe X Y RRGGBB[,RRGGBB...] PROGRAM [ARGS...]
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s X Y RRGGBB[,RRGGBB...] PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    const QStringList colours = QString(argv[3]).split(',');
    QStringList args;
    for (int i = 5; i < argc; ++i)
        args << argv[i];

    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    QElapsedTimer clock;
    clock.start();
    program.start(argv[4], args);

    QScreen* screen = QGuiApplication::primaryScreen();
    int next = 0;
    while (next < colours.size() && clock.elapsed() < 10000) {
        const QRgb pixel = screen->grabWindow(0, x, y, 1, 1).toImage().pixel(0, 0) & 0xFFFFFF;
        if (pixel == colours[next].toUInt(nullptr, 16)) {
            std::printf("%s after %lld ms\n", qPrintable(colours[next]), static_cast<long long>(clock.elapsed()));
            ++next;
            continue;
        }
        QThread::usleep(500);
    }
    program.terminate();
    program.waitForFinished(5000);
    return next == colours.size() ? 0 : 1;
}
