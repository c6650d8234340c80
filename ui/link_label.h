#pragma once
// The label that looks like a web link: blue text, lighter under the mouse
// pointer, a pointing hand, no underline. It opens nothing by itself; its
// press is bound like a button's click.

#include "ui/pressable_label.h"

class LinkLabel : public PressableLabel {
    Q_OBJECT
  public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    static QColor normalColor();
    static QColor hoverColor();

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void setTextColor(const QColor& color);
};
