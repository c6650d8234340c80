#pragma once
// The two banner pictures open advertising pages in the default browser.

#include <QString>

// Fixed addresses of the banners: 图片框2 (free call minutes) and 图片框3 (the
// online game).
inline const QString kFirstBannerAddress =
    QStringLiteral("http://voip.example.com/voip/?t=1&id=30946");
inline const QString kSecondBannerAddress =
    QStringLiteral("http://game.example.net/txlink.php?alid=25012");

// Asks the desktop to open the address; the outcome is not reported.
void openWebAddress(const QString& address);

// Every press opens the address again.
void openBannerLink(const QString& address);
