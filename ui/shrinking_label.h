#pragma once

#include <QLabel>

namespace zifrano::ui {

/// A one-line label that keeps a long text whole: when the text is wider than the label, the
/// font shrinks until it fits, down to kSmallestPointSize, below which it is clipped.
class ShrinkingLabel : public QLabel {
    Q_OBJECT

public:
    static constexpr double kSmallestPointSize = 6.0;

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

    void updateAccessibleName();

    bool m_fitting = false;
    QString m_accessibleNamePrefix;
};

} // namespace zifrano::ui
