// The pictures: decoded with libjpeg or played by QMovie, shown at natural
// size or stretched, and a picture that cannot be decoded leaves an empty box
// that still takes presses.

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QMovie>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTest>

#include "tests/ui/ui_test_support.h"
#include "ui/jpeg_image.h"
#include "ui/main_window.h"
#include "ui/pictures.h"
#include "ui/pressable_label.h"

using guwen::testing::control;

namespace {

QByteArray resource(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// What a box shows, as the user would see it.
QImage shown(QWidget* box) { return rgb(box->grab().toImage()); }

bool isUniform(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != colour) return false;
        }
    }
    return true;
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

  private slots:
    void decodesLikeQtsOwnJpegReader_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("painting") << QStringLiteral(":/assets/painting.jpg") << QSize(290, 415);
        QTest::newRow("badge") << QStringLiteral(":/assets/badge.jpg") << QSize(124, 65);
    }
    void decodesLikeQtsOwnJpegReader() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QImage decoded = decodeJpeg(resource(path));
        QCOMPARE(decoded.size(), size);

        if (!QImageReader::supportedImageFormats().contains("jpeg"))
            QSKIP("Qt has no JPEG reader to compare with");
        QCOMPARE(rgb(decoded), rgb(QImage(path)));
    }

    void refusesWhatItCannotDecode_data() {
        QTest::addColumn<QByteArray>("data");
        const QByteArray painting = resource(QStringLiteral(":/assets/painting.jpg"));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a picture") << QByteArray("this is not a JPEG at all");
        QTest::newRow("cut inside the header") << painting.left(60);
        QTest::newRow("a GIF") << resource(QStringLiteral(":/assets/banner.gif"));
    }
    void refusesWhatItCannotDecode() {
        QFETCH(QByteArray, data);
        QVERIFY(decodeJpeg(data).isNull());  // and the process is still here
    }

    void survivesDataCutInsideThePixels() {
        const QByteArray painting = resource(QStringLiteral(":/assets/painting.jpg"));
        const QImage image = decodeJpeg(painting.left(painting.size() / 2));
        QCOMPARE(image.size(), QSize(290, 415));
    }

    void paintingShowsAtNaturalSizeClipped() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage painting = rgb(decodeJpeg(resource(QStringLiteral(":/assets/painting.jpg"))));
        // 2 columns at the right and 39 rows at the bottom stay hidden.
        QCOMPARE(shown(control<QWidget>(window, QStringLiteral("图片框1"))),
                 painting.copy(0, 0, 288, 376));
    }

    void badgeIsStretchedOverTheWholeBox() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage badge = decodeJpeg(resource(QStringLiteral(":/assets/badge.jpg")));
        const QImage box = shown(control<QWidget>(window, QStringLiteral("图片框2")));
        QCOMPARE(box.size(), QSize(328, 168));
        QCOMPARE(box, rgb(badge.scaled(328, 168, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    }

    void bannerPlaysFourFramesForEver() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* box = control<QLabel>(window, QStringLiteral("图片框3"));
        QMovie* movie = box->movie();
        QVERIFY(movie != nullptr);
        QCOMPARE(movie->state(), QMovie::Running);
        QCOMPARE(movie->frameCount(), 4);
        QCOMPARE(movie->loopCount(), -1);  // endless
        QCOMPARE(movie->frameRect().size(), QSize(200, 200));

        // The delays as the file gives them: QMovie's nextFrameDelay() is the
        // time left on its running timer, which a loaded machine shortens.
        QImageReader reader(QStringLiteral(":/assets/banner.gif"));
        for (int frame = 0; frame < 4; ++frame) {
            QVERIFY(!reader.read().isNull());
            QCOMPARE(reader.nextImageDelay(), 200);
        }

        movie->setPaused(true);
        for (int frame = 0; frame < 4; ++frame) {
            QVERIFY(movie->jumpToFrame(frame));
            // Natural size: the bottom 32 rows are not shown.
            QCOMPARE(shown(box), rgb(movie->currentImage()).copy(0, 0, 200, 168));
        }
    }

    void undecodablePictureLeavesTheBackgroundAndStillPresses_data() {
        QTest::addColumn<bool>("animated");
        QTest::newRow("JPEG box") << false;
        QTest::newRow("animation box") << true;
    }
    void undecodablePictureLeavesTheBackgroundAndStillPresses() {
        QFETCH(bool, animated);
        QTemporaryFile broken;
        QVERIFY(broken.open());
        broken.write(resource(QStringLiteral(":/assets/painting.jpg")).left(60));
        broken.close();

        QWidget parent;
        parent.resize(300, 300);
        auto* box = new PressableLabel(&parent);
        box->setGeometry(10, 10, 200, 168);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));

        const bool shownOk = animated
                                 ? playAnimation(box, broken.fileName())
                                 : showJpegPicture(box, broken.fileName(), PictureFit::NaturalSize);
        QVERIFY(!shownOk);
        QVERIFY(isUniform(shown(box), parent.palette().color(QPalette::Window).rgb()));

        QSignalSpy presses(box, &PressableLabel::pressed);
        QTest::mousePress(box, Qt::LeftButton);
        QCOMPARE(presses.count(), 1);
    }

    void iconIsTheProgramsOwn32PixelPicture() {
        const QImage icon(QStringLiteral(":/assets/icon.png"));
        QCOMPARE(icon.size(), QSize(32, 32));
        MainWindow window;
        QCOMPARE(window.windowIcon().pixmap(32, 32).toImage().convertToFormat(
                     QImage::Format_ARGB32_Premultiplied),
                 icon.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
