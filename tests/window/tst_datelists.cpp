// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/listbox.h"
#include "plainlist.h"
#include "window/datelists.h"

#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

using namespace menivor;

namespace {

// Three date lists wired to the date-list logic, either in memory or as widgets.
struct Trio {
    virtual ~Trio() = default;
    DateListArray lists{};
    ListControl& day() { return *lists[DayList]; }
    ListControl& month() { return *lists[MonthList]; }
    ListControl& year() { return *lists[YearList]; }
    QStringList dayEntries() const
    {
        QStringList entries;
        for (std::int16_t i = 0; i < lists[DayList]->ListCount(); ++i)
            entries << lists[DayList]->List(i);
        return entries;
    }
    // Picks the entry showing text, as a user would where the lists are widgets.
    virtual void pick(std::int16_t list, const QString& text) = 0;
};

struct PlainTrio : Trio {
    PlainList plain[3];
    PlainTrio()
    {
        for (std::int16_t i = 0; i < 3; ++i) {
            lists[std::size_t(i)] = &plain[i];
            plain[i].onClick = [this, i] { DateListClick(lists, i); };
        }
    }
    void pick(std::int16_t list, const QString& text) override
    {
        lists[std::size_t(list)]->SetListIndex(std::int16_t(plain[list].entries().indexOf(text)));
    }
};

struct WidgetTrio : Trio {
    QWidget window;
    ListBox* boxes[3];
    WidgetTrio()
    {
        for (std::int16_t i = 0; i < 3; ++i) {
            boxes[i] = new ListBox(&window);
            boxes[i]->setGeometry(60 * i, 0, 57, 80); // the window's size: a few entries show
            lists[std::size_t(i)] = boxes[i];
            boxes[i]->SetClickHandler([this, i] { DateListClick(lists, i); });
        }
        window.show();
    }
    void pick(std::int16_t list, const QString& text) override
    {
        ListBox* box = boxes[list];
        QListWidgetItem* item = box->findItems(text, Qt::MatchExactly).value(0);
        QVERIFY(item);
        box->scrollToItem(item);
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(item).center());
    }
};

std::unique_ptr<Trio> MakeTrio(bool widgets)
{
    if (widgets)
        return std::make_unique<WidgetTrio>();
    return std::make_unique<PlainTrio>();
}

QStringList Numbers(int from, int to)
{
    QStringList numbers;
    for (int n = from; n <= to; ++n)
        numbers << QString::number(n);
    return numbers;
}

} // namespace

class TestDateLists : public QObject {
    Q_OBJECT

private slots:
    void dayCount_data();
    void dayCount();
    void afterFilling_data() { bothKinds(); }
    void afterFilling();
    void february_data();
    void february();
    void monthLengths_data();
    void monthLengths();
    void leapDayLostOnYearChange_data() { bothKinds(); }
    void leapDayLostOnYearChange();
    void sameLengthStillRefills_data() { bothKinds(); }
    void sameLengthStillRefills();
    void dayPickChangesNothing_data() { bothKinds(); }
    void dayPickChangesNothing();
    void refillIsNested_data() { bothKinds(); }
    void refillIsNested();

private:
    static void bothKinds()
    {
        QTest::addColumn<bool>("widgets");
        QTest::newRow("in memory") << false;
        QTest::newRow("widgets") << true;
    }
};

void TestDateLists::dayCount_data()
{
    QTest::addColumn<double>("month");
    QTest::addColumn<double>("year");
    QTest::addColumn<int>("days");
    QTest::newRow("no month selected") << 0.0 << 1980.0 << 0;
    QTest::newRow("month 13") << 13.0 << 1980.0 << 0;
    QTest::newRow("January, no year selected") << 1.0 << 0.0 << 31;
    QTest::newRow("February, no year selected") << 2.0 << 0.0 << 29;
    QTest::newRow("February 2000") << 2.0 << 2000.0 << 29;
    QTest::newRow("February 2079") << 2.0 << 2079.0 << 28;
    QTest::newRow("November") << 11.0 << 2014.0 << 30;
}

void TestDateLists::dayCount()
{
    QFETCH(double, month);
    QFETCH(double, year);
    QFETCH(int, days);
    QCOMPARE(DayCountOf(month, year), days);
}

void TestDateLists::afterFilling()
{
    QFETCH(bool, widgets);
    auto trio = MakeTrio(widgets);
    FillDateLists(trio->lists);
    QCOMPARE(trio->day().ListCount(), std::int16_t(31));
    QCOMPARE(trio->month().ListCount(), std::int16_t(12));
    QCOMPARE(trio->year().ListCount(), std::int16_t(100));
    QCOMPARE(trio->day().ListIndex(), std::int16_t(-1));
    QCOMPARE(trio->month().List(trio->month().ListIndex()), u"1"_s);
    QCOMPARE(trio->year().List(trio->year().ListIndex()), u"1980"_s);
    QCOMPARE(trio->dayEntries(), Numbers(1, 31)); // "1" to "9", never "01"
    QCOMPARE(trio->year().List(99), u"2079"_s);
}

void TestDateLists::february_data()
{
    QTest::addColumn<bool>("widgets");
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("days");
    for (bool widgets : {false, true}) {
        const char* kind = widgets ? "widgets" : "in memory";
        for (auto [year, days] : {std::pair{"1980", 29}, {"2000", 29}, {"2016", 29},
                                  {"2001", 28}, {"2014", 28}, {"2079", 28}})
            QTest::addRow("%s, %s", kind, year) << widgets << QString::fromLatin1(year) << days;
    }
}

void TestDateLists::february()
{
    QFETCH(bool, widgets);
    QFETCH(QString, year);
    QFETCH(int, days);
    auto trio = MakeTrio(widgets);
    FillDateLists(trio->lists);
    // Year first, then month, and the other way round: the same length either way.
    trio->pick(YearList, year);
    trio->pick(MonthList, u"2"_s);
    QCOMPARE(trio->dayEntries(), Numbers(1, days));
    trio->pick(MonthList, u"1"_s);
    trio->pick(YearList, u"1981"_s);
    trio->pick(MonthList, u"2"_s);
    trio->pick(YearList, year);
    QCOMPARE(trio->dayEntries(), Numbers(1, days));
    QCOMPARE(trio->day().ListIndex(), std::int16_t(-1));
}

void TestDateLists::monthLengths_data()
{
    QTest::addColumn<bool>("widgets");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("days");
    for (bool widgets : {false, true})
        for (int month = 1; month <= 12; ++month)
            if (month != 2)
                QTest::addRow("%s, month %d", widgets ? "widgets" : "in memory", month)
                    << widgets << month
                    << (month == 4 || month == 6 || month == 9 || month == 11 ? 30 : 31);
}

void TestDateLists::monthLengths()
{
    QFETCH(bool, widgets);
    QFETCH(int, month);
    QFETCH(int, days);
    auto trio = MakeTrio(widgets);
    FillDateLists(trio->lists);
    trio->pick(YearList, u"2014"_s);
    trio->pick(MonthList, QString::number(month));
    QCOMPARE(trio->day().ListCount(), std::int16_t(days));
}

void TestDateLists::leapDayLostOnYearChange()
{
    QFETCH(bool, widgets);
    auto trio = MakeTrio(widgets);
    FillDateLists(trio->lists);
    trio->pick(YearList, u"2000"_s);
    trio->pick(MonthList, u"2"_s);
    trio->pick(DayList, u"29"_s);
    QCOMPARE(trio->day().List(trio->day().ListIndex()), u"29"_s);
    trio->pick(YearList, u"2001"_s);
    QCOMPARE(trio->day().ListCount(), std::int16_t(28));
    QCOMPARE(trio->day().ListIndex(), std::int16_t(-1));
}

void TestDateLists::sameLengthStillRefills()
{
    QFETCH(bool, widgets);
    auto trio = MakeTrio(widgets);
    FillDateLists(trio->lists);
    trio->pick(DayList, u"5"_s);
    trio->pick(MonthList, u"3"_s); // 31 days like January
    QCOMPARE(trio->day().ListCount(), std::int16_t(31));
    QCOMPARE(trio->day().ListIndex(), std::int16_t(-1));
}

void TestDateLists::dayPickChangesNothing()
{
    QFETCH(bool, widgets);
    auto trio = MakeTrio(widgets);
    FillDateLists(trio->lists);
    trio->pick(MonthList, u"4"_s);
    trio->pick(DayList, u"30"_s);
    trio->pick(DayList, u"10"_s);
    QCOMPARE(trio->dayEntries(), Numbers(1, 30));
    QCOMPARE(trio->day().List(trio->day().ListIndex()), u"10"_s);
    QCOMPARE(trio->month().List(trio->month().ListIndex()), u"4"_s);
    QCOMPARE(trio->year().List(trio->year().ListIndex()), u"1980"_s);
}

void TestDateLists::refillIsNested()
{
    QFETCH(bool, widgets);
    auto trio = MakeTrio(widgets);
    FillDateLists(trio->lists);
    trio->year().SetListIndex(20);               // 2000
    trio->day().SetListIndex(30);                // day 31 of January
    trio->month().SetListIndex(1);               // February: the refill is done on return
    QCOMPARE(trio->day().ListCount(), std::int16_t(29));
    QCOMPARE(trio->day().ListIndex(), std::int16_t(-1));
}

QTEST_MAIN(TestDateLists)
#include "tst_datelists.moc"
