// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowkit.h"
#include "phase/phase.h"
#include "phase/phase_table.h"

#include <QMessageBox>

using namespace Qt::StringLiterals;

using namespace menivor;

namespace {

QString Described(int index)
{
    const auto description = DescriptionOf(std::int16_t(index)).value();
    return QString::fromUtf8(description.data(), qsizetype(description.size()));
}

} // namespace

// Pressing "Изчисли": the date text, the phase picture and the description.
class TestCalculate : public QObject {
    Q_OBJECT

private slots:
    void init() { started_ = StartOn(QDate(2014, 9, 9)); }
    void cleanup() { started_ = {}; }
    void pickedDates_data();
    void pickedDates();
    void dayOneAfterAMonthPick();
    void aPickedDayStays();
    void twoPressesAgree();
    void keyboardPresses_data();
    void keyboardPresses();
    void brokenEntryIsReportedAndUndone();
    void everyDayOfTheLists();

private:
    Started started_;
};

void TestCalculate::pickedDates_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<int>("index");
    QTest::newRow("first quarter") << "2" << "9" << "2014" << "9-2-2014" << 2;
    QTest::newRow("last quarter") << "15" << "9" << "2014" << "9-15-2014" << 6;
    QTest::newRow("first day, 8 characters") << "1" << "1" << "1980" << "1-1-1980" << 4;
    QTest::newRow("last day, 10 characters") << "31" << "12" << "2079" << "12-31-2079" << 2;
    QTest::newRow("new moon") << "24" << "9" << "2014" << "9-24-2014" << 0;
    QTest::newRow("leap day 2000") << "29" << "2" << "2000" << "2-29-2000" << -1;
}

void TestCalculate::pickedDates()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, text2);
    QFETCH(int, index);
    if (index < 0)
        index = PhaseOfDate(DateValueOfText(text2.toStdString()));
    started_.pick(1, month);
    started_.pick(2, year);
    started_.pick(0, day);
    started_.pressCalculate();
    QCOMPARE(started_.text2(), text2);
    QCOMPARE(int(started_.window->phaseIndex()), index);
    QVERIFY(started_.displayShows(index + 1));
    QCOMPARE(started_.description(), Described(index));
    // The display follows its picture: wider only for the full moon; its corner stays.
    QCOMPARE(started_.picture(9)->geometry(), QRect(344, 216, index == 4 ? 56 : 50, 59));
}

void TestCalculate::dayOneAfterAMonthPick()
{
    started_.pick(1, u"8"_s);
    started_.pick(1, u"9"_s);
    QCOMPARE(started_.list(0)->ListIndex(), std::int16_t(-1));
    started_.pressCalculate();
    QCOMPARE(started_.text2(), u"9-1-2014"_s);
    QCOMPARE(started_.selected(0), u"1"_s); // the day used is shown as picked
}

void TestCalculate::aPickedDayStays()
{
    started_.pick(1, u"3"_s);
    started_.pick(0, u"5"_s);
    started_.pressCalculate();
    QCOMPARE(started_.text2(), u"3-5-2014"_s);
    QCOMPARE(started_.selected(0), u"5"_s);
    QCOMPARE(started_.list(0)->ListCount(), std::int16_t(31));
    // A click on the month or year already selected is no new pick: the day stays picked.
    started_.pick(1, u"3"_s);
    started_.pick(2, u"2014"_s);
    QCOMPARE(started_.selected(0), u"5"_s);
}

void TestCalculate::twoPressesAgree()
{
    started_.pick(0, u"16"_s);
    started_.pressCalculate();
    const QString text2 = started_.text2();
    const QString description = started_.description();
    const qint64 picture = started_.picture(9)->Picture().cacheKey();
    started_.pressCalculate();
    QCOMPARE(started_.text2(), text2);
    QCOMPARE(started_.description(), description);
    QCOMPARE(started_.picture(9)->Picture().cacheKey(), picture);
    QCOMPARE(text2, u"9-16-2014"_s);
}

void TestCalculate::keyboardPresses_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void TestCalculate::keyboardPresses()
{
    QFETCH(int, key);
    started_.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(started_.window.get()));
    auto* button = started_.control<QPushButton>("Command1");
    button->setFocus();
    QTest::keyClick(button, Qt::Key(key));
    QCOMPARE(started_.text2(), u"9-9-2014"_s);
    QCOMPARE(started_.description(), Described(4));
}

void TestCalculate::brokenEntryIsReportedAndUndone()
{
    // A month entry that names no month: the composed text is no date.
    started_.pick(0, u"2"_s);
    started_.pressCalculate();
    const QString description = started_.description();
    started_.list(1)->item(8)->setText(u"13"_s);
    started_.pressCalculate();
    QMessageBox* box = nullptr;
    QTRY_VERIFY((box = started_.window->findChild<QMessageBox*>()) && box->isVisible());
    QVERIFY2(box->informativeText().contains(u"„13-2-2014“"), qPrintable(box->informativeText()));
    // Nothing is left half-done: the date box, picture and description are as before the press.
    QCOMPARE(started_.text2(), u"9-2-2014"_s);
    QCOMPARE(started_.description(), description);
    QVERIFY(started_.displayShows(3));
    QCOMPARE(int(started_.window->phaseIndex()), 2);
    box->accept();
    started_.list(1)->item(8)->setText(u"9"_s);
    started_.pressCalculate();
    QCOMPARE(started_.text2(), u"9-2-2014"_s);
}

void TestCalculate::everyDayOfTheLists()
{
    // Every date the lists offer, through the window, against the phase model.
    auto* button = started_.control<QPushButton>("Command1");
    int days = 0;
    for (std::int16_t year = 0; year < 100; ++year) {
        started_.list(2)->SetListIndex(year);
        for (std::int16_t month = 0; month < 12; ++month) {
            started_.list(1)->SetListIndex(month);
            for (std::int16_t day = 0; day < started_.list(0)->ListCount(); ++day, ++days) {
                started_.list(0)->SetListIndex(day);
                button->click();
                const QString expected = QStringLiteral("%1-%2-%3").arg(month + 1).arg(day + 1).arg(1980 + year);
                const int index = PhaseOfDate(DateValueOfText(expected.toStdString()));
                if (started_.text2() != expected || started_.window->phaseIndex() != index
                    || !started_.displayShows(index + 1) || started_.description() != Described(index))
                    QFAIL(qPrintable(u"wrong on "_s + expected));
            }
        }
    }
    QCOMPARE(days, 36525);
}

QTEST_MAIN(TestCalculate)
#include "tst_calculate.moc"
