#include "ui/control_kinds.h"

#include <QCheckBox>
#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>

#include <limits>

#include "ui/exclusive_radio_button.h"
#include "ui/focus_line_edit.h"
#include "ui/pressable_label.h"

namespace {

void useBlackText(QWidget* control) {
    QPalette colors = control->palette();
    colors.setColor(QPalette::WindowText, Qt::black);
    control->setPalette(colors);
}

// Qt paints a selection in an unfocused box with the inactive highlight;
// making that invisible hides the selection until the box has the focus
// again, without dropping it.
void useEditColors(QWidget* box) {
    QPalette colors = box->palette();
    colors.setColor(QPalette::Base, Qt::white);
    colors.setColor(QPalette::Text, Qt::black);
    colors.setBrush(QPalette::Inactive, QPalette::Highlight, Qt::white);
    colors.setBrush(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
    box->setPalette(colors);
}

void setUpSingleLineBox(QLineEdit* box) {
    box->setMaxLength(std::numeric_limits<int>::max());
    useEditColors(box);
}

}  // namespace

QPlainTextEdit* makeMultiLineBox(QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    useEditColors(box);
    return box;
}

QLineEdit* makeSingleLineBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    setUpSingleLineBox(box);
    return box;
}

FocusLineEdit* makeFocusReportingBox(QWidget* parent) {
    auto* box = new FocusLineEdit(parent);
    setUpSingleLineBox(box);
    return box;
}

QPushButton* makePushButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QCheckBox* makeCheckBox(const QString& text, bool checked, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setChecked(checked);
    useBlackText(box);
    return box;
}

ExclusiveRadioButton* makeRadioButton(const QString& text, bool checked, QWidget* parent) {
    auto* button = new ExclusiveRadioButton(text, parent);
    button->setChecked(checked);
    useBlackText(button);
    return button;
}

QLabel* makeTextLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    useBlackText(label);
    return label;
}

QGroupBox* makeGroupBox(QWidget* parent) {
    auto* box = new QGroupBox(parent);
    box->setFlat(false);
    return box;
}

PressableLabel* makePictureBox(QWidget* parent) {
    auto* box = new PressableLabel(parent);
    box->setFrameShape(QFrame::NoFrame);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return box;
}
