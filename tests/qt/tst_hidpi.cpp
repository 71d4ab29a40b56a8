// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowkit.h"

using namespace menivor;
using namespace menivor::qt;

// Run with QT_SCALE_FACTOR=2: the layout keeps its size in device-independent pixels and the
// pictures come from their versions drawn at twice the size.
class TestHiDpi : public QObject {
    Q_OBJECT

private slots:
    void layoutKeepsItsPixels();
    void picturesAreSharp();
};

void TestHiDpi::layoutKeepsItsPixels()
{
    QVERIFY(qApp->devicePixelRatio() == 2);
    Started started = StartOn(QDate(2014, 9, 9));
    QCOMPARE(started.window->size(), QSize(464, 424));
    QCOMPARE(started.control("List1(2)")->geometry(), QRect(400, 56, 57, 80));
    QCOMPARE(started.control("Text1(0)")->geometry(), QRect(8, 296, 449, 121));
    QCOMPARE(started.picture(0)->geometry(), QRect(8, 32, 254, 251));
    // The full moon's box: its picture's size plus the frame, in device-independent pixels.
    QCOMPARE(started.picture(9)->geometry(), QRect(344, 216, 56, 59));
    const QImage grabbed = started.window->grab().toImage();
    QCOMPARE(grabbed.size(), QSize(928, 848));
}

void TestHiDpi::picturesAreSharp()
{
    Started started = StartOn(QDate(2014, 9, 2));
    for (int slot = 0; slot <= 9; ++slot) {
        const QPixmap picture = started.pixmapOf(slot);
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        QCOMPARE(picture.size(), (picture.deviceIndependentSize() * 2).toSize());
    }
    QCOMPARE(started.picture(9)->Pixmap().size(), QSize(92, 110));
    QCOMPARE(started.picture(9)->geometry(), QRect(344, 216, 50, 59));
}

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
