// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phase/runtime_error.h"
#include "platform/clock.h"
#include "platform/conversions.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

using namespace menivor;

namespace {

class FixedClock final : public Clock {
public:
    explicit FixedClock(QDate date) : date_(date) {}
    QDate Today() const override { return date_; }

private:
    QDate date_;
};

template <class Call>
int KindThrownBy(Call&& call)
{
    try {
        call();
    } catch (const RuntimeError& error) {
        return int(error.kind());
    }
    return -1;
}

} // namespace

class TestConversions : public QObject {
    Q_OBJECT

private slots:
    void halfEven_data();
    void halfEven();
    void numericValue_data();
    void numericValue();
    void numericValueOverflow();
    void slice_data();
    void slice();
    void badSlice();
    void numberText_data();
    void numberText();
    void dateText_data();
    void dateText();
    void dateTextOutsideFourDigits();
};

void TestConversions::halfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected"); // a value outside 16 bits means Overflow
    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("2.5000001") << 2.5000001 << 3;
    QTest::newRow("-0.5") << -0.5 << 0;
    QTest::newRow("-1.5") << -1.5 << -2;
    QTest::newRow("-2.4") << -2.4 << -2;
    QTest::newRow("8 (a September month index)") << 8.0 << 8;
    QTest::newRow("32767.4") << 32767.4 << 32767;
    QTest::newRow("32767.5") << 32767.5 << 32768;
    QTest::newRow("-32768.5") << -32768.5 << -32768;
    QTest::newRow("-32768.6") << -32768.6 << -32769;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 99999;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 99999;
}

void TestConversions::halfEven()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    if (expected >= -32768 && expected <= 32767)
        QCOMPARE(int(ToInt16HalfEven(value)), expected);
    else
        QCOMPARE(KindThrownBy([&] { ToInt16HalfEven(value); }), int(ErrorKind::Overflow));
}

void TestConversions::numericValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("12") << "12" << 12.0;
    QTest::newRow("09") << "09" << 9.0;
    QTest::newRow("2014x") << "2014x" << 2014.0;
    QTest::newRow("x1") << "x1" << 0.0;
    QTest::newRow("blank first") << " 7" << 0.0;
    QTest::newRow("sign") << "-7" << 0.0;
    QTest::newRow("decimal point stops") << "3.7" << 3.0;
    QTest::newRow("exponent stops") << "1e5" << 1.0;
    QTest::newRow("slice of a date") << "09-" << 9.0;
    QTest::newRow("Arabic-Indic digit") << u"\u0669"_s << 0.0;
    QTest::newRow("fullwidth digit") << u"\uFF19"_s << 0.0;
}

void TestConversions::numericValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(NumericValueOf(text), value);
}

void TestConversions::numericValueOverflow()
{
    QCOMPARE(NumericValueOf(QString(300, u'9')), 1e300);
    QCOMPARE(KindThrownBy([] { NumericValueOf(QString(400, u'9')); }), int(ErrorKind::Overflow));
}

void TestConversions::slice_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("slice");
    QTest::newRow("month") << "09-24-2014" << 1 << 2 << "09";
    QTest::newRow("day") << "09-24-2014" << 4 << 2 << "24";
    QTest::newRow("year") << "09-24-2014" << 7 << 4 << "2014";
    QTest::newRow("clipped at the end") << "09-24-2014" << 9 << 4 << "14";
    QTest::newRow("past the end") << "09-24" << 7 << 4 << "";
    QTest::newRow("empty text") << "" << 1 << 2 << "";
    QTest::newRow("count 0") << "abc" << 2 << 0 << "";
    QTest::newRow("Cyrillic counts characters") << u"Ден 9"_s << 5 << 1 << "9";
}

void TestConversions::slice()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, count);
    QFETCH(QString, slice);
    QCOMPARE(SliceOf(text, start, count), slice);
}

void TestConversions::badSlice()
{
    QCOMPARE(KindThrownBy([] { SliceOf(u"abc", 0, 1); }), int(ErrorKind::InvalidPropertyValue));
    QCOMPARE(KindThrownBy([] { SliceOf(u"abc", 1, -1); }), int(ErrorKind::InvalidPropertyValue));
}

void TestConversions::numberText_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("1") << 1 << "1";
    QTest::newRow("9, no leading zero") << 9 << "9";
    QTest::newRow("31") << 31 << "31";
    QTest::newRow("1980") << 1980 << "1980";
    QTest::newRow("2079") << 2079 << "2079";
}

void TestConversions::numberText()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(NumberText(value), text);
    QCOMPARE(KindThrownBy([] { NumberText(-1); }), int(ErrorKind::InvalidPropertyValue));
}

void TestConversions::dateText_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("9 September 2014") << QDate(2014, 9, 9) << "09-09-2014";
    QTest::newRow("24 September 2014") << QDate(2014, 9, 24) << "09-24-2014";
    QTest::newRow("leap day 2016") << QDate(2016, 2, 29) << "02-29-2016";
    QTest::newRow("31 December 2079") << QDate(2079, 12, 31) << "12-31-2079";
    QTest::newRow("year 5") << QDate(5, 1, 2) << "01-02-0005";
}

void TestConversions::dateText()
{
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(DateTextOf(FixedClock(date).Today()), text);
    const QString now = DateTextOf(SystemClock().Today());
    QCOMPARE(now.size(), 10);
    QCOMPARE(now, QDate::currentDate().toString(u"MM-dd-yyyy"));
}

void TestConversions::dateTextOutsideFourDigits()
{
    for (QDate date : {QDate(), QDate(-1, 1, 1), QDate(10000, 1, 1)})
        QCOMPARE(KindThrownBy([&] { DateTextOf(date); }), int(ErrorKind::InvalidPropertyValue));
}

QTEST_APPLESS_MAIN(TestConversions)
#include "tst_conversions.moc"
