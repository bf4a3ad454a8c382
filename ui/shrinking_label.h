// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include <QLabel>

namespace zifrano::ui {

/// A one-line label that keeps a long text whole: when the text is wider than the room the
/// label gives it, the font shrinks in small steps until it fits, down to kSmallestPointSize,
/// and the text is its hint too.
class ShrinkingLabel : public QLabel {
    Q_OBJECT

public:
    // Only the longest wordings get this small: in the wordings' labels at 7.5 points, those
    // up to the limit need no less than 4.75, the longest beyond it, which only a paste brings,
    // need 4.
    static constexpr double kSmallestPointSize = 4.0;

    explicit ShrinkingLabel(QWidget* parent = nullptr);

    /// Shows `text`, at the label's own font size when it fits.
    void showText(const QString& text);

    /// What a screen reader announces before the text: "<prefix>: <text>".
    void setAccessibleNamePrefix(const QString& prefix);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitFont();
    bool fits(const QFont& font) const;

    void updateAccessibleName();

    bool m_fitting = false;
    QString m_accessibleNamePrefix;
};

} // namespace zifrano::ui
