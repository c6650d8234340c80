// The window's outer size, place and width changes, and what stays out of
// sight. Runs on several offscreen screens: 800 x 800 with the platform's
// 2-pixel frame (thinner than the 3 pixels the form was drawn for), and
// 800 x 600 and 1280 x 800 without any frame.

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "tests/ui/ui_test_support.h"
#include "ui/main_window.h"

using guwen::testing::control;

namespace {

QRect placeInWindow(const QWidget* control, const QWidget& window) {
    return {control->mapTo(&window, QPoint(0, 0)), control->size()};
}

// True when no pixel of the rectangle differs from the window's background.
bool showsOnlyBackground(const QImage& shot, const QRect& rect, QRgb background) {
    const QRect inside = rect.intersected(shot.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (shot.pixel(x, y) != background) return false;
        }
    }
    return true;
}

}  // namespace

class WindowFrameTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        window_ = std::make_unique<MainWindow>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void outerSizeIncludesTheFrame() {
        QCOMPARE(window_->frameGeometry().size(), QSize(622, 668));
        QCOMPARE(window_->outerWidth(), 622);
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
    }

    void startsCentredOnTheWholePrimaryScreen() {
        struct Expected {
            QSize screen;
            QPoint topLeft;
        };
        // Integer halves; a screen smaller than the window gives a negative
        // top edge that nothing corrects.
        const Expected table[] = {
            {{800, 600}, {89, -34}}, {{800, 800}, {89, 66}}, {{1280, 800}, {329, 66}}};
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        for (const Expected& row : table) {
            if (row.screen != screen) continue;
            QCOMPARE(window_->frameGeometry().topLeft(), row.topLeft);
            return;
        }
        QSKIP("no expectation for this screen size");
    }

    void outerWidthChangesKeepTheRest_data() {
        QTest::addColumn<int>("width");
        QTest::newRow("narrow") << 438;
        QTest::newRow("wide") << 540;
        QTest::newRow("start width") << 622;
    }
    void outerWidthChangesKeepTheRest() {
        QFETCH(int, width);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        const QRect before = window_->frameGeometry();

        window_->setOuterWidth(width);
        QCOMPARE(window_->outerWidth(), width);
        QCOMPARE(window_->frameGeometry(), QRect(before.topLeft(), QSize(width, before.height())));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QTest::qWait(0);
        QVERIFY(!window_->isActiveWindow());
        QVERIFY(other.isActiveWindow());
    }

    void onlyTheDesignedPartIsInSight_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("inSight");
        QTest::addColumn<QStringList>("outOfSight");
        const QString group = QStringLiteral("分组框1");
        const QString narrow = QStringLiteral("按钮1");
        const QString widen = QStringLiteral("按钮4");
        const QString unused = QStringLiteral("分组框2");
        QTest::newRow("start width")
            << 622 << QStringList{group, narrow, widen} << QStringList{unused};
        QTest::newRow("wide") << 540 << QStringList{group, narrow, widen} << QStringList{unused};
        QTest::newRow("narrow") << 438 << QStringList{widen} << QStringList{unused, group, narrow};
    }
    void onlyTheDesignedPartIsInSight() {
        QFETCH(int, width);
        QFETCH(QStringList, inSight);
        QFETCH(QStringList, outOfSight);
        window_->setOuterWidth(width);
        // The form was drawn for a client area 6 pixels narrower than the
        // window, whatever frame this platform draws.
        QCOMPARE(window_->visibleArea().width(), std::min(width - 6, window_->width()));

        const QImage shot = window_->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb background = window_->palette().color(QPalette::Window).rgb();
        const QRect hidden(window_->visibleArea().right() + 1, 0, window_->width(),
                           window_->height());
        QVERIFY2(showsOnlyBackground(shot, hidden, background), "something shows beyond the form");
        for (const QString& name : inSight) {
            const QRect place = placeInWindow(control<QWidget>(*window_, name), *window_);
            QVERIFY2(window_->visibleArea().intersects(place), qPrintable(name));
            QVERIFY2(!showsOnlyBackground(shot, place, background), qPrintable(name));
        }
        for (const QString& name : outOfSight) {
            const QRect place = placeInWindow(control<QWidget>(*window_, name), *window_);
            QVERIFY2(!window_->visibleArea().intersects(place), qPrintable(name));
            QVERIFY2(showsOnlyBackground(shot, place, background), qPrintable(name));
        }
    }

  private:
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(WindowFrameTest)
#include "window_frame_test.moc"
