// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phase/runtime_error.h"
#include "platform/qt/listbox.h"
#include "platform/qt/text.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using namespace Qt::StringLiterals;

using namespace menivor;
using namespace menivor::qt;

// The click-handling contract of the list widget, driven by real mouse and key events.
class TestListBox : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void codeSelectionRunsTheHandlerOnceNested();
    void userSelection_data();
    void userSelection();
    void tabbingInSelectsNothing();
    void clearAndAppendRunNothing();
    void badIndexIsRejected_data();
    void badIndexIsRejected();
    void textOfEntries();

private:
    std::unique_ptr<QWidget> window_;
    QLineEdit* before_ = nullptr;
    ListBox* list_ = nullptr;
    int clicks_ = 0;
    std::int16_t indexSeenByHandler_ = -2;
};

void TestListBox::init()
{
    window_ = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window_.get());
    before_ = new QLineEdit(window_.get());
    list_ = new ListBox(window_.get());
    list_->setFixedHeight(400); // every entry visible, so that each can be clicked
    layout->addWidget(before_);
    layout->addWidget(list_);
    for (int month = 1; month <= 12; ++month)
        list_->AddItem(QString::number(month).toStdU16String());
    clicks_ = 0;
    list_->SetClickHandler([this] {
        ++clicks_;
        indexSeenByHandler_ = list_->ListIndex();
    });
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    before_->setFocus();
}

void TestListBox::cleanup()
{
    window_.reset();
}

void TestListBox::codeSelectionRunsTheHandlerOnceNested()
{
    list_->SetListIndex(4);
    QCOMPARE(clicks_, 1);
    QCOMPARE(indexSeenByHandler_, std::int16_t(4)); // the handler ran with the new selection
    QCOMPARE(list_->ListIndex(), std::int16_t(4));
    // Code that selects the entry already selected still runs it, once.
    list_->SetListIndex(4);
    QCOMPARE(clicks_, 2);
}

void TestListBox::userSelection_data()
{
    QTest::addColumn<int>("startRow"); // -1: nothing selected first
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("endRow");
    QTest::newRow("mouse click on an entry") << 0 << "click 3" << 1 << 3;
    QTest::newRow("mouse click with nothing selected") << -1 << "click 5" << 1 << 5;
    QTest::newRow("double click on an entry") << 0 << "double 6" << 1 << 6;
    QTest::newRow("click on the selected entry") << 3 << "click 3" << 0 << 3;
    QTest::newRow("ctrl+click on the selected entry") << 3 << "ctrl-click 3" << 0 << 3;
    QTest::newRow("ctrl+space on the selected entry") << 3 << "ctrl-space" << 0 << 3;
    QTest::newRow("down") << 3 << "down" << 1 << 4;
    QTest::newRow("up") << 3 << "up" << 1 << 2;
    QTest::newRow("up at the top") << 0 << "up" << 0 << 0;
    QTest::newRow("home") << 5 << "home" << 1 << 0;
    QTest::newRow("end") << 5 << "end" << 1 << 11;
    QTest::newRow("page down") << 0 << "pagedown" << 1 << 11;
    QTest::newRow("typing a number") << 0 << "type 7" << 1 << 6;
}

void TestListBox::userSelection()
{
    QFETCH(int, startRow);
    QFETCH(QString, action);
    QFETCH(int, clicks);
    QFETCH(int, endRow);
    if (startRow >= 0)
        list_->SetListIndex(std::int16_t(startRow));
    list_->setFocus();
    clicks_ = 0;
    const QStringList words = action.split(u' ');
    const auto centreOf = [this](int row) { return list_->visualItemRect(list_->item(row)).center(); };
    if (words[0] == u"click")
        QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, centreOf(words[1].toInt()));
    else if (words[0] == u"double")
        QTest::mouseDClick(list_->viewport(), Qt::LeftButton, {}, centreOf(words[1].toInt()));
    else if (words[0] == u"ctrl-click")
        QTest::mouseClick(list_->viewport(), Qt::LeftButton, Qt::ControlModifier, centreOf(words[1].toInt()));
    else if (words[0] == u"ctrl-space")
        QTest::keyClick(list_, Qt::Key_Space, Qt::ControlModifier);
    else if (words[0] == u"down")
        QTest::keyClick(list_, Qt::Key_Down);
    else if (words[0] == u"up")
        QTest::keyClick(list_, Qt::Key_Up);
    else if (words[0] == u"home")
        QTest::keyClick(list_, Qt::Key_Home);
    else if (words[0] == u"end")
        QTest::keyClick(list_, Qt::Key_End);
    else if (words[0] == u"pagedown")
        QTest::keyClick(list_, Qt::Key_PageDown);
    else if (words[0] == u"type")
        QTest::keyClicks(list_, words[1]);
    QCOMPARE(clicks_, clicks);
    QCOMPARE(int(list_->ListIndex()), endRow);
}

void TestListBox::tabbingInSelectsNothing()
{
    QVERIFY(before_->hasFocus());
    QTest::keyClick(before_, Qt::Key_Tab);
    QVERIFY(list_->hasFocus());
    QCOMPARE(clicks_, 0);
    QCOMPARE(list_->ListIndex(), std::int16_t(-1));
    // The first arrow key picks the first entry, not the second.
    QTest::keyClick(list_, Qt::Key_Down);
    QCOMPARE(clicks_, 1);
    QCOMPARE(list_->ListIndex(), std::int16_t(0));
}

void TestListBox::clearAndAppendRunNothing()
{
    list_->SetListIndex(7);
    list_->setFocus();
    clicks_ = 0;
    list_->Clear();
    QCOMPARE(list_->ListIndex(), std::int16_t(-1));
    QCOMPARE(list_->ListCount(), std::int16_t(0));
    for (int day = 1; day <= 31; ++day)
        list_->AddItem(QString::number(day).toStdU16String());
    QCOMPARE(clicks_, 0);
    QCOMPARE(list_->ListIndex(), std::int16_t(-1));
    QCOMPARE(list_->ListCount(), std::int16_t(31));
}

void TestListBox::badIndexIsRejected_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("-1") << -1;
    QTest::newRow("one past the end") << 12;
    QTest::newRow("largest 16-bit") << 32767;
    QTest::newRow("smallest 16-bit") << -32768;
}

void TestListBox::badIndexIsRejected()
{
    QFETCH(int, index);
    list_->SetListIndex(2);
    clicks_ = 0;
    try {
        list_->SetListIndex(std::int16_t(index));
        QFAIL("accepted a bad index");
    } catch (const RuntimeError& error) {
        QCOMPARE(error.kind(), ErrorKind::InvalidPropertyValue);
    }
    QCOMPARE(clicks_, 0);
    QCOMPARE(list_->ListIndex(), std::int16_t(2));
    QCOMPARE(list_->ListCount(), std::int16_t(12));
}

void TestListBox::textOfEntries()
{
    QVERIFY(list_->List(-1).empty());
    QVERIFY(list_->List(0) == u"1");
    QVERIFY(list_->List(11) == u"12");
    QVERIFY_THROWS_EXCEPTION(RuntimeError, list_->List(12));
}

QTEST_MAIN(TestListBox)
#include "tst_listbox.moc"
