// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Text between the form's logic (UTF-16 std::u16string) and Qt (QString, UTF-16 inside): the
// same code units, copied without conversion.

#include <QString>

#include <string>
#include <string_view>

namespace menivor::qt {

inline QString ToQString(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size()));
}

inline std::u16string ToU16(const QString& text)
{
    return text.toStdU16String();
}

} // namespace menivor::qt
