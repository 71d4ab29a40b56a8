// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowkit.h"
#include "phase/phase_table.h"

#include <QAccessible>
#include <QApplication>

using namespace Qt::StringLiterals;

using namespace menivor;
using namespace menivor::qt;

namespace {

QString AccessibleName(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

} // namespace

// What assistive technology and a keyboard-only user get.
class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { started_ = {}; }
    void names_data();
    void names();
    void displayNameFollowsThePhase();
    void keyboardOnly();

private:
    Started started_;
};

void TestAccessibility::init()
{
    started_ = StartOn(QDate(2014, 9, 9));
    started_.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(started_.window.get()));
}

void TestAccessibility::names_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("day list") << "List1(0)" << u"Ден"_s;
    QTest::newRow("month list") << "List1(1)" << u"Месец"_s;
    QTest::newRow("year list") << "List1(2)" << u"Година"_s;
    QTest::newRow("button") << "Command1" << u"Изчисли"_s;
    QTest::newRow("date box") << "Text2" << u"Дата"_s;
    QTest::newRow("description box") << "Text1(0)" << u"Описание"_s;
    QTest::newRow("cycle diagram") << "Picture1(0)" << u"Лунен цикъл"_s;
    QTest::newRow("display, full moon at start") << "Picture1(9)" << u"Пълнолуние"_s;
    QTest::newRow("title") << "Label1(0)" << u"Физика (Астрономия) - фази на Луната"_s;
}

void TestAccessibility::names()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QCOMPARE(AccessibleName(started_.control(qPrintable(control))), name);
    QAccessibleInterface* diagram = QAccessible::queryAccessibleInterface(started_.control("Picture1(0)"));
    QVERIFY(diagram->text(QAccessible::Description).contains(u"новолуние горе"));
}

void TestAccessibility::displayNameFollowsThePhase()
{
    QWidget* display = started_.control("Picture1(9)");
    for (auto [day, phase] : {std::pair{"2", 2}, {"16", 6}, {"24", 0}, {"9", 4}}) {
        started_.pick(0, QString::fromLatin1(day));
        started_.pressCalculate();
        const auto name = PhaseNameOf(std::int16_t(phase)).value();
        QCOMPARE(AccessibleName(display), QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
}

void TestAccessibility::keyboardOnly()
{
    // Tab from the description to the month list, Home for January, Tab to the year list, End
    // for 2079, Shift+Tab twice back to the day list, five times Down for day 5, Shift+Tab to
    // the button, Space: 5 January 2079.
    started_.control("Text1(0)")->setFocus();
    for (int i = 0; i < 4; ++i)
        PressKey(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), started_.control("List1(1)"));
    PressKey(Qt::Key_Home);
    PressKey(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), started_.control("List1(2)"));
    PressKey(Qt::Key_End);
    PressKey(Qt::Key_Tab, Qt::ShiftModifier);
    PressKey(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), started_.control("List1(0)"));
    QCOMPARE(started_.list(0)->ListIndex(), std::int16_t(-1)); // the picks cleared the day
    for (int i = 0; i < 5; ++i)
        PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), started_.control("Command1"));
    PressKey(Qt::Key_Space);
    QCOMPARE(started_.text2(), u"1-5-2079"_s);
    const auto expected = DescriptionOf(started_.form().phaseIndex()).value();
    QCOMPARE(started_.description(), QString::fromUtf8(expected.data(), qsizetype(expected.size())));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
