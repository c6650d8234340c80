#pragma once
// Decodes a JPEG (JFIF) picture with libjpeg's decompression interface.

#include <QByteArray>
#include <QImage>

// A null image when the data is not a JPEG libjpeg can decode to RGB. Never
// ends the process: libjpeg's own error handler would call exit().
QImage decodeJpeg(const QByteArray& data);
