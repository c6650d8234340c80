#pragma once
// Puts the window's pictures into their boxes. A picture that cannot be
// decoded leaves its box empty, so it shows the window's background and
// still takes mouse presses.

#include <QString>

class QLabel;

enum class PictureFit {
    NaturalSize,  // unscaled from the box's top-left corner, clipped at its edges
    Stretched,    // scaled to the box's width and height, aspect ratio not kept
};

// Decodes a JPEG file (or Qt resource) with libjpeg. False when it cannot.
bool showJpegPicture(QLabel* box, const QString& path, PictureFit fit);

// Plays an animated GIF at natural size for as long as the box exists. It
// repeats as often as the file's loop count says (the banner's: for ever).
// False when the file is not a readable animation.
bool playAnimation(QLabel* box, const QString& path);
