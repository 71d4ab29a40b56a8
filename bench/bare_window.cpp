// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bare window of the start-up benchmark as a program of its own; with the argument "text"
// it also shows one line of text (see MakeBareWindow).

#include "benchkit.h"

#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const auto window = MakeBareWindow(argc > 1 && std::strcmp(argv[1], "text") == 0);
    window->show();
    return app.exec();
}
