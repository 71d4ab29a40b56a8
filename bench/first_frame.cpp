// Builds a window, shows it and quits once its first frame is painted: run under
// valgrind --tool=callgrind to count the instructions that start-up costs, a figure that does
// not change with the machine's load. usage: first_frame menivor|bare|text

#include "window/menivor.h"

#include <QApplication>
#include <QLabel>
#include <QEvent>
#include <QTimer>

#include <cstring>
#include <memory>

namespace {

class FixedClock final : public menivor::Clock {
public:
    QDate Today() const override { return QDate(2014, 9, 9); }
};

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
    FixedClock clock;
    std::unique_ptr<QWidget> window;
    if (std::strcmp(which, "menivor") == 0) {
        window = std::make_unique<menivor::Menivor>(clock);
    } else {
        window = std::make_unique<QWidget>();
        window->setFixedSize(464, 424);
        window->setAutoFillBackground(true);
        if (std::strcmp(which, "text") == 0) {
            auto* label = new QLabel(QStringLiteral("Физика (Астрономия) - фази на Луната"), window.get());
            QFont font(QStringLiteral("Times New Roman"));
            font.setPixelSize(16);
            label->setFont(font);
            label->setGeometry(64, 0, 337, 25);
        }
    }
    QuitAfterPaint quitter;
    window->installEventFilter(&quitter);
    window->show();
    return app.exec();
}
