// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/controls.h"
#include "window/layout.h"

#include <QLabel>
#include <QPixmap>

namespace menivor::qt {

// A picture stored with the program (a JPEG in its resources), decoded the first time it is
// drawn: pictures that are never seen cost only their header's read. Screens with more than one
// device pixel to a pixel get the version drawn at twice the size, shown at the same size.
class QtPicture final : public Picture {
public:
    // name: "cycle" or "phase0" to "phase7"; devicePixelRatio of the screen it is shown on.
    QtPicture(const QString& name, qreal devicePixelRatio);

    QSize Size() const { return size_; } // device-independent pixels
    const QPixmap& Pixmap() const;       // decodes on the first call
    bool Decoded() const { return !pixmap_.isNull(); }

private:
    QString resource_;
    qreal ratio_;
    QSize size_;
    mutable QPixmap pixmap_;
};

// A picture in a two-pixel sunken frame. The box always takes its picture's size (in
// device-independent pixels) plus 2 pixels of frame on each side; its top-left corner stays.
// Two boxes set to the same picture show one QPixmap (implicitly shared), not copies.
class PictureBox final : public QLabel, public PictureControl {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    PictureRef GetPicture() const override { return picture_; }
    void SetPicture(PictureRef picture) override;
    std::u16string AccessibleName() const override;
    void SetAccessibleName(std::u16string_view name) override;

    QPixmap Pixmap() const { return pixmap(); } // what the box shows; null until it is shown

    // The designed frame, which QFrame::WinPanel draws at two pixels whatever its line width.
    static constexpr int FrameWidth = menivor::Form.pictureFrameWidth;
    static_assert(FrameWidth == 2, "a sunken WinPanel frame is two pixels wide");

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowPicture();

    std::shared_ptr<const QtPicture> picture_;
};

} // namespace menivor::qt
