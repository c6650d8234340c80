#include "ui/pressable_label.h"

#include <QMouseEvent>
#include <QMovie>
#include <QPainter>

PressableLabel::PressableLabel(QWidget* parent) : QLabel(parent) {}

void PressableLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        event->accept();
        emit pressed();
        return;
    }
    QLabel::mousePressEvent(event);
}

void PressableLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    // QWidget's default turns the second press of a double click into one
    // more press; here a double click is a double click and does nothing.
    event->accept();
}

void PressableLabel::paintEvent(QPaintEvent* event) {
    const QMovie* animation = movie();
    if (animation == nullptr) {
        QLabel::paintEvent(event);
        return;
    }
    // Natural size from the top-left corner, clipped at the box's edges.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(contentsRect().topLeft(), animation->currentPixmap());
}
