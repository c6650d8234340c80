#pragma once
// The one place where Qt's UTF-16 text meets the code page 936 bytes of the
// engine. The edit boxes and the clipboard both go through it, so a text
// survives a trip through either in the same way.

#include <QString>

#include <string_view>

#include "text/gbk_text.h"

// False when this Qt has no GBK converter (a build without ICU); the program
// cannot show or read Chinese text then and refuses to start.
bool gbkCodecAvailable();

// Characters outside code page 936 and lone surrogates become "?". The
// invisible ones that Unicode calls default-ignorable (zero-width spaces and
// joiners, variation selectors, the soft hyphen, the byte order mark) are
// dropped instead, as the converter drops them: a "?" for each would only
// clutter a pasted text. NUL characters are dropped too, since a GbkText
// never holds a NUL byte.
guwen::GbkText toGbk(const QString& text);

// Invalid byte sequences, including a lead byte left alone at the very end,
// become U+FFFD, so no byte vanishes without a trace.
QString fromGbk(std::string_view bytes);
