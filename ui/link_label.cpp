#include "ui/link_label.h"

#include <QColor>
#include <QPalette>

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : PressableLabel(parent) {
    setText(text);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    setTextColor(normalColor());
}

QColor LinkLabel::normalColor() { return {0, 0, 255}; }

QColor LinkLabel::hoverColor() { return {51, 153, 254}; }

void LinkLabel::enterEvent(QEnterEvent* event) {
    setTextColor(hoverColor());
    PressableLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
    setTextColor(normalColor());
    PressableLabel::leaveEvent(event);
}

void LinkLabel::setTextColor(const QColor& color) {
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, color);
    setPalette(colors);
}
