#pragma once
// Tab moves the keyboard focus through a fixed list of controls, in list
// order, wrapping from the last to the first. A control is skipped while it
// is disabled or hidden; one that is merely scrolled or clipped out of sight
// still takes the focus. Only a plain Tab does this: Shift+Tab and friends
// reach the focused control as ordinary keys, and Tab is never typed into a
// multi-line box.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

class FocusRing : public QObject {
    Q_OBJECT
  public:
    // Watches the keys of window and of every stop; all must outlive nothing
    // but the ring, which is a child of window.
    FocusRing(QWidget* window, const QList<QWidget*>& stops);

    // The stop after from (the first one when from is not a stop), or null
    // when no stop can take the focus.
    [[nodiscard]] QWidget* nextStop(const QWidget* from) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QList<QPointer<QWidget>> stops_;
};
