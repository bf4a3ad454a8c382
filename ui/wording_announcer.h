// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

namespace zifrano::ui {

/// An empty, zero-size widget that a screen reader sees as a status bar holding a notification
/// named after the last text announced. Each announcement shows the notification anew: screen
/// readers speak a notification that appears even while the focus stays elsewhere, whereas a
/// change of the focused field's own name or description reaches some of them as the object
/// instead of the text.
class WordingAnnouncer : public QWidget {
    Q_OBJECT

public:
    explicit WordingAnnouncer(QWidget* parent = nullptr);

    /// Names the notification `text` and shows it again, so that it is spoken.
    void announce(const QString& text);

private:
    QWidget* m_notification;
};

} // namespace zifrano::ui
