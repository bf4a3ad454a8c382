// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "shrinking_label.h"

#include <QEvent>
#include <QFontMetricsF>

namespace zifrano::ui {
namespace {

constexpr double kStep = 0.25;

} // namespace

ShrinkingLabel::ShrinkingLabel(QWidget* parent)
    : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

void ShrinkingLabel::showText(const QString& text) {
    setText(text);
    fitFont();
    updateAccessibleName();
}

void ShrinkingLabel::setAccessibleNamePrefix(const QString& prefix) {
    m_accessibleNamePrefix = prefix;
    updateAccessibleName();
}

void ShrinkingLabel::updateAccessibleName() {
    if (!m_accessibleNamePrefix.isEmpty()) {
        setAccessibleName(m_accessibleNamePrefix + QStringLiteral(": ") + text());
    }
}

void ShrinkingLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    // A font handed down from the window becomes the size to start from.
    if (event->type() == QEvent::FontChange && !m_fitting) {
        fitFont();
    }
}

void ShrinkingLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fitFont();
}

void ShrinkingLabel::fitFont() {
    m_fitting = true;
    setFont(QFont()); // back to the font the label inherits
    QFont font = this->font();
    const double usual = font.pointSizeF();
    double size = usual;
    while (size > kSmallestPointSize && !fits(font)) {
        size = std::max(kSmallestPointSize, size - kStep);
        font.setPointSizeF(size);
    }
    setFont(font);
    // A shrunk text can be read whole, at the usual size, in its hint.
    setToolTip(size < usual ? text() : QString());
    m_fitting = false;
}

bool ShrinkingLabel::fits(const QFont& font) const {
    const QFontMetricsF metrics(font);
    // A framed label with no indent of its own sets its text in by half an "x" of its font.
    int indent = this->indent();
    if (indent < 0 && frameWidth() > 0) {
        indent = QFontMetrics(font).horizontalAdvance(QLatin1Char('x')) / 2 - margin();
    }
    const QRect room =
        contentsRect().adjusted(margin() + std::max(indent, 0), margin(), -margin(), -margin());
    // The last glyph may reach past its advance; both have to stay inside.
    const double width =
        std::max(metrics.horizontalAdvance(text()), metrics.boundingRect(text()).right());
    return width <= room.width() && metrics.height() <= room.height();
}

} // namespace zifrano::ui
