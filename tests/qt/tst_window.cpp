// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowkit.h"
#include "platform/qt/application.h"
#include "phase/phase_table.h"
#include "window/designed_texts.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QScrollBar>
#include <QTranslator>

using namespace Qt::StringLiterals;

using namespace menivor;
using namespace menivor::qt;

// The window as it is built: every control's place, look, text and lock.
class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { started_ = {}; }
    void controls_data();
    void controls();
    void fixedSize();
    void tabOrder();
    void focusStartsInTheDescription();
    void colours_data();
    void colours();
    void buttonShowsFocusAndPress();
    void sunkenPictureFrames();
    void fonts();
    void designedTexts();
    void lockedAgainstKeys_data();
    void lockedAgainstKeys();
    void lockedAgainstMouseAndDrops_data();
    void lockedAgainstMouseAndDrops();
    void lockedAgainstAssistiveEdits_data();
    void lockedAgainstAssistiveEdits();
    void readingStillWorks();
    void contextMenuOffersNoEdits_data();
    void contextMenuOffersNoEdits();
    void hiddenControlsStayHidden();
    void mousePickAndPress_data();
    void mousePickAndPress();
    void keyboardPresses_data();
    void keyboardPresses();
    void onlyTheShownPictureIsDecoded();
    void errorIsShownInAMessageBox();
    void qtTextsFollowTheLocale();
    void readingStartsAtTheTop();
    void darkDesktopSchemeChangesNothing();
    void focusIsFramed();
    void codeMovesNoFocusMark();

private:
    Started started_;
};

void TestWindow::initTestCase()
{
    // Under the locale matrix: the toolkit's locale follows LC_ALL, right-to-left ones included.
    const QByteArray lcAll = qgetenv("LC_ALL");
    if (lcAll.contains('_'))
        QCOMPARE(QLocale::system().name(), QString::fromLatin1(lcAll.left(lcAll.indexOf('.'))));
    started_ = StartOn(QDate(2014, 9, 9));
    started_.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(started_.window.get()));
}

void TestWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry"); // pixels
    QTest::addColumn<bool>("shown");
    const auto row = [](const char* name, int x, int y, int w, int h, bool shown) {
        QTest::newRow(name) << QString::fromLatin1(name) << QRect(x, y, w, h) << shown;
    };
    row("Label1(0)", 64, 0, 337, 25, true);
    row("Label2(0)", 272, 32, 57, 25, true);
    row("Label2(1)", 336, 32, 57, 25, true);
    row("Label2(2)", 400, 32, 57, 25, true);
    row("List1(0)", 272, 56, 57, 80, true);
    row("List1(1)", 336, 56, 57, 80, true);
    row("List1(2)", 400, 56, 57, 80, true);
    row("Text2", 272, 176, 89, 33, true);
    row("Command1", 376, 176, 81, 33, true);
    row("Picture1(0)", 8, 32, 254, 251, true);
    row("Picture1(9), showing the full moon", 344, 216, 56, 59, true);
    row("Text1(0)", 8, 296, 449, 121, true);
}

void TestWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(bool, shown);
    const QString control = name.section(u',', 0, 0);
    QWidget* widget = started_.control(qPrintable(control));
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->isVisible(), shown);
}

void TestWindow::fixedSize()
{
    MenivorWindow* window = started_.window.get();
    QCOMPARE(window->size(), QSize(464, 424));
    QCOMPARE(window->minimumSize(), QSize(464, 424));
    QCOMPARE(window->maximumSize(), QSize(464, 424));
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(window->windowTitle().endsWith(u" Астрономия - лунен месец, фази"));
    QVERIFY(window->windowTitle().startsWith(u"https://"));
    window->resize(600, 500);
    QCOMPARE(window->size(), QSize(464, 424));
}

void TestWindow::tabOrder()
{
    const QStringList expected = {"Text1(0)", "Text2", "Command1", "List1(0)", "List1(1)", "List1(2)",
                                  "Text1(0)"};
    started_.control("Text1(0)")->setFocus();
    QStringList visited = {QApplication::focusWidget()->objectName()};
    for (int step = 1; step < expected.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void TestWindow::focusStartsInTheDescription()
{
    Started fresh = StartOn(QDate(2014, 9, 9));
    fresh.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(fresh.window.get()));
    QCOMPARE(QApplication::focusWidget(), fresh.control("Text1(0)"));
}

void TestWindow::colours_data()
{
    QTest::addColumn<QPoint>("where");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("window, right of the title") << QPoint(430, 10) << QColor(192, 192, 255);
    QTest::newRow("window, between the lists") << QPoint(332, 100) << QColor(192, 192, 255);
    QTest::newRow("title label's corner") << QPoint(66, 2) << QColor(255, 192, 128);
    QTest::newRow("day caption's corner") << QPoint(273, 33) << QColor(255, 192, 128);
    QTest::newRow("button face") << QPoint(380, 180) << QColor(0, 255, 0);
    QTest::newRow("button face, lower right") << QPoint(452, 204) << QColor(0, 255, 0);
}

void TestWindow::colours()
{
    QFETCH(QPoint, where);
    QFETCH(QColor, colour);
    started_.control("Text1(0)")->setFocus();
    const QImage image = started_.window->grab().toImage();
    QCOMPARE(image.pixelColor(where), colour);
}

void TestWindow::buttonShowsFocusAndPress()
{
    auto* button = started_.control<QPushButton>("Command1");
    started_.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(started_.window.get()));
    started_.control("Text1(0)")->setFocus();
    const QPoint insideTheThinBorder = button->geometry().topLeft() + QPoint(1, 1);
    QCOMPARE(started_.window->grab().toImage().pixelColor(insideTheThinBorder), QColor(0, 255, 0));
    button->setFocus();
    QCOMPARE(started_.window->grab().toImage().pixelColor(insideTheThinBorder), QColor(0, 0, 0));
    button->setDown(true);
    const QPoint face = button->geometry().topLeft() + QPoint(5, 5);
    const QColor pressed = started_.window->grab().toImage().pixelColor(face);
    button->setDown(false);
    // A darker green while pressed.
    QVERIFY2(pressed.green() < 200 && pressed.green() > 100 + std::max(pressed.red(), pressed.blue()),
             qPrintable(pressed.name()));
    QVERIFY(started_.window->grab().toImage().pixelColor(face).green() > 230);
}

void TestWindow::sunkenPictureFrames()
{
    // Two frame pixels on every side of the display, then the picture's black sky.
    const QImage image = started_.window->grab().toImage();
    const QRect display = started_.control("Picture1(9)")->geometry();
    const int y = display.center().y();
    const QColor back(192, 192, 255);
    for (int x : {display.left(), display.left() + 1, display.right(), display.right() - 1})
        QVERIFY2(image.pixelColor(x, y) != back && image.pixelColor(x, y).value() > 40, qPrintable(QString::number(x)));
    // Sunken: the top and left lines are darker than the bottom and right ones.
    QVERIFY(image.pixelColor(display.left(), y).value() < image.pixelColor(display.right(), y).value());
    QVERIFY(image.pixelColor(display.left() + 1, y).value() < image.pixelColor(display.right() - 1, y).value());
    // The picture starts inside the frame: its sky is black.
    QVERIFY(image.pixelColor(display.left() + 2, display.top() + 2).value() < 40);
}

void TestWindow::fonts()
{
    for (QWidget* widget : started_.window->findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty() || widget->objectName().startsWith(u"qt_"))
            continue;
        const QFontInfo info(widget->font());
        QVERIFY2(info.family() == u"Liberation Serif" || info.family() == u"Times New Roman",
                 qPrintable(widget->objectName() + u": "_s + info.family()));
        QCOMPARE(info.pixelSize(), 16);
        QVERIFY(!info.bold() && !info.italic());
    }
}

void TestWindow::designedTexts()
{
    QString shown = ToQString(ReadingText);
    shown.replace(u"\r\n"_s, u"\n"_s);
    QCOMPARE(started_.description(), shown);
    QVERIFY(started_.description().startsWith(u"Луната е единствения естествен спътник на Земята."));
    QString quotation = ToQString(QuotationText);
    quotation.replace(u"\r\n"_s, u"\n"_s);
    QCOMPARE(ToQString(started_.window->Controls().Text1[1]->Text()).replace(u"\r\n"_s, u"\n"_s), quotation);
}

void TestWindow::lockedAgainstKeys_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    for (const char* box : {"Text2", "Text1(0)"}) {
        const auto row = [box](const char* what, Qt::Key key, Qt::KeyboardModifiers modifiers) {
            QTest::addRow("%s, %s", box, what) << QString::fromLatin1(box) << int(key) << int(modifiers);
        };
        row("typing", Qt::Key_X, {});
        row("Ctrl+V", Qt::Key_V, Qt::ControlModifier);
        row("Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier);
        row("Ctrl+X", Qt::Key_X, Qt::ControlModifier);
        row("Shift+Delete", Qt::Key_Delete, Qt::ShiftModifier);
        row("Backspace", Qt::Key_Backspace, {});
        row("Delete", Qt::Key_Delete, {});
        row("Enter", Qt::Key_Return, {});
        row("Ctrl+Z", Qt::Key_Z, Qt::ControlModifier);
    }
}

void TestWindow::lockedAgainstKeys()
{
    QFETCH(QString, box);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QApplication::clipboard()->setText(u"ЗЛО"_s);
    QWidget* widget = started_.control(qPrintable(box));
    widget->setFocus();
    const QString before = box == u"Text2" ? started_.text2() : started_.description();
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier); // select all, so that cuts would cut
    QTest::keyClick(widget, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(box == u"Text2" ? started_.text2() : started_.description(), before);
}

void TestWindow::lockedAgainstMouseAndDrops_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("Text2") << "Text2";
    QTest::newRow("Text1(0)") << "Text1(0)";
}

void TestWindow::lockedAgainstMouseAndDrops()
{
    QFETCH(QString, box);
    QWidget* widget = started_.control(qPrintable(box));
    QWidget* target = box == u"Text2" ? widget : static_cast<QPlainTextEdit*>(widget)->viewport();
    const auto now = [&] { return box == u"Text2" ? started_.text2() : started_.description(); };
    const QString before = now();
    if (QApplication::clipboard()->supportsSelection())
        QApplication::clipboard()->setText(u"ЗЛО"_s, QClipboard::Selection);
    QTest::mouseClick(target, Qt::MiddleButton, {}, QPoint(10, 10));
    QCOMPARE(now(), before);
    QMimeData data;
    data.setText(u"ЗЛО"_s);
    const QPointF at(10, 10);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    QCOMPARE(now(), before);
    QVERIFY(!widget->acceptDrops());
}

void TestWindow::lockedAgainstAssistiveEdits_data()
{
    lockedAgainstMouseAndDrops_data();
}

void TestWindow::lockedAgainstAssistiveEdits()
{
    // Assistive technology edits through the accessible interface, past read-only.
    QFETCH(QString, box);
    QWidget* widget = started_.control(qPrintable(box));
    const auto now = [&] { return box == u"Text2" ? started_.text2() : started_.description(); };
    const QString before = now();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    if (QAccessibleEditableTextInterface* editable = accessible->editableTextInterface()) {
        editable->insertText(0, u"ЗЛО"_s);
        QCOMPARE(now(), before);
        editable->deleteText(0, 3);
        QCOMPARE(now(), before);
        editable->replaceText(0, 3, u"ЗЛО"_s);
        QCOMPARE(now(), before);
    }
    accessible->setText(QAccessible::Value, u"ЗЛО"_s);
    QCOMPARE(now(), before);
}

void TestWindow::readingStillWorks()
{
    auto* description = started_.control<QPlainTextEdit>("Text1(0)");
    description->setFocus();
    QTest::keyClick(description, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(description, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), started_.description());
    // The reading is longer than the box: it scrolls.
    QScrollBar* bar = description->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    bar->setValue(bar->maximum());
    QCOMPARE(bar->value(), bar->maximum());
    auto* date = started_.control<QLineEdit>("Text2");
    date->setFocus();
    QTest::keyClick(date, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(date, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), u"09-09-2014"_s);
}

void TestWindow::contextMenuOffersNoEdits_data()
{
    lockedAgainstMouseAndDrops_data();
}

void TestWindow::contextMenuOffersNoEdits()
{
    QFETCH(QString, box);
    QWidget* widget = started_.control(qPrintable(box));
    std::unique_ptr<QMenu> menu(box == u"Text2" ? static_cast<QLineEdit*>(widget)->createStandardContextMenu()
                                                : static_cast<QPlainTextEdit*>(widget)->createStandardContextMenu());
    bool canCopy = false;
    for (QAction* action : menu->actions()) {
        const QString name = action->objectName();
        if (name == u"edit-copy" || action->text().startsWith(u"&Copy"))
            canCopy = true;
        if (name == u"edit-paste" || name == u"edit-cut" || name == u"edit-delete" || name == u"edit-undo"
            || name == u"edit-redo")
            QVERIFY2(!action->isEnabled() || !action->isVisible(), qPrintable(name));
    }
    QVERIFY(canCopy);
}

void TestWindow::hiddenControlsStayHidden()
{
    // The phase pictures' boxes and the quotation are never shown: they are no widgets, so
    // they can neither appear nor be offered by a screen reader, whatever the user does.
    started_.pick(1, u"4"_s);
    started_.pick(0, u"30"_s);
    started_.pressCalculate();
    for (const char* name : {"Picture1(1)", "Picture1(2)", "Picture1(3)", "Picture1(4)", "Picture1(5)",
                             "Picture1(6)", "Picture1(7)", "Picture1(8)", "Text1(1)"})
        QVERIFY2(!started_.window->findChild<QWidget*>(QString::fromLatin1(name)), name);
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(started_.window.get());
    QVERIFY(window);
    QStringList names;
    for (int i = 0; i < window->childCount(); ++i) {
        const QObject* child = window->child(i)->object();
        if (!child || child->objectName() == u"FocusFrame") // decoration, with nothing to say
            continue;
        if (child->objectName() == u"Announcement") { // what screen readers were told of the press
            QCOMPARE(window->child(i)->role(), QAccessible::Notification);
            continue;
        }
        QVERIFY2(!window->child(i)->state().invisible, qPrintable(child->objectName()));
        names << child->objectName();
    }
    names.sort();
    QCOMPARE(names, QStringList({u"Command1"_s, u"Label1(0)"_s, u"Label2(0)"_s, u"Label2(1)"_s, u"Label2(2)"_s,
                                 u"List1(0)"_s, u"List1(1)"_s, u"List1(2)"_s, u"Picture1(0)"_s,
                                 u"Picture1(9)"_s, u"Text1(0)"_s, u"Text2"_s}));
    // The form still reaches them: the quotation and the phase pictures.
    QVERIFY(started_.window->Controls().Text1[1]->Text().starts_with(u"Неприятното"));
    QVERIFY(started_.displayShows(started_.form().phaseIndex() + 1));
}

void TestWindow::mousePickAndPress_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<int>("index");
    QTest::newRow("first quarter") << "2" << "9" << "2014" << "9-2-2014" << 2;
    QTest::newRow("full moon: the display widens") << "9" << "9" << "2014" << "9-9-2014" << 4;
}

void TestWindow::mousePickAndPress()
{
    // The real lists report the user's picks to the form, the real button its press; the
    // display shows the phase box's very pixmap and takes its size, its corner fixed.
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, text2);
    QFETCH(int, index);
    Started started = StartOn(QDate(2014, 9, 24));
    started.pick(1, month);
    started.pick(2, year);
    started.pick(0, day);
    started.pressCalculate();
    QCOMPARE(started.text2(), text2);
    QCOMPARE(started.description(), QString::fromUtf8(DescriptionOf(std::int16_t(index)).value()));
    QVERIFY(started.displayShows(index + 1));
    QCOMPARE(started.picture(9)->Pixmap().cacheKey(), started.pixmapOf(index + 1).cacheKey());
    QCOMPARE(started.picture(9)->geometry(), QRect(344, 216, index == 4 ? 56 : 50, 59));
}

void TestWindow::keyboardPresses_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void TestWindow::keyboardPresses()
{
    QFETCH(int, key);
    Started started = StartOn(QDate(2014, 9, 9));
    started.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(started.window.get()));
    auto* button = started.control<QPushButton>("Command1");
    button->setFocus();
    QTest::keyClick(button, Qt::Key(key));
    QCOMPARE(started.text2(), u"9-9-2014"_s);
    QCOMPARE(started.description(), QString::fromUtf8(DescriptionOf(4).value()));
}

void TestWindow::onlyTheShownPictureIsDecoded()
{
    // Start-up decodes the cycle and today's phase; the other phases wait until they are shown.
    Started started = StartOn(QDate(2014, 9, 9)); // full moon: Picture1(5)
    QVERIFY(started.pictureOf(0).Decoded());
    QVERIFY(started.pictureOf(5).Decoded()); // what the display shows
    for (int slot : {1, 2, 3, 4, 6, 7, 8})
        QVERIFY(!started.pictureOf(slot).Decoded());
}

void TestWindow::errorIsShownInAMessageBox()
{
    Started started = Start(std::make_unique<FailingClock>());
    QMessageBox* box = nullptr;
    QTRY_VERIFY((box = started.window->findChild<QMessageBox*>()) && box->isVisible());
    QCOMPARE(box->text(), u"Грешка при изпълнение"_s);
    QVERIFY2(box->informativeText().contains(u"часовникът не отговаря"), qPrintable(box->informativeText()));
    box->accept();
    started.pick(0, u"9"_s);
    started.pressCalculate();
    QCOMPARE(started.text2(), u"1-9-1980"_s);
}

void TestWindow::qtTextsFollowTheLocale()
{
    // Under the Bulgarian locale (a row of the locale matrix) the context menu speaks Bulgarian.
    QTranslator translator;
    const bool installed = Application::InstallToolkitTexts(translator);
    if (QLocale().language() != QLocale::Bulgarian) {
        QCoreApplication::removeTranslator(&translator);
        QSKIP("the locale is not Bulgarian");
    }
    QVERIFY(installed);
    std::unique_ptr<QMenu> menu(started_.control<QPlainTextEdit>("Text1(0)")->createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << action->text().remove(u'&').section(u'\t', 0, 0);
    QCoreApplication::removeTranslator(&translator);
    QVERIFY2(texts.contains(u"Копиране"_s), qPrintable(texts.join(u", ")));
    QVERIFY2(texts.contains(u"Избиране на всичко"_s), qPrintable(texts.join(u", ")));
}

void TestWindow::readingStartsAtTheTop()
{
    // The description box has the focus at start: its caret and its view at the beginning, so
    // that the first Down reads the second line; the same after a press.
    Started started = StartOn(QDate(2014, 9, 9));
    auto* box = started.control<QPlainTextEdit>("Text1(0)");
    QCOMPARE(box->textCursor().position(), 0);
    QCOMPARE(box->verticalScrollBar()->value(), 0);
    started.pressCalculate();
    QCOMPARE(box->textCursor().position(), 0);
}

void TestWindow::darkDesktopSchemeChangesNothing()
{
    // A dark desktop scheme: light text on dark faces for every widget class.
    const QPalette original = QApplication::palette();
    QPalette dark;
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase})
        dark.setColor(role, QColor(30, 30, 30));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(240, 240, 240));
    dark.setColor(QPalette::Highlight, QColor(200, 200, 0));
    QApplication::setPalette(dark);
    QApplication::setPalette(dark, "QListView");
    Started started = StartOn(QDate(2014, 9, 9));
    const QImage grabbed = started.window->grab().toImage();
    QApplication::setPalette(original);
    QApplication::setPalette(original, "QListView");
    const struct {
        const char* name;
        QColor face, text;
    } expected[] = {{"Label2(0)", QColor(255, 192, 128), Qt::black}, {"List1(0)", Qt::white, Qt::black},
                    {"Text2", Qt::white, Qt::black}, {"Text1(0)", Qt::white, Qt::black}};
    for (const auto& control : expected) {
        const QPalette palette = started.control(control.name)->palette();
        const bool label = QByteArray(control.name).startsWith("Label");
        QCOMPARE(palette.color(label ? QPalette::Window : QPalette::Base), control.face);
        QCOMPARE(palette.color(label ? QPalette::WindowText : QPalette::Text), control.text);
    }
    QCOMPARE(started.list(0)->palette().color(QPalette::Highlight), QColor(0, 84, 166));
    QCOMPARE(grabbed.pixelColor(430, 10), QColor(192, 192, 255)); // the window's face
    QCOMPARE(grabbed.pixelColor(300, 150), QColor(192, 192, 255));
}

void TestWindow::focusIsFramed()
{
    // Every control that takes the focus gets the frame just outside it, in the focus colour.
    Started started = StartOn(QDate(2014, 9, 9));
    started.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(started.window.get()));
    auto* frame = started.window->findChild<QWidget*>(u"FocusFrame"_s);
    QVERIFY(frame);
    for (const char* name : {"Text1(0)", "Text2", "Command1", "List1(0)", "List1(1)", "List1(2)"}) {
        QWidget* control = started.control(name);
        control->setFocus();
        QTRY_VERIFY2(frame->isVisible() && frame->geometry() == control->geometry().adjusted(-3, -3, 3, 3), name);
        const QImage grabbed = started.window->grab().toImage();
        const QPoint outside = control->geometry().topLeft() + QPoint(control->width() / 2, -2);
        QCOMPARE(grabbed.pixelColor(outside), QColor(170, 0, 0));
    }
}

void TestWindow::codeMovesNoFocusMark()
{
    // Calculate picks day 1 in a day list the user is not in: the list's current (keyboard)
    // entry does not move, so nothing tells assistive technology that the entry has the focus;
    // tabbing into the list then starts from the picked day.
    Started started = StartOn(QDate(2014, 9, 9));
    started.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(started.window.get()));
    started.pick(1, u"8"_s);
    auto* button = started.control<QPushButton>("Command1");
    button->setFocus();
    ListBox* days = started.list(0);
    QVERIFY(!days->currentIndex().isValid());
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(started.selected(0), u"1"_s);
    QVERIFY(!days->currentIndex().isValid());
    days->setFocus();
    QCOMPARE(days->currentRow(), 0);
    QTest::keyClick(days, Qt::Key_Down);
    QCOMPARE(started.selected(0), u"2"_s);
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
