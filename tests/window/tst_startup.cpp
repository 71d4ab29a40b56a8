// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowkit.h"
#include "phase/phase.h"
#include "phase/phase_table.h"
#include "window/designed_texts.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimeZone>

using namespace Qt::StringLiterals;

using namespace menivor;

// The window as it opens: today's date, today's phase, today's picks in the lists.
class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void opensOnToday_data();
    void opensOnToday();
    void leapDayRefillsInOrder();
    void failingClockIsReportedAndTheWindowStaysUsable();
};

void TestStartup::initTestCase()
{
    // Under the locale matrix: the toolkit's locale follows LC_ALL, right-to-left ones included.
    const QByteArray lcAll = qgetenv("LC_ALL");
    const QLocale locale = QLocale::system();
    qInfo("locale %s (%s), time zone %s", qPrintable(locale.name()),
          locale.textDirection() == Qt::RightToLeft ? "right to left" : "left to right",
          QTimeZone::systemTimeZoneId().constData());
    if (lcAll.contains('_'))
        QCOMPARE(locale.name(), QString::fromLatin1(lcAll.left(lcAll.indexOf('.'))));
}

void TestStartup::opensOnToday_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("dayCount");
    QTest::newRow("full moon, 9 September 2014")
        << QDate(2014, 9, 9) << "09-09-2014" << 5 << "9" << "9" << "2014" << 30;
    QTest::newRow("new moon, 24 September 2014")
        << QDate(2014, 9, 24) << "09-24-2014" << 1 << "24" << "9" << "2014" << 30;
    QTest::newRow("leap day 2016") << QDate(2016, 2, 29) << "02-29-2016" << -1 << "29" << "2" << "2016" << 29;
    QTest::newRow("January 1980, the lists' first picks")
        << QDate(1980, 1, 1) << "01-01-1980" << 5 << "1" << "1" << "1980" << 31;
    QTest::newRow("mid-January 1980") << QDate(1980, 1, 15) << "01-15-1980" << -1 << "15" << "1" << "1980" << 31;
    QTest::newRow("last day of the lists") << QDate(2079, 12, 31) << "12-31-2079" << 3 << "31" << "12" << "2079" << 31;
    // Dates outside the lists' years open on the nearest year, the real month and the real
    // day clamped to that month; the date box and the picture keep the real date.
    QTest::newRow("before the lists: 1975") << QDate(1975, 6, 1) << "06-01-1975" << -1 << "1" << "6" << "1980" << 30;
    QTest::newRow("the day before the lists") << QDate(1979, 12, 31) << "12-31-1979" << -1 << "31" << "12" << "1980" << 31;
    QTest::newRow("the day after the lists") << QDate(2080, 1, 1) << "01-01-2080" << -1 << "1" << "1" << "2079" << 31;
    QTest::newRow("leap day 2080, a common year in the list")
        << QDate(2080, 2, 29) << "02-29-2080" << -1 << "28" << "2" << "2079" << 28;
    QTest::newRow("2100") << QDate(2100, 1, 1) << "01-01-2100" << -1 << "1" << "1" << "2079" << 31;
}

void TestStartup::opensOnToday()
{
    QFETCH(QDate, today);
    QFETCH(QString, text2);
    QFETCH(int, slot);
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(int, dayCount);
    // The window has done all of it before it is first shown.
    Started started = StartOn(today, false);
    QCOMPARE(started.text2(), text2);
    const std::int16_t phase = PhaseOfDate(DateValueOfText(text2.toStdString()));
    if (slot >= 0)
        QCOMPARE(int(PictureSlotOf(phase)), slot);
    QVERIFY(started.displayShows(PictureSlotOf(phase)));
    QCOMPARE(int(started.window->phaseIndex()), int(phase));
    QCOMPARE(started.window->cyclePosition(), CycleFractionOf(CycleCountOf(DateValueOfText(text2.toStdString()))));
    QCOMPARE(started.selected(0), day);
    QCOMPARE(started.selected(1), month);
    QCOMPARE(started.selected(2), year);
    QCOMPARE(int(started.list(0)->ListCount()), dayCount);
    QString designed = ReadingText.toString();
    QCOMPARE(started.description(), designed.replace(u"\r\n"_s, u"\n"_s));
    QVERIFY(!started.window->findChild<QMessageBox*>());
    // Picking a day works from the start.
    started.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(started.window.get()));
    started.pick(0, u"2"_s);
    QCOMPARE(started.selected(0), u"2"_s);
}

void TestStartup::leapDayRefillsInOrder()
{
    // Month 2 is picked while 1980 is still selected (29 days), then 2016 (29 days), then day 29.
    Started started = StartOn(QDate(2016, 2, 29), false);
    QCOMPARE(started.list(0)->ListCount(), std::int16_t(29));
    QCOMPARE(started.list(0)->ListIndex(), std::int16_t(28));
    QVERIFY(started.list(0)->currentItem()->isSelected());
}

void TestStartup::failingClockIsReportedAndTheWindowStaysUsable()
{
    Started started = Start(std::make_unique<FailingClock>());
    QMessageBox* box = nullptr;
    QTRY_VERIFY((box = started.window->findChild<QMessageBox*>()) && box->isVisible());
    QCOMPARE(box->text(), u"Грешка при изпълнение"_s);
    QVERIFY2(box->informativeText().contains(u"часовникът не отговаря"), qPrintable(box->informativeText()));
    QCOMPARE(started.text2(), QString());
    box->accept();
    // The lists were filled before the clock failed: a date can still be picked and calculated.
    started.pick(1, u"9"_s);
    started.pick(2, u"2014"_s);
    started.pick(0, u"9"_s);
    started.pressCalculate();
    QCOMPARE(started.text2(), u"9-9-2014"_s);
    QCOMPARE(int(started.window->phaseIndex()), 4);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
