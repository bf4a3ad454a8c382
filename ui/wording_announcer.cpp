// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "wording_announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace zifrano::ui {
namespace {

// The announcer is a status bar holding the notification: a screen reader then speaks the
// notification's text alone, without calling it a notification at every keystroke.
QAccessibleInterface* announcerInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(WordingAnnouncer::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar);
    }
    if (className == QLatin1String("QWidget") &&
        qobject_cast<WordingAnnouncer*>(object->parent())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

WordingAnnouncer::WordingAnnouncer(QWidget* parent)
    : QWidget(parent)
    , m_notification(new QWidget(this)) {
    static const bool installed = (QAccessible::installFactory(announcerInterface), true);
    Q_UNUSED(installed);
    // Nothing to see, click or focus: it exists for screen readers alone.
    setFixedSize(0, 0);
    m_notification->setFixedSize(0, 0);
}

void WordingAnnouncer::announce(const QString& text) {
    m_notification->setAccessibleName(text);
    // Hidden and shown in the same turn of the event loop: nothing repaints in between, and a
    // screen reader is told that the notification appeared.
    if (m_notification->isVisible()) {
        m_notification->hide();
        m_notification->show();
    }
}

} // namespace zifrano::ui
