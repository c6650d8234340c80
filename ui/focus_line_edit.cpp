#include "ui/focus_line_edit.h"

#include <QFocusEvent>

FocusLineEdit::FocusLineEdit(QWidget* parent) : QLineEdit(parent) {}

void FocusLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Closing the box's own context menu hands the focus back without the
    // box ever having lost it from the user's point of view.
    if (event->reason() != Qt::PopupFocusReason) emit focusReceived();
}
