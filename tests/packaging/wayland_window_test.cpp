// The window as a Wayland client: run by run_under_weston.sh against a
// headless weston, so the sizes and titles here are the ones the compositor
// was asked for, with Qt's client-side frame instead of a window manager's.

#include <QGuiApplication>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <memory>

#include "tests/common/gbk_literal.h"
#include "tests/ui/ui_test_support.h"
#include "ui/control_text.h"
#include "ui/main_window.h"
#include "ui/window_commands.h"

using guwen::testing::control;
using guwen::testing::gbk;
using guwen::testing::hex;

namespace {

constexpr QSize kStartOuterSize{622, 668};

QSize withoutFrame(QSize outer, const QMargins& frame) { return outer.shrunkBy(frame); }

}  // namespace

class WaylandWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase();

    void runsOnTheWaylandPlatform();
    void showsWithItsTitleAndSize();
    void scalesByTheOutputScale();
    void columnConversionRuns();
    void widthButtonsResizeTheSurface_data();
    void widthButtonsResizeTheSurface();

  private:
    std::unique_ptr<MainWindow> window_;
};

void WaylandWindowTest::initTestCase() {
    window_ = std::make_unique<MainWindow>();
    bindWindowCommands(*window_);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void WaylandWindowTest::cleanupTestCase() { window_.reset(); }

// A platform list such as "wayland;xcb" would fall back to X11 quietly; a
// run that is not on Wayland proves nothing about it.
void WaylandWindowTest::runsOnTheWaylandPlatform() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
}

// The frame is drawn by Qt on Wayland, and its margins are known from the
// start; the client area must give way to them so the outer size stays.
void WaylandWindowTest::showsWithItsTitleAndSize() {
    const QWindow* handle = window_->windowHandle();
    QVERIFY(handle != nullptr);
    QCOMPARE(handle->title(), QStringLiteral("Tavrin古文转换"));
    QVERIFY(handle->isExposed());

    const QMargins frame = handle->frameMargins();
    QCOMPARE(window_->frameGeometry().size(), kStartOuterSize);
    QCOMPARE(window_->size(), withoutFrame(kStartOuterSize, frame));
    QCOMPARE(handle->size(), window_->size());
    // A fixed frame: the compositor is told the window cannot be resized.
    QCOMPARE(handle->minimumSize(), handle->maximumSize());
}

// The runner passes weston's output scale on; the window's buffers must
// follow it while its logical size stays the form's.
void WaylandWindowTest::scalesByTheOutputScale() {
    const QByteArray expected = qgetenv("GUWEN_TEST_OUTPUT_SCALE");
    if (expected.isEmpty()) QSKIP("GUWEN_TEST_OUTPUT_SCALE not set");
    QTRY_COMPARE(window_->devicePixelRatio(), expected.toDouble());
    QCOMPARE(window_->frameGeometry().size(), kStartOuterSize);
}

void WaylandWindowTest::columnConversionRuns() {
    auto* source = control<QWidget>(*window_, QStringLiteral("编辑框1"));
    auto* result = control<QWidget>(*window_, QStringLiteral("编辑框2"));
    auto* convert = control<QPushButton>(*window_, QStringLiteral("转换"));

    // The start-up options: five to a column, traditional, full width.
    writeBoxText(source, gbk("白日依山尽黄河"));
    QTest::mouseClick(convert, Qt::LeftButton);
    QCOMPARE(hex(readBoxText(result)), hex(gbk("黃白\r\n河日\r\n  依\r\n  山\r\n  盡\r\n")));
}

void WaylandWindowTest::widthButtonsResizeTheSurface_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("outerWidth");
    QTest::newRow("narrow") << QStringLiteral("按钮1") << 438;
    QTest::newRow("widen") << QStringLiteral("按钮4") << 540;
}

// A resize on Wayland is a new buffer size the client commits itself, within
// the minimum and maximum it announced; both must move with the width.
void WaylandWindowTest::widthButtonsResizeTheSurface() {
    QFETCH(QString, button);
    QFETCH(int, outerWidth);

    QTest::mouseClick(control<QPushButton>(*window_, button), Qt::LeftButton);
    const QMargins frame = window_->windowHandle()->frameMargins();
    const QSize outer(outerWidth, kStartOuterSize.height());
    QTRY_COMPARE(window_->frameGeometry().size(), outer);
    QCOMPARE(window_->windowHandle()->size(), withoutFrame(outer, frame));
    QCOMPARE(window_->windowHandle()->maximumSize(), withoutFrame(outer, frame));
}

QTEST_MAIN(WaylandWindowTest)
#include "wayland_window_test.moc"
