// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the Qt window's tests share: a clock to start the window on a given day, and ways to
// reach and use its controls as a user would.

#include "phase/runtime_error.h"
#include "../core/clocks.h"
#include "platform/qt/colourbutton.h"
#include "platform/qt/picturebox.h"
#include "platform/qt/textbox.h"
#include "platform/qt/listbox.h"
#include "platform/qt/menivorwindow.h"
#include "platform/qt/text.h"

#include <QDate>
#include <QPushButton>
#include <QTest>

#include <memory>

// A started window with its clock.
struct Started {
    std::unique_ptr<menivor::Clock> clock;
    std::unique_ptr<menivor::qt::MenivorWindow> window;

    template <class T = QWidget>
    T* control(const char* name) const
    {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    menivor::qt::ListBox* list(int index) const
    {
        return control<menivor::qt::ListBox>(qPrintable(QStringLiteral("List1(%1)").arg(index)));
    }
    menivor::qt::PictureBox* picture(int slot) const
    {
        return control<menivor::qt::PictureBox>(qPrintable(QStringLiteral("Picture1(%1)").arg(slot)));
    }
    QString selected(int index) const { return menivor::qt::ToQString(list(index)->List(list(index)->ListIndex())); }
    QString text2() const { return control<QLineEdit>("Text2")->text(); }
    QString description() const { return control<QPlainTextEdit>("Text1(0)")->toPlainText(); }
    const menivor::Menivor& form() const { return window->Form(); }
    // Any picture box as the form sees it, the hidden ones (which are no widgets) included.
    menivor::PictureControl& pictureControl(int slot) const
    {
        return *window->Controls().Picture1.at(std::size_t(slot));
    }
    const menivor::qt::QtPicture& pictureOf(int slot) const
    {
        return static_cast<const menivor::qt::QtPicture&>(*pictureControl(slot).GetPicture());
    }
    // The picture a box holds, decoded (a hidden box never decodes it by itself).
    QPixmap pixmapOf(int slot) const { return pictureOf(slot).Pixmap(); }
    // The display shows the very picture object of the phase's box.
    bool displayShows(int slot) const { return pictureControl(9).GetPicture() == pictureControl(slot).GetPicture(); }

    // Clicks the entry that shows text, scrolling it into view first, as a user would.
    void pick(int index, const QString& text) const
    {
        menivor::qt::ListBox* box = list(index);
        QListWidgetItem* item = box->findItems(text, Qt::MatchExactly).value(0);
        if (!item)
            qFatal("no entry %s", qPrintable(text));
        box->scrollToItem(item);
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(item).center());
    }
    void pressCalculate() const
    {
        auto* button = control<QPushButton>("Command1");
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
};

inline Started Start(std::unique_ptr<menivor::Clock> clock, bool show = true)
{
    Started started{std::move(clock), nullptr};
    started.window = std::make_unique<menivor::qt::MenivorWindow>(*started.clock);
    if (show) {
        started.window->show();
        if (!QTest::qWaitForWindowExposed(started.window.get()))
            qFatal("the window was not shown");
    }
    return started;
}

inline Started StartOn(QDate date, bool show = true)
{
    const std::chrono::year_month_day today{std::chrono::year{date.year()}, std::chrono::month{unsigned(date.month())},
                                            std::chrono::day{unsigned(date.day())}};
    return Start(std::make_unique<FixedClock>(today), show);
}
