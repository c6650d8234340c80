#include "ui/pictures.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMovie>
#include <QPixmap>

#include "ui/jpeg_image.h"

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

}  // namespace

bool showJpegPicture(QLabel* box, const QString& path, PictureFit fit) {
    QImage image = decodeJpeg(readAll(path));
    if (image.isNull()) {
        box->clear();
        return false;
    }
    if (fit == PictureFit::Stretched) {
        // Scaled once, straight to the device pixels of the box, so a
        // high-density screen does not resample it a second time.
        const qreal ratio = box->devicePixelRatioF();
        image = image.scaled(box->size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(ratio);
    }
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setPixmap(QPixmap::fromImage(image));
    return true;
}

bool playAnimation(QLabel* box, const QString& path) {
    auto* movie = new QMovie(path, QByteArrayLiteral("gif"), box);
    // start() decodes the first frame at once; a file that is no GIF or is
    // damaged leaves the movie stopped without a picture.
    movie->start();
    if (!movie->isValid() || movie->currentImage().isNull()) {
        delete movie;
        box->clear();
        return false;
    }
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setMovie(movie);
    return true;
}
