// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/focusframe.h"

#include <QEvent>
#include <QPainter>

namespace menivor::qt {

FocusFrame::FocusFrame(QColor colour, int width, QWidget* window)
    : QWidget(window)
    , colour_(colour)
    , width_(width)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName({}); // decoration: nothing for a screen reader to say
    hide();
}

void FocusFrame::Follow(QWidget* control)
{
    if (framed_)
        framed_->removeEventFilter(this);
    framed_ = control && control->parentWidget() == parentWidget() && control->isVisible() ? control : nullptr;
    if (framed_)
        framed_->installEventFilter(this); // a control that grows (none does today) takes it along
    Place();
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == framed_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        Place();
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::Place()
{
    if (!framed_) {
        hide();
        return;
    }
    setGeometry(framed_->geometry().adjusted(-width_, -width_, width_, width_));
    raise();
    show();
}

void FocusFrame::paintEvent(QPaintEvent*)
{
    // Only the ring: the control inside stays as it is drawn.
    QPainter painter(this);
    const QRect all = rect();
    painter.fillRect(QRect(all.left(), all.top(), all.width(), width_), colour_);
    painter.fillRect(QRect(all.left(), all.bottom() - width_ + 1, all.width(), width_), colour_);
    painter.fillRect(QRect(all.left(), all.top(), width_, all.height()), colour_);
    painter.fillRect(QRect(all.right() - width_ + 1, all.top(), width_, all.height()), colour_);
}

} // namespace menivor::qt
