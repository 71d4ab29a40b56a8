// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/application.h"
#include "platform/qt/clock.h"
#include "platform/qt/menivorwindow.h"

int main(int argc, char* argv[])
{
    menivor::qt::Application app(argc, argv);
    const menivor::qt::SystemClock clock;
    menivor::qt::MenivorWindow window(clock);
    window.show();
    return app.exec();
}
