// Photographs the window as an X server shows it, at whatever scale factor
// the environment sets (QT_SCALE_FACTOR), with a converted and decorated
// poem in it, and saves the picture for review. Fails when the capture is
// not the window's outer size in device pixels, which happens when the
// window does not fit on the screen or Qt did not scale it.
//
// Usage: window_screenshot OUTPUT.png

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <cmath>
#include <cstdio>

#include "tests/common/gbk_literal.h"
#include "ui/control_text.h"
#include "ui/main_window.h"
#include "ui/window_commands.h"

namespace {

int fail(const char* message) {
    std::fprintf(stderr, "window_screenshot: %s\n", message);
    return 1;
}

void fillWithAPoem(MainWindow& window) {
    writeBoxText(window.findChild<QWidget*>(QStringLiteral("编辑框1")),
                 guwen::testing::gbk("白日依山尽，黄河入海流。\r\n欲穷千里目，更上一层楼。"));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("转换")), Qt::LeftButton);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) return fail("usage: window_screenshot OUTPUT.png");

    MainWindow window;
    bindWindowCommands(window);
    fillWithAPoem(window);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return fail("the window never showed");
    // Let the first paint and the banner's first frame reach the server.
    QTest::qWait(500);

    const QRect outer = window.frameGeometry();
    QScreen* screen = window.screen();
    const QPixmap shot = screen->grabWindow(0, outer.x(), outer.y(), outer.width(), outer.height());
    if (!shot.save(QString::fromLocal8Bit(argv[1]))) return fail("cannot write the picture");

    const qreal ratio = window.devicePixelRatio();
    const QSize expected(static_cast<int>(std::lround(outer.width() * ratio)),
                         static_cast<int>(std::lround(outer.height() * ratio)));
    std::printf("scale %.2f: window %dx%d at %d,%d, picture %dx%d\n", ratio, outer.width(),
                outer.height(), outer.x(), outer.y(), shot.width(), shot.height());
    if (shot.size() != expected)
        return fail("the picture is not the window's size in device pixels");
    return 0;
}
