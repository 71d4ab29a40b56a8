// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/listcontrol.h"

#include <QStringList>

#include <functional>

// An in-memory list with the ListControl contract, for exercising the date-list logic without
// widgets. Counts how often its click handling ran.
class PlainList : public menivor::ListControl {
public:
    std::function<void()> onClick;
    int clicks = 0;

    void Clear() override
    {
        entries_.clear();
        index_ = -1;
    }
    void AddItem(const QString& text) override { entries_.append(text); }
    std::int16_t ListCount() const override { return std::int16_t(entries_.size()); }
    std::int16_t ListIndex() const override { return index_; }
    void SetListIndex(std::int16_t index) override
    {
        if (index < 0 || index >= entries_.size())
            menivor::ThrowBadListIndex(index, ListCount());
        index_ = index;
        ++clicks;
        if (onClick)
            onClick();
    }
    QString List(std::int16_t index) const override
    {
        if (index == -1)
            return {};
        if (index < 0 || index >= entries_.size())
            menivor::ThrowBadListIndex(index, ListCount());
        return entries_[index];
    }
    QStringList entries() const { return entries_; }

private:
    QStringList entries_;
    std::int16_t index_ = -1;
};
