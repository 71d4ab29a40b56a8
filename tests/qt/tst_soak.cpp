// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowkit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

using namespace Qt::StringLiterals;

using namespace menivor;
using namespace menivor::qt;

namespace {

// Resident memory of this process, KiB.
long ResidentKiB()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace

// Endless use: many presses with changing picks, repainted as they go, must not grow memory.
class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void hundredThousandPresses();
};

void TestSoak::hundredThousandPresses()
{
    Started started = StartOn(QDate(2014, 9, 9));
    auto* button = started.control<QPushButton>("Command1");
    const auto press = [&](int i) {
        started.list(2)->SetListIndex(std::int16_t(i % 100));
        started.list(1)->SetListIndex(std::int16_t((i / 100) % 12));
        started.list(0)->SetListIndex(std::int16_t((i * 7) % started.list(0)->ListCount()));
        button->click();
        if (i % 10 == 0)
            QApplication::processEvents(); // paint, as the event loop would between presses
    };
    constexpr int warmUp = 5000, presses = 100000;
    for (int i = 0; i < warmUp; ++i)
        press(i);
    const long before = ResidentKiB();
    QElapsedTimer timer;
    timer.start();
    for (int i = warmUp; i < warmUp + presses; ++i)
        press(i);
    const double seconds = timer.nsecsElapsed() / 1e9;
    const long after = ResidentKiB();
    qInfo("%d presses in %.2f s (%.1f us each); resident memory %ld KiB -> %ld KiB, growth %ld KiB",
          presses, seconds, seconds / presses * 1e6, before, after, after - before);
    QVERIFY(before > 0 && after > 0);
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer's quarantine grows resident memory by design; its leak check runs instead");
#else
    QVERIFY2(after - before <= 1024, "resident memory grew by more than 1 MiB");
#endif
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
