// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

namespace menivor::qt {

// A frame drawn just outside the control that has the keyboard focus, thick and in a colour of
// its own, so that the focus can be seen from the back of a classroom on a projector, whatever
// the control shows (a list with or without a picked entry, a text box, the button). It lies
// above its sibling controls and lets every mouse event through.
class FocusFrame final : public QWidget {
    Q_OBJECT

public:
    FocusFrame(QColor colour, int width, QWidget* window);

    // Frames the given control (a child of the window), or hides when it is none.
    void Follow(QWidget* control);
    QWidget* Framed() const { return framed_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Place();

    QColor colour_;
    int width_; // pixels
    QPointer<QWidget> framed_;
};

} // namespace menivor::qt
