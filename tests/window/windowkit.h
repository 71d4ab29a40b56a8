// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the window tests share: clocks to start the window on a given day, and ways to reach
// and use its controls as a user would.

#include "phase/runtime_error.h"
#include "platform/boxes.h"
#include "platform/clock.h"
#include "platform/listbox.h"
#include "window/menivor.h"

#include <QPushButton>
#include <QTest>

#include <memory>

class FixedClock final : public menivor::Clock {
public:
    explicit FixedClock(QDate date) : date_(date) {}
    QDate Today() const override { return date_; }

private:
    QDate date_;
};

class FailingClock final : public menivor::Clock {
public:
    QDate Today() const override
    {
        throw menivor::RuntimeError(menivor::ErrorKind::InvalidPropertyValue, "часовникът не отговаря");
    }
};

// A started window with its clock.
struct Started {
    std::unique_ptr<menivor::Clock> clock;
    std::unique_ptr<menivor::Menivor> window;

    template <class T = QWidget>
    T* control(const char* name) const
    {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    menivor::ListBox* list(int index) const
    {
        return control<menivor::ListBox>(qPrintable(QStringLiteral("List1(%1)").arg(index)));
    }
    menivor::PictureBox* picture(int slot) const
    {
        return control<menivor::PictureBox>(qPrintable(QStringLiteral("Picture1(%1)").arg(slot)));
    }
    QString selected(int index) const { return list(index)->List(list(index)->ListIndex()); }
    QString text2() const { return control<QLineEdit>("Text2")->text(); }
    QString description() const { return control<QPlainTextEdit>("Text1(0)")->toPlainText(); }
    bool displayShows(int slot) const
    {
        return picture(9)->Picture().cacheKey() == picture(slot)->Picture().cacheKey();
    }

    // Clicks the entry that shows text, scrolling it into view first, as a user would.
    void pick(int index, const QString& text) const
    {
        menivor::ListBox* box = list(index);
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
    started.window = std::make_unique<menivor::Menivor>(*started.clock);
    if (show) {
        started.window->show();
        if (!QTest::qWaitForWindowExposed(started.window.get()))
            qFatal("the window was not shown");
    }
    return started;
}

inline Started StartOn(QDate date, bool show = true)
{
    return Start(std::make_unique<FixedClock>(date), show);
}
