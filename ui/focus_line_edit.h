#pragma once
// A single-line edit box that reports each time it gains the keyboard focus.

#include <QLineEdit>

class FocusLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit FocusLineEdit(QWidget* parent = nullptr);

    Q_SIGNAL void focusReceived();

  protected:
    void focusInEvent(QFocusEvent* event) override;
};
