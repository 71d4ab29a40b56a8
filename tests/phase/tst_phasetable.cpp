// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phase/phase_table.h"
#include "phase/runtime_error.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace menivor;

class TestPhaseTable : public QObject {
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
    void descriptionsAreDistinct();
    void noRowOutsideTheTable_data();
    void noRowOutsideTheTable();
    void pictureSlotOverflow();
};

void TestPhaseTable::rows_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<QString>("closing");
    QTest::newRow("new moon") << 0 << 1 << u"Новолуние - "_s << u"към Земята"_s;
    QTest::newRow("waxing crescent") << 1 << 2 << u"Нарастване - "_s << u"буква \u0417"_s;
    QTest::newRow("first quarter") << 2 << 3 << u"Нарастване - "_s << u"първа четвърт"_s;
    QTest::newRow("waxing gibbous") << 3 << 4 << u"Нарастване - "_s << u"три четвърти видими"_s;
    QTest::newRow("full moon") << 4 << 5 << u"Пълнолуние - "_s << u"Луната и Слънцето"_s;
    QTest::newRow("waning gibbous") << 5 << 6 << u"Намаляване - "_s << u"три четвърти видими"_s;
    QTest::newRow("last quarter") << 6 << 7 << u"Намаляване - "_s << u"последна четвърт"_s;
    QTest::newRow("waning crescent") << 7 << 8 << u"Намаляване - "_s << u"буква \u0421"_s;
}

void TestPhaseTable::rows()
{
    QFETCH(int, index);
    QFETCH(int, slot);
    QFETCH(QString, opening);
    QFETCH(QString, closing);
    QCOMPARE(int(PictureSlotOf(std::int16_t(index))), slot);
    const auto description = DescriptionOf(std::int16_t(index));
    QVERIFY(description.has_value());
    const QByteArray bytes(description->data(), qsizetype(description->size()));
    QVERIFY2(bytes.isValidUtf8(), bytes.constData());
    const QString text = QString::fromUtf8(bytes);
    QVERIFY2(text.startsWith(opening), qPrintable(text));
    QVERIFY2(text.endsWith(closing), qPrintable(text)); // З and С are Cyrillic, not 3 and C
    QVERIFY(!text.contains(u'\n') && !text.contains(u'\r'));
    QCOMPARE(text.trimmed(), text);
}

void TestPhaseTable::descriptionsAreDistinct()
{
    QSet<QByteArray> descriptions, names;
    for (std::int16_t i = 0; i < PhaseCount; ++i) {
        const auto description = DescriptionOf(i).value();
        descriptions.insert(QByteArray(description.data(), qsizetype(description.size())));
        const auto name = PhaseNameOf(i).value();
        const QByteArray nameBytes(name.data(), qsizetype(name.size()));
        QVERIFY(nameBytes.isValidUtf8() && !nameBytes.isEmpty());
        names.insert(nameBytes);
    }
    QCOMPARE(descriptions.size(), int(PhaseCount));
    QCOMPARE(names.size(), int(PhaseCount)); // a screen reader tells every phase apart
    const auto nameOf = [](std::int16_t i) {
        const auto name = PhaseNameOf(i).value();
        return QString::fromUtf8(name.data(), qsizetype(name.size()));
    };
    QCOMPARE(nameOf(0), u"Новолуние"_s);
    QCOMPARE(nameOf(2), u"Първа четвърт"_s);
    QCOMPARE(nameOf(4), u"Пълнолуние"_s);
    QCOMPARE(nameOf(6), u"Последна четвърт"_s);
}

void TestPhaseTable::noRowOutsideTheTable_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("-1") << -1;
    QTest::newRow("8") << 8;
    QTest::newRow("9, the display's slot") << 9;
    QTest::newRow("smallest 16-bit") << -32768;
    QTest::newRow("largest 16-bit") << 32767;
}

void TestPhaseTable::noRowOutsideTheTable()
{
    QFETCH(int, index);
    QVERIFY(!DescriptionOf(std::int16_t(index)).has_value());
    QVERIFY(!PhaseNameOf(std::int16_t(index)).has_value());
}

void TestPhaseTable::pictureSlotOverflow()
{
    QCOMPARE(int(PictureSlotOf(32766)), 32767);
    QCOMPARE(int(PictureSlotOf(-32768)), -32767);
    try {
        PictureSlotOf(32767);
        QFAIL("no overflow past 32767");
    } catch (const RuntimeError& error) {
        QCOMPARE(error.kind(), ErrorKind::Overflow);
    }
}

QTEST_APPLESS_MAIN(TestPhaseTable)
#include "tst_phasetable.moc"
