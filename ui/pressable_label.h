#pragma once
// A label (text or picture) that reports a press of the left mouse button at
// the moment the button goes down.

#include <QLabel>

class PressableLabel : public QLabel {
    Q_OBJECT
  public:
    explicit PressableLabel(QWidget* parent = nullptr);

    Q_SIGNAL void pressed();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Draws an animation's frame smoothly scaled on a high-density screen,
    // where QLabel would enlarge it pixel by pixel.
    void paintEvent(QPaintEvent* event) override;
};
