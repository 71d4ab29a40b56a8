#include "window/menivor.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const menivor::SystemClock clock;
    menivor::Menivor window(clock);
    window.show();
    return app.exec();
}
