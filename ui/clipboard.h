#pragma once
// The system clipboard in plain-text form, through the same code page 936
// boundary as the edit boxes.

#include "text/gbk_text.h"

// The plain text on the clipboard up to its first NUL; the empty text when
// the clipboard holds no text (nothing, or only a picture).
guwen::GbkText readClipboardText();

// Replaces everything the clipboard held by the text, also by an empty one.
// CR LF pairs go out as they are.
void writeClipboardText(const guwen::GbkText& text);
