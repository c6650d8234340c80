#include "ui/exclusive_radio_button.h"

#include <QKeyEvent>

ExclusiveRadioButton::ExclusiveRadioButton(const QString& text, QWidget* parent)
    : QRadioButton(text, parent) {
    setAutoExclusive(false);
}

QList<ExclusiveRadioButton*> ExclusiveRadioButton::group() const {
    if (parentWidget() == nullptr) return {const_cast<ExclusiveRadioButton*>(this)};
    return parentWidget()->findChildren<ExclusiveRadioButton*>(Qt::FindDirectChildrenOnly);
}

void ExclusiveRadioButton::nextCheckState() {
    for (ExclusiveRadioButton* sibling : group()) {
        if (sibling != this) sibling->setChecked(false);
    }
    setChecked(true);
}

void ExclusiveRadioButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Right:
        case Qt::Key_Down:
            stepTo(1);
            break;
        case Qt::Key_Left:
        case Qt::Key_Up:
            stepTo(-1);
            break;
        default:
            QRadioButton::keyPressEvent(event);
            return;
    }
    event->accept();
}

void ExclusiveRadioButton::stepTo(int offset) {
    const QList<ExclusiveRadioButton*> members = group();
    const qsizetype count = members.size();
    const qsizetype here = members.indexOf(this);
    if (count == 0 || here < 0) return;
    ExclusiveRadioButton* target = members.at((here + offset + count) % count);
    // click() unchecks the siblings, checks the target and then emits
    // clicked, so a command bound to it sees the new state.
    target->click();
    target->setFocus(Qt::OtherFocusReason);
}
