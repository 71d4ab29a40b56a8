// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/application.h"

#include <QLibraryInfo>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace menivor::qt {

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationVersion(QStringLiteral(MENIVOR_VERSION));
    setDesktopFileName(QStringLiteral(MENIVOR_APP_ID));
    InstallToolkitTexts(toolkitTexts_);
}

bool Application::InstallToolkitTexts(QTranslator& translator)
{
    if (!translator.load(QLocale(), u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

} // namespace menivor::qt
