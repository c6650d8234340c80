#pragma once
// Reads and writes the whole text of an edit box as code page 936 bytes. The
// commands see line breaks only as CR LF, whatever the widget keeps inside.

#include "text/gbk_text.h"

class QWidget;

// Works on a QPlainTextEdit or a QLineEdit (or subclasses); any other widget
// reads as the empty text and ignores a write.
guwen::GbkText readBoxText(const QWidget* box);

// Replaces the whole content. Only text signals follow; no click, no focus.
void writeBoxText(QWidget* box, const guwen::GbkText& text);
