#include "ui/main_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>

#include "ui/accessible_names.h"
#include "ui/control_kinds.h"
#include "ui/exclusive_radio_button.h"
#include "ui/focus_line_edit.h"
#include "ui/focus_ring.h"
#include "ui/link_label.h"
#include "ui/pictures.h"
#include "ui/pressable_label.h"

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr QSize kStartOuterSize{622, 668};
// The frame the form was drawn for; see visibleArea().
constexpr int kDesignedFrameWidth = 3;

constexpr Qt::WindowFlags kFixedFrameFlags = Qt::Window | Qt::CustomizeWindowHint |
                                             Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                             Qt::WindowCloseButtonHint;

// Centred on the whole primary screen, taskbars included, in integer
// arithmetic: a screen smaller than the window gives negative coordinates,
// which stay.
QPoint startPosition(QSize outer) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {};
    const QRect area = screen->geometry();
    return {area.x() + (area.width() - outer.width()) / 2,
            area.y() + (area.height() - outer.height()) / 2};
}

template <typename Control>
Control* place(const QString& name, const QRect& rect, Control* control) {
    control->setObjectName(name);
    control->setGeometry(rect);
    return control;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, kFixedFrameFlags), outerSize_(kStartOuterSize) {
    setWindowTitle(u"Tavrin古文转换"_s);
    setWindowIcon(QIcon(u":/assets/icon.png"_s));
    // The window shows the button face; the controls that have no
    // background of their own take it over.
    QPalette colors = palette();
    colors.setBrush(QPalette::Window, colors.button());
    setPalette(colors);

    buildControls();
    applyOuterSize();
    move(startPosition(outerSize_));
}

void MainWindow::buildControls() {
    QList<QWidget*> focusStops;
    const auto stop = [&focusStops](auto* control) {
        focusStops.append(control);
        return control;
    };

    // Creation order is the focus order.
    QWidget* source = stop(place(u"编辑框1"_s, {14, 33, 151, 199}, makeMultiLineBox(this)));
    place(u"标签1"_s, {18, 6, 96, 24}, makeTextLabel(u"欲转换文本："_s, this));
    stop(place(u"编辑框3"_s, {170, 206, 67, 24}, makeSingleLineBox(this)))->setText(u"5"_s);
    place(u"标签2"_s, {175, 178, 56, 16}, makeTextLabel(u"每列字数："_s, this));
    stop(place(u"转换"_s, {173, 36, 64, 28}, makePushButton(u"古文转换"_s, this)));
    stop(place(u"编辑框2"_s, {251, 33, 160, 199}, makeMultiLineBox(this)));
    place(u"标签3"_s, {252, 9, 96, 24}, makeTextLabel(u"转换后文本："_s, this));
    stop(place(u"按钮2"_s, {15, 241, 143, 24}, makePushButton(u"粘贴到上"_s, this)));
    stop(place(u"按钮3"_s, {252, 241, 138, 24}, makePushButton(u"复制以上"_s, this)));
    stop(place(u"选择框1"_s, {173, 104, 72, 24}, makeCheckBox(u"去除空格"_s, false, this)));
    stop(place(u"选择框2"_s, {172, 158, 72, 16}, makeCheckBox(u"全角"_s, true, this)));
    stop(place(u"按钮4"_s, {398, 241, 24, 24}, makePushButton(u"->"_s, this)));

    QGroupBox* decoration = place(u"分组框1"_s, {436, 13, 80, 220}, makeGroupBox(this));
    stop(place(u"单选框1"_s, {11, 61, 56, 24}, makeRadioButton(u"↑型"_s, true, decoration)));
    stop(place(u"单选框2"_s, {11, 104, 56, 16}, makeRadioButton(u"¤型"_s, false, decoration)));
    stop(place(u"单选框3"_s, {11, 146, 56, 16}, makeRadioButton(u"自定义"_s, false, decoration)));
    stop(place(u"编辑框4"_s, {11, 177, 56, 24}, makeFocusReportingBox(decoration)));
    place(u"美化"_s, {16, 27, 48, 16}, new LinkLabel(u"美化"_s, decoration));

    stop(place(u"按钮1"_s, {435, 241, 24, 24}, makePushButton(u"<-"_s, this)));
    stop(place(u"斜字"_s, {173, 71, 64, 24}, makePushButton(u"生成斜字"_s, this)));
    stop(place(u"选择框3"_s, {173, 129, 64, 24}, makeCheckBox(u"繁体"_s, true, this)));

    showJpegPicture(place(u"图片框1"_s, {0, 272, 288, 376}, makePictureBox(this)),
                    u":/assets/painting.jpg"_s, PictureFit::NaturalSize);
    showJpegPicture(place(u"图片框2"_s, {288, 272, 328, 168}, makePictureBox(this)),
                    u":/assets/badge.jpg"_s, PictureFit::Stretched);
    place(u"分组框2"_s, {616, 440, 120, 100}, makeGroupBox(this));
    playAnimation(place(u"图片框3"_s, {364, 449, 200, 168}, makePictureBox(this)),
                  u":/assets/banner.gif"_s);

    // Last, so it lies above every control.
    edgeCover_ = new QWidget(this);
    edgeCover_->setObjectName(u"edgeCover"_s);
    edgeCover_->setAutoFillBackground(true);

    new FocusRing(this, focusStops);  // owned by the window
    setAccessibleNames(*this);
    source->setFocus(Qt::OtherFocusReason);
}

int MainWindow::outerWidth() const { return frameGeometry().width(); }

void MainWindow::setOuterWidth(int width) {
    outerSize_.setWidth(width);
    applyOuterSize();
}

QRect MainWindow::visibleArea() const {
    const int designedWidth = outerSize_.width() - 2 * kDesignedFrameWidth;
    return {0, 0, std::clamp(designedWidth, 0, width()), height()};
}

QMargins MainWindow::frameMargins() const {
    const QWindow* handle = windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

// The outer size is what is fixed, but Qt sizes the client area; the frame
// is known only once the window manager has framed the window, and may
// change later, so the client size is derived again whenever it does.
void MainWindow::applyOuterSize() {
    appliedFrame_ = frameMargins();
    setFixedSize(outerSize_.width() - appliedFrame_.left() - appliedFrame_.right(),
                 outerSize_.height() - appliedFrame_.top() - appliedFrame_.bottom());

    const QRect visible = visibleArea();
    edgeCover_->setGeometry(visible.right() + 1, 0, width() - visible.width(), height());
    edgeCover_->setVisible(visible.width() < width());
}

bool MainWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    switch (event->type()) {
        case QEvent::Polish:
            emit created();
            break;
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
            if (frameMargins() != appliedFrame_) applyOuterSize();
            break;
        default:
            break;
    }
    return handled;
}

// The focus ring moves the focus on Tab itself. Qt would also move it on
// Shift+Tab and on the arrow keys over push buttons and check boxes, which
// this window does not do.
bool MainWindow::focusNextPrevChild(bool /*next*/) { return true; }
