#pragma once
// The program's one window: a fixed form whose controls never move, appear
// or vanish; only its outer width changes. Controls are found by their form
// names (objectName), e.g. findChild<QPlainTextEdit*>("编辑框1").

#include <QMargins>
#include <QRect>
#include <QSize>
#include <QWidget>

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);

    // Width with the window manager's frame; 622 at start.
    [[nodiscard]] int outerWidth() const;
    // Keeps the left and top edges and the outer height; does not activate
    // the window or change its stacking order.
    void setOuterWidth(int width);

    // The part of the client area the user can see. The form was drawn for
    // a frame of 3 pixels on each side; where the real frame is thinner, the
    // strip beyond that width is covered with the background colour, so the
    // same controls are out of sight at every width whatever the frame.
    [[nodiscard]] QRect visibleArea() const;

    // Raised once, after every control exists and before the window shows.
    Q_SIGNAL void created();

  protected:
    bool event(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    void buildControls();
    void applyOuterSize();
    [[nodiscard]] QMargins frameMargins() const;

    QSize outerSize_;
    QMargins appliedFrame_;
    QWidget* edgeCover_ = nullptr;
};
