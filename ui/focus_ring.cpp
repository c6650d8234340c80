#include "ui/focus_ring.h"

#include <QKeyEvent>

namespace {

bool isPlainTab(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers blocking =
        Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    return key->key() == Qt::Key_Tab && (key->modifiers() & blocking) == Qt::NoModifier;
}

bool takesFocus(const QWidget* widget) {
    return widget != nullptr && widget->isEnabled() && widget->isVisibleTo(widget->window());
}

}  // namespace

FocusRing::FocusRing(QWidget* window, const QList<QWidget*>& stops) : QObject(window) {
    window->installEventFilter(this);
    for (QWidget* stop : stops) {
        stops_.append(stop);
        stop->installEventFilter(this);
    }
}

QWidget* FocusRing::nextStop(const QWidget* from) const {
    const auto count = stops_.size();
    qsizetype here = -1;
    for (qsizetype i = 0; i < count; ++i) {
        if (stops_.at(i) == from) here = i;
    }
    for (qsizetype step = 1; step <= count; ++step) {
        QWidget* candidate = stops_.at((here + step + count) % count);
        if (takesFocus(candidate)) return candidate;
    }
    return nullptr;
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    if (!isPlainTab(event)) return QObject::eventFilter(watched, event);
    if (QWidget* next = nextStop(qobject_cast<QWidget*>(watched)))
        next->setFocus(Qt::TabFocusReason);
    return true;
}
