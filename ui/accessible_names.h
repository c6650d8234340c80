#pragma once
// Names a screen reader speaks for each control. Labels and buttons would
// otherwise be read by their text alone, the edit boxes and pictures not at
// all, and "->" or "<-" say nothing of what they do.

class QWidget;

void setAccessibleNames(QWidget& window);
