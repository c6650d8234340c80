#include "ui/web_links.h"

#include <QDesktopServices>
#include <QUrl>

void openWebAddress(const QString& address) {
    // The desktop's own "open" action shows the page in the default browser
    // and reports failures itself; the window stays as it is either way.
    static_cast<void>(QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode)));
}

void openBannerLink(const QString& address) { openWebAddress(address); }
