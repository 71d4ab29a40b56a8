// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Press-to-repaint latency of "Изчисли" in the real window on the running display (xvfb-run):
// from the press until the display box has been repainted with the new phase, over many presses
// on changing dates. Prints median, 99th percentile and maximum.

#include "benchkit.h"
#include "platform/qt/listbox.h"
#include "platform/qt/menivorwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Notes when the watched widget has been painted.
class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    BenchClock clock;
    menivor::qt::MenivorWindow window(clock);
    window.show();
    auto* button = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    auto* display = window.findChild<QWidget*>(QStringLiteral("Picture1(9)"));
    menivor::qt::ListBox* day = window.findChild<menivor::qt::ListBox*>(QStringLiteral("List1(0)"));
    PaintWatch watch;
    display->installEventFilter(&watch);
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 500)
        app.processEvents();

    constexpr int presses = 1000;
    std::vector<double> microseconds;
    for (int i = 0; i < presses; ++i) {
        day->SetListIndex(std::int16_t((i * 5) % day->ListCount())); // a new day, so a new phase often
        app.processEvents();
        watch.painted = false;
        QElapsedTimer timer;
        timer.start();
        button->click();
        while (!watch.painted && timer.elapsed() < 1000)
            app.processEvents();
        app.processEvents(); // the frame goes out to the display
        microseconds.push_back(timer.nsecsElapsed() / 1e3);
    }
    std::sort(microseconds.begin(), microseconds.end());
    std::printf("Calculate, press to repaint over %d presses: median %.0f us, 99th percentile %.0f us, max %.0f us\n",
                presses, microseconds[presses / 2], microseconds[presses * 99 / 100], microseconds.back());
}
