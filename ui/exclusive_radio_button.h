#pragma once
// A radio button whose group is the radio buttons of the same parent, with
// the rules this window needs instead of Qt's auto-exclusive ones:
//  - writing a checked state changes that one button only and is always
//    honoured, also unchecking the checked one;
//  - a click (mouse or Space) checks the button and unchecks its siblings,
//    and a click on the checked button keeps it checked;
//  - the arrow keys step through the siblings in creation order, wrapping
//    around, and the button stepped to is clicked and takes the focus.
// Qt's auto-exclusive buttons move by position without wrapping and refuse
// to uncheck the checked button, which is why autoExclusive stays off.

#include <QList>
#include <QRadioButton>

class ExclusiveRadioButton : public QRadioButton {
    Q_OBJECT
  public:
    explicit ExclusiveRadioButton(const QString& text, QWidget* parent = nullptr);

  protected:
    void nextCheckState() override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    [[nodiscard]] QList<ExclusiveRadioButton*> group() const;
    void stepTo(int offset);
};
