// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/clock.h"
#include "platform/qt/menivorwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(MENIVOR_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(MENIVOR_APP_ID)); // the menu entry's icon
    const menivor::qt::SystemClock clock;
    menivor::qt::MenivorWindow window(clock);
    window.show();
    return app.exec();
}
