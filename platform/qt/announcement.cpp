// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/announcement.h"

#include <QAccessibleWidget>

namespace menivor::qt {

namespace {

QAccessibleInterface* NotificationFor(const QString& className, QObject* object)
{
    if (className == QLatin1String(Announcement::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcement::Announcement(QWidget* parent)
    : QWidget(parent)
{
    // Qt asks its factories for an accessible object of each widget: this one is a notification.
    static const bool installed = (QAccessible::installFactory(NotificationFor), true);
    (void)installed;
    setObjectName(QStringLiteral("Announcement"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcement::Tell(const QString& text)
{
    hide();
    setAccessibleName(text);
    show();
}

} // namespace menivor::qt
