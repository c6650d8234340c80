#pragma once
// One factory per kind of control, each giving the settings every control of
// that kind shares; places, names and initial states belong to the form.

#include <QString>

class ExclusiveRadioButton;
class FocusLineEdit;
class PressableLabel;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// Both scroll bars always shown, no wrapping, black on white, the selection
// hidden while the box lacks the focus.
QPlainTextEdit* makeMultiLineBox(QWidget* parent);

// Any characters, no length limit (QLineEdit cuts at 32,767 by default).
QLineEdit* makeSingleLineBox(QWidget* parent);
FocusLineEdit* makeFocusReportingBox(QWidget* parent);

// Never a default button: Enter does not press it.
QPushButton* makePushButton(const QString& text, QWidget* parent);

QCheckBox* makeCheckBox(const QString& text, bool checked, QWidget* parent);

// One exclusive group per parent; see ExclusiveRadioButton.
ExclusiveRadioButton* makeRadioButton(const QString& text, bool checked, QWidget* parent);

// Plain black text on the window's background, one line, vertically centred.
QLabel* makeTextLabel(const QString& text, QWidget* parent);

// An etched frame without a title.
QGroupBox* makeGroupBox(QWidget* parent);

// No border, the normal arrow pointer, the window's background where its
// picture does not reach.
PressableLabel* makePictureBox(QWidget* parent);
