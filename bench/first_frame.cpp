// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds a window, shows it and quits once its first frame is painted: run under
// valgrind --tool=callgrind to count the instructions that start-up costs, a figure that does
// not change with the machine's load. usage: first_frame menivor|bare|text

#include "benchkit.h"
#include "platform/qt/menivorwindow.h"

#include <QEvent>
#include <QTimer>

#include <cstring>
#include <memory>

namespace {

// Quits the application once the window has been painted, when the event loop next turns.
class QuitAfterPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const char* which = argc > 1 ? argv[1] : "menivor";
    BenchClock clock;
    std::unique_ptr<QWidget> window;
    if (std::strcmp(which, "menivor") == 0)
        window = std::make_unique<menivor::qt::MenivorWindow>(clock);
    else
        window = MakeBareWindow(std::strcmp(which, "text") == 0);
    QuitAfterPaint quitter;
    window->installEventFilter(&quitter);
    window->show();
    return app.exec();
}
