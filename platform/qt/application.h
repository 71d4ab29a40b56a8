// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QTranslator>

namespace menivor::qt {

// The Qt application of the program: its version, its menu entry (for the window's icon on
// desktops that take it from there), and Qt's own texts (the text boxes' context menu, the
// error box's button) in the user's language where Qt has a translation, Bulgarian among them.
class Application final : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    // Loads and installs Qt's translation for the system's locale; false where there is none.
    static bool InstallToolkitTexts(QTranslator& translator);

private:
    QTranslator toolkitTexts_;
};

} // namespace menivor::qt
