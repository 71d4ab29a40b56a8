// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/application.h"
#include "platform/qt/clock.h"
#include "platform/qt/menivorwindow.h"

#include <QMessageBox>

#include <exception>

int main(int argc, char* argv[])
{
    menivor::qt::Application app(argc, argv);
    try {
        const menivor::qt::SystemClock clock;
        menivor::qt::MenivorWindow window(clock);
        window.show();
        return app.exec();
    } catch (const std::exception& error) {
        // A damaged installation (a picture missing, say): said, rather than a silent exit.
        QMessageBox::critical(nullptr, QStringLiteral("Menivor"),
                              QStringLiteral("Програмата не може да започне:\n\n") + QString::fromUtf8(error.what()));
        return 1;
    }
}
