// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up of the program beside a bare Qt window, on the running X server (xvfb-run):
// the time from starting the process to its first frame on the screen, found by watching the
// screen for the green of the button (which the bare window paints at the same place), and the
// peak resident memory at that moment. Prints median and spread over the runs.
// The bare window runs twice over: as it is, and with one line of text ("text").
// usage: startup_bench <program> <bare window> [runs]

#include <QGuiApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Run {
    double milliseconds;
    long peakKiB;
};

long PeakResidentKiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

Run Start(const QString& program, const QStringList& arguments, QPoint watched)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    Run run{-1, -1};
    while (timer.elapsed() < 20000) {
        const QImage pixel = screen->grabWindow(0, watched.x(), watched.y(), 1, 1).toImage();
        if (!pixel.isNull() && pixel.pixelColor(0, 0) == QColor(0, 255, 0)) {
            run.milliseconds = timer.nsecsElapsed() / 1e6;
            break;
        }

        QThread::usleep(500);
    }
    run.peakKiB = PeakResidentKiB(process.processId());
    process.kill();
    process.waitForFinished();
    // Wait until the window is gone from the screen before the next run.
    while (timer.elapsed() < 30000) {
        const QImage pixel = screen->grabWindow(0, watched.x(), watched.y(), 1, 1).toImage();
        if (pixel.pixelColor(0, 0) != QColor(0, 255, 0))
            break;
        QThread::msleep(2);
    }
    return run;
}

template <class T>
T Median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Report(const char* what, const std::vector<Run>& runs)
{
    std::vector<double> ms;
    std::vector<long> kib;
    for (const Run& r : runs)
        ms.push_back(r.milliseconds), kib.push_back(r.peakKiB);
    std::sort(ms.begin(), ms.end());
    std::printf("%-12s first frame: median %6.1f ms (min %6.1f, max %6.1f, middle half %6.1f-%6.1f); "
                "peak RSS median %ld KiB\n",
                what, Median(ms), ms.front(), ms.back(), ms[ms.size() / 4], ms[ms.size() * 3 / 4], Median(kib));
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench <program> <bare window> [runs]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, atoi(argv[3])) : 20;
    // The button's face near its corner, clear of the caption, in a 464 x 424 window centred on
    // the screen.
    QRect window(QPoint(), QSize(464, 424));
    window.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
    const QPoint watched = window.topLeft() + QPoint(376 + 6, 176 + 6);
    const QString menivor = QString::fromLocal8Bit(argv[1]), bareWindow = QString::fromLocal8Bit(argv[2]);
    std::vector<Run> program, bare, bareText;
    Start(menivor, {}, watched); // a first run of each warms the disk cache
    Start(bareWindow, {}, watched);
    Start(bareWindow, {QStringLiteral("text")}, watched);
    for (int i = 0; i < runs; ++i) { // in turn, so that all see the same machine
        program.push_back(Start(menivor, {}, watched));
        bare.push_back(Start(bareWindow, {}, watched));
        bareText.push_back(Start(bareWindow, {QStringLiteral("text")}, watched));
    }
    std::printf("%d runs each\n", runs);
    Report("menivor", program);
    Report("bare window", bare);
    Report("bare + text", bareText);
    const auto medians = [](const std::vector<Run>& runs) {
        std::vector<double> ms, kib;
        for (const Run& r : runs)
            ms.push_back(r.milliseconds), kib.push_back(double(r.peakKiB));
        return std::pair{Median(ms), Median(kib)};
    };
    const auto [programMs, programKiB] = medians(program);
    const auto [bareMs, bareKiB] = medians(bare);
    const auto [textMs, textKiB] = medians(bareText);
    std::printf("ratio to the bare window:   first frame %.2f x, peak RSS %.2f x\n", programMs / bareMs,
                programKiB / bareKiB);
    std::printf("ratio to bare + text:       first frame %.2f x, peak RSS %.2f x\n", programMs / textMs,
                programKiB / textKiB);
}
