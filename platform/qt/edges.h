// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The classic greys of raised and sunken edges (frames, the button's bevel), the same on every
// desktop theme, so that their light edges stay visible on any window colour.

#include <QColor>
#include <QPalette>

namespace menivor::qt {

inline void SetEdgeShades(QPalette& palette)
{
    palette.setColor(QPalette::Light, QColor(255, 255, 255));
    palette.setColor(QPalette::Midlight, QColor(223, 223, 223));
    palette.setColor(QPalette::Mid, QColor(160, 160, 160));
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    palette.setColor(QPalette::Shadow, QColor(64, 64, 64));
}

} // namespace menivor::qt
