// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the benchmarks share: a fixed day for the program's window, and the bare windows that
// its start-up is compared with.

#include "window/controls.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

#include <memory>

// 9 September 2014, a full moon: the same start for every run.
class BenchClock final : public menivor::Clock {
public:
    std::chrono::year_month_day Today() const override
    {
        using namespace std::chrono;
        return 2014y / September / 9;
    }
};

// A bare Qt Widgets window of the program's size and place: the least a Qt program must do to
// show a window. Its face is green where the program's button is, so that the start-up
// benchmark sees both windows arrive the same way. With text, it also shows one line in the
// program's font: the least a Qt program that draws any text must do (the font system starts).
inline std::unique_ptr<QWidget> MakeBareWindow(bool withText)
{
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(464, 424);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(0, 255, 0));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    if (withText) {
        auto* label = new QLabel(QStringLiteral("Физика (Астрономия) - фази на Луната"), window.get());
        QFont font(QStringLiteral("Times New Roman"));
        font.setPixelSize(16);
        label->setFont(font);
        label->setGeometry(64, 0, 337, 25);
    }
    QRect frame(QPoint(), window->size());
    frame.moveCenter(QApplication::primaryScreen()->availableGeometry().center());
    window->move(frame.topLeft());
    return window;
}
